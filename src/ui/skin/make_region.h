// Window shape from a mask picture: every pixel that is not the transparent colour (within the
// tolerance) belongs to the window.
#pragma once

#include <windows.h>

#include <cstdint>

#include "ui/framework/gdi_handle.h"
#include "ui/framework/offscreen_picture.h"

namespace mv::ui {

// The shape of a mask picture. refused: the mask has more rectangles than a window shape may have
// (app::kMaxMaskRects), so it is as unusable as a picture that does not load; region is then null.
struct MaskRegion {
  UniqueRegion region;
  bool refused = false;
};

// An empty region for a picture without opaque pixels; a null region when GDI fails or the mask
// is refused.
MaskRegion MakeMaskRegion(const OffscreenPicture& picture, COLORREF transparent, std::uint8_t tolerance);
UniqueRegion MakeRegion(const OffscreenPicture& picture, COLORREF transparent, std::uint8_t tolerance);

}  // namespace mv::ui
