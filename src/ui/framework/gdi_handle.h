// Owning wrappers for GDI objects (bitmaps, brushes, pens, fonts, regions): one DeleteObject per
// object, move-only, so no drawing path can leak or double-free a handle.
#pragma once

#include <windows.h>

#include <utility>

namespace mv::ui {

template <typename Handle>
class GdiHandle {
 public:
  GdiHandle() = default;
  explicit GdiHandle(Handle h) : handle_(h) {}
  ~GdiHandle() { Reset(); }

  GdiHandle(const GdiHandle&) = delete;
  GdiHandle& operator=(const GdiHandle&) = delete;
  GdiHandle(GdiHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  GdiHandle& operator=(GdiHandle&& other) noexcept {
    if (this != &other) Reset(std::exchange(other.handle_, nullptr));
    return *this;
  }

  Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }

  void Reset(Handle h = nullptr) {
    if (handle_) ::DeleteObject(handle_);
    handle_ = h;
  }
  // Gives up ownership, for calls such as SetWindowRgn that take the object over.
  [[nodiscard]] Handle Release() { return std::exchange(handle_, nullptr); }

 private:
  Handle handle_ = nullptr;
};

using UniqueBitmap = GdiHandle<HBITMAP>;
using UniqueBrush = GdiHandle<HBRUSH>;
using UniquePen = GdiHandle<HPEN>;
using UniqueFont = GdiHandle<HFONT>;
using UniqueRegion = GdiHandle<HRGN>;

}  // namespace mv::ui
