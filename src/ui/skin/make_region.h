// Window shape from a mask picture: every pixel that is not the transparent colour (within the
// tolerance) belongs to the window.
#pragma once

#include <windows.h>

#include <cstdint>

#include "ui/framework/gdi_handle.h"
#include "ui/framework/offscreen_picture.h"

namespace mv::ui {

// An empty region for a picture without opaque pixels; null only when GDI fails.
UniqueRegion MakeRegion(const OffscreenPicture& picture, COLORREF transparent, std::uint8_t tolerance);

}  // namespace mv::ui
