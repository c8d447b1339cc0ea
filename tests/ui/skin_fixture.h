// Helpers for the window tests: a scratch folder with generated BMP pictures and layout files,
// solid-colour looks, and reading back what a control drew.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

#include "ui/framework/offscreen_picture.h"

namespace mv::ui::test {

// A fresh folder under the temporary folder, removed with its files at the end.
class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  const std::u16string& path() const { return path_; }  // ends with a separator
  std::u16string File(const std::u16string& name) const { return path_ + name; }

 private:
  std::u16string path_;
};

// Writes a 24-bit BMP whose pixel (x, y) is colourAt(x, y) (COLORREF).
bool WriteBmp(const std::u16string& path, int width, int height,
              const std::function<COLORREF(int, int)>& colourAt);

// An off-screen picture filled with one colour.
bool FillPicture(OffscreenPicture& picture, int width, int height, COLORREF colour);

// The colour a window paints at client point (x, y) when asked to print its client area.
COLORREF PixelOf(HDC dc, int x, int y);

}  // namespace mv::ui::test
