// Message boxes a window owns, and serving a thread's messages meanwhile; see message_boxes.h.
#include "ui/framework/message_boxes.h"

#include <string_view>

#include "ui/framework/wide_text.h"

namespace mv::ui {

std::vector<HWND> OwnedStandardDialogs(HWND owner) {
  struct Search {
    HWND owner;
    std::vector<HWND> found;
  } search{owner, {}};
  ::EnumThreadWindows(
      ::GetWindowThreadProcessId(owner, nullptr),
      [](HWND window, LPARAM lParam) -> BOOL {
        auto* s = reinterpret_cast<Search*>(lParam);
        wchar_t name[16] = {};
        ::GetClassNameW(window, name, 16);
        if (std::wstring_view(name) == L"#32770" && ::GetWindow(window, GW_OWNER) == s->owner)
          s->found.push_back(window);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

bool ShowsText(HWND window, const std::u16string& text) {
  struct Search {
    const std::u16string& text;
    bool found = false;
  } search{text};
  ::EnumChildWindows(
      window,
      [](HWND child, LPARAM lParam) -> BOOL {
        auto* s = reinterpret_cast<Search*>(lParam);
        s->found = WindowText(child) == s->text;
        return s->found ? FALSE : TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

void ServeMessagesUntil(const std::atomic<bool>& finished) {
  MSG msg;
  while (!finished.load()) {
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) {
        ::PostQuitMessage(static_cast<int>(msg.wParam));  // for the loop that owns it
        return;
      }
      ::TranslateMessage(&msg);
      ::DispatchMessageW(&msg);
    }
  }
}

}  // namespace mv::ui
