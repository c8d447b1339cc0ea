// Stand-in for the composite key editor.
#include "ui/main_window/key_editor_placeholder.h"

#include <cstdio>

#include "ui/res/resource.h"

namespace mv::ui {

KeyEditorPlaceholder::KeyEditorPlaceholder(const EditorRequest& request) : Dialog(IDD_COMPOSITE), request_(request) {}

BOOL KeyEditorPlaceholder::OnInitDialog() {
  wchar_t title[64];
  std::swprintf(title, 64, L"Record %d%ls", request_.record, request_.macroOnly ? L" (macro)" : L"");
  ::SetWindowTextW(hwnd(), title);
  ::SetWindowPos(hwnd(), nullptr, 0, 0, 320, 160, SWP_NOMOVE | SWP_NOZORDER);
  ::ShowWindow(hwnd(), SW_SHOW);
  return TRUE;
}

}  // namespace mv::ui
