// CMyMemDC: off-screen drawing for flicker-free paints. Drawing goes into a compatible bitmap
// that is copied back to the target when the object is destroyed; on a printer it draws straight
// into the target. Coordinates are the target's (the window origin follows the rectangle).
#pragma once

#include <windows.h>

#include "ui/framework/device_context.h"
#include "ui/framework/gdi_handle.h"

namespace mv::ui {

class CMyMemDC {
 public:
  // rect null: the target's clip box. copyBackground: start from what the target shows.
  CMyMemDC(HDC target, const RECT* rect, bool copyBackground);
  ~CMyMemDC();
  CMyMemDC(const CMyMemDC&) = delete;
  CMyMemDC& operator=(const CMyMemDC&) = delete;

  HDC dc() const { return offscreen_ ? memory_.get() : target_; }
  const RECT& rect() const { return rect_; }
  bool offscreen() const { return offscreen_; }

 private:
  HDC target_;
  RECT rect_{};
  bool offscreen_ = false;
  MemoryDc memory_;
  UniqueBitmap bitmap_;
  HGDIOBJ previous_ = nullptr;
};

}  // namespace mv::ui
