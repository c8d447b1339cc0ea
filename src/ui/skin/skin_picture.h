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

// Makes target an off-screen copy of image, 1:1 from (0, 0), sized to the window's client area
// enlarged by 100 pixels right and down. False when GDI fails.
[[nodiscard]] bool DrawSkinPicture(OffscreenPicture& target, Gdiplus::Bitmap& image, HWND window);

// LoadSkinPicture then DrawSkinPicture; a missing picture ends the program (exit code 0).
void LoadAndDrawSkinPicture(OffscreenPicture& target, const std::u16string& relativePath, HWND window);

}  // namespace mv::ui
