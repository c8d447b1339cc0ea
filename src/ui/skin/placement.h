// Placing controls from a skin layout file: each entry "x,y,w,h" gives a control's rectangle in
// its parent's client area. Image buttons also take their looks from the window's full-window
// pictures at that position, and an image button placed at (1, 1) (a missing entry included, and
// an entry outside the window, which reads as the default) is disabled.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "app/layout.h"
#include "ui/skin/png_button.h"

namespace mv::ui {

// Moves and sizes the button without redrawing, gives it the five looks at (x, y) and disables it
// when the entry is at (1, 1). Returns the entry read.
app::LayoutEntry PlaceImageButton(CPngButton& button, const std::u16string& file,
                                  std::u16string_view section, std::u16string_view key,
                                  const SkinLooks& looks);

// Moves and sizes the control without redrawing.
app::LayoutEntry PlaceControl(HWND control, const std::u16string& file, std::u16string_view section,
                              std::u16string_view key);

// Moves and sizes the button to the first entry and gives it all five looks from the one picture
// at the second entry's position.
app::LayoutEntry PlaceImageControl(CPngButton& button, const std::u16string& file,
                                   std::u16string_view section, std::u16string_view key,
                                   std::u16string_view imageSection, std::u16string_view imageKey,
                                   const OffscreenPicture& picture);

// Moves the control to the entry's x, y keeping its size, and redraws it.
app::LayoutEntry MoveControl(HWND control, const std::u16string& file, std::u16string_view section,
                             std::u16string_view key);

}  // namespace mv::ui
