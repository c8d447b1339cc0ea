// An off-screen picture: a memory DC that owns the bitmap selected into it. The skinned controls
// keep their looks in these and blit out of them. Either a device-compatible bitmap or a top-down
// 32-bit DIB section whose pixels can be read (0x00RRGGBB).
#pragma once

#include <windows.h>

#include <cstdint>

#include "ui/framework/device_context.h"
#include "ui/framework/gdi_handle.h"

namespace mv::ui {

class OffscreenPicture {
 public:
  OffscreenPicture() = default;
  ~OffscreenPicture() { Reset(); }
  OffscreenPicture(const OffscreenPicture&) = delete;
  OffscreenPicture& operator=(const OffscreenPicture&) = delete;
  OffscreenPicture(OffscreenPicture&& other) noexcept;
  OffscreenPicture& operator=(OffscreenPicture&& other) noexcept;

  // A bitmap compatible with the given DC (the screen when null).
  [[nodiscard]] bool CreateCompatible(HDC compatibleWith, int width, int height);
  // A 32-bit top-down DIB section, pixels() valid afterwards.
  [[nodiscard]] bool CreateDib32(int width, int height);
  void Reset();

  HDC dc() const { return dc_.get(); }
  HBITMAP bitmap() const { return bitmap_.get(); }
  int width() const { return width_; }
  int height() const { return height_; }
  bool valid() const { return dc_ && bitmap_; }
  // DIB sections only; null otherwise.
  std::uint32_t* pixels() const { return pixels_; }

 private:
  bool Adopt(HDC compatibleWith, HBITMAP bitmap, int width, int height);

  MemoryDc dc_;
  UniqueBitmap bitmap_;
  HGDIOBJ previous_ = nullptr;
  int width_ = 0;
  int height_ = 0;
  std::uint32_t* pixels_ = nullptr;
};

}  // namespace mv::ui
