// Pictures decoded by the operating system's picture loader (OleLoadPicture from an in-memory
// copy of the whole file: JPEG and BMP), turned into a 32-bit off-screen picture so that masks
// can be read pixel by pixel and backgrounds blitted.
#pragma once

#include <string>

#include "ui/framework/offscreen_picture.h"

namespace mv::ui {

// False (and an empty picture) when the file cannot be read or decoded.
[[nodiscard]] bool LoadOsPicture(const std::u16string& path, OffscreenPicture& picture);

}  // namespace mv::ui
