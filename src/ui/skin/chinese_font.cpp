// Chinese fonts: coverage check and the Chinese twin of a font.
#include "ui/skin/chinese_font.h"

#include <cwchar>
#include <vector>

#include "ui/framework/device_context.h"
#include "ui/framework/wide_text.h"

namespace mv::ui {
namespace {

HGDIOBJ OrGuiFont(HFONT font) { return font ? static_cast<HGDIOBJ>(font) : ::GetStockObject(DEFAULT_GUI_FONT); }

}  // namespace

bool FontCovers(HFONT font, std::u16string_view text) {
  std::u16string printable;
  for (char16_t c : text) {
    // Line breaks and tabs are layout, not glyphs.
    if (c >= u' ') printable.push_back(c);
  }
  if (printable.empty()) return true;
  ClientDc screen(nullptr);
  SelectedObject select(screen.get(), OrGuiFont(font));
  std::vector<WORD> glyphs(printable.size());
  const DWORD count = ::GetGlyphIndicesW(screen.get(), Wide(printable), static_cast<int>(printable.size()),
                                         glyphs.data(), GGI_MARK_NONEXISTING_GLYPHS);
  if (count == GDI_ERROR) return false;
  for (WORD glyph : glyphs) {
    if (glyph == 0xFFFF) return false;
  }
  return true;
}

UniqueFont ChineseFontLike(HFONT font) {
  LOGFONTW lf{};
  ::GetObjectW(OrGuiFont(font), sizeof(lf), &lf);
  lf.lfCharSet = GB2312_CHARSET;
  std::wcsncpy(lf.lfFaceName, kChineseFace, LF_FACESIZE - 1);
  lf.lfFaceName[LF_FACESIZE - 1] = L'\0';
  return UniqueFont(::CreateFontIndirectW(&lf));
}

void SetDialogFont(HWND dialog, HFONT font) {
  for (HWND child = ::GetWindow(dialog, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
    ::SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  }
}

}  // namespace mv::ui
