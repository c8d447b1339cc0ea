// OffscreenPicture: creation of the two bitmap kinds and their clean release.
#include "ui/framework/offscreen_picture.h"

#include <utility>

namespace mv::ui {

OffscreenPicture::OffscreenPicture(OffscreenPicture&& other) noexcept { *this = std::move(other); }

OffscreenPicture& OffscreenPicture::operator=(OffscreenPicture&& other) noexcept {
  if (this != &other) {
    Reset();
    dc_ = std::move(other.dc_);
    bitmap_ = std::move(other.bitmap_);
    previous_ = std::exchange(other.previous_, nullptr);
    width_ = std::exchange(other.width_, 0);
    height_ = std::exchange(other.height_, 0);
    pixels_ = std::exchange(other.pixels_, nullptr);
  }
  return *this;
}

void OffscreenPicture::Reset() {
  if (dc_ && previous_) ::SelectObject(dc_.get(), previous_);
  previous_ = nullptr;
  bitmap_.Reset();
  dc_.Reset();
  width_ = height_ = 0;
  pixels_ = nullptr;
}

bool OffscreenPicture::Adopt(HDC compatibleWith, HBITMAP bitmap, int width, int height) {
  if (!bitmap) return false;
  bitmap_.Reset(bitmap);
  dc_ = MemoryDc(compatibleWith);
  if (!dc_) {
    Reset();
    return false;
  }
  previous_ = ::SelectObject(dc_.get(), bitmap);
  width_ = width;
  height_ = height;
  return true;
}

bool OffscreenPicture::CreateCompatible(HDC compatibleWith, int width, int height) {
  Reset();
  if (width <= 0 || height <= 0) return false;
  if (compatibleWith) return Adopt(compatibleWith, ::CreateCompatibleBitmap(compatibleWith, width, height), width, height);
  const ClientDc screen(nullptr);
  return Adopt(screen.get(), ::CreateCompatibleBitmap(screen.get(), width, height), width, height);
}

bool OffscreenPicture::CreateDib32(int width, int height) {
  Reset();
  if (width <= 0 || height <= 0) return false;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down: row 0 first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!Adopt(nullptr, bitmap, width, height)) return false;
  pixels_ = static_cast<std::uint32_t*>(bits);
  return true;
}

}  // namespace mv::ui
