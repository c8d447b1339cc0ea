// Fonts for Chinese texts. The faces the windows name (Tahoma, Arial, Verdana) have no Chinese
// glyphs; Windows often draws it anyway through its font links, but not every system links them.
// So a Chinese text gets a Chinese face of the same size and weight: Microsoft YaHei, created with
// the GB2312 charset so that the font mapper falls back to another Chinese face (SimSun) where
// YaHei is missing.
#pragma once

#include <windows.h>

#include <string_view>

#include "ui/framework/gdi_handle.h"

namespace mv::ui {

inline constexpr wchar_t kChineseFace[] = L"Microsoft YaHei";

// true when font (null: the stock GUI font) has a glyph for every printable character of text.
bool FontCovers(HFONT font, std::u16string_view text);

// A font like font (null: the stock GUI font) - height, weight, angle, style - in the Chinese face.
UniqueFont ChineseFontLike(HFONT font);

// Gives font to every child window of a dialog, redrawn. The caller keeps font alive.
void SetDialogFont(HWND dialog, HFONT font);

}  // namespace mv::ui
