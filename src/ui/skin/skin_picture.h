// Full-window skin pictures: loaded with GDI+ from a path relative to the program folder and drawn
// once into an off-screen picture, out of which the image buttons blit their looks.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "ui/framework/offscreen_picture.h"

namespace Gdiplus {
class Bitmap;
}

namespace mv::ui {

struct GdiplusBitmapDeleter {
  void operator()(Gdiplus::Bitmap* bitmap) const;
};
using SkinImage = std::unique_ptr<Gdiplus::Bitmap, GdiplusBitmapDeleter>;

// The picture at programFolder + relativePath ("Skins\main_normal.jpg"); null when it cannot be
// loaded. Needs a running GdiplusSession.
SkinImage LoadSkinPicture(const std::u16string& relativePath);
// The same for a full path.
SkinImage LoadSkinPictureFile(const std::u16string& path);

// The size of the window's off-screen pictures: its client area enlarged by 100 pixels right and
// down, so looks cut near the right or bottom edge never run off the picture.
SIZE SkinPictureExtent(HWND window);

// Makes target an off-screen copy of image, 1:1 from (0, 0), of SkinPictureExtent(window). False
// when GDI fails.
[[nodiscard]] bool DrawSkinPicture(OffscreenPicture& target, Gdiplus::Bitmap& image, HWND window);

// LoadSkinPicture then DrawSkinPicture; a missing picture ends the program (exit code 0).
void LoadAndDrawSkinPicture(OffscreenPicture& target, const std::u16string& relativePath, HWND window);

}  // namespace mv::ui
