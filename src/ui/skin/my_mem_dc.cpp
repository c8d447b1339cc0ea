// CMyMemDC.
#include "ui/skin/my_mem_dc.h"

namespace mv::ui {

CMyMemDC::CMyMemDC(HDC target, const RECT* rect, bool copyBackground) : target_(target) {
  if (rect) {
    rect_ = *rect;
  } else {
    ::GetClipBox(target, &rect_);
  }
  const int width = rect_.right - rect_.left;
  const int height = rect_.bottom - rect_.top;
  const bool printer = ::GetDeviceCaps(target, TECHNOLOGY) == DT_RASPRINTER;
  if (printer || width <= 0 || height <= 0) return;  // draw into the target itself
  memory_ = MemoryDc(target);
  bitmap_.Reset(::CreateCompatibleBitmap(target, width, height));
  if (!memory_ || !bitmap_) {
    memory_.Reset();
    bitmap_.Reset();
    return;
  }
  previous_ = ::SelectObject(memory_.get(), bitmap_.get());
  ::SetWindowOrgEx(memory_.get(), rect_.left, rect_.top, nullptr);
  offscreen_ = true;
  if (copyBackground) {
    ::BitBlt(memory_.get(), rect_.left, rect_.top, width, height, target_, rect_.left, rect_.top,
             SRCCOPY);
  }
}

CMyMemDC::~CMyMemDC() {
  if (!offscreen_) return;
  ::BitBlt(target_, rect_.left, rect_.top, rect_.right - rect_.left, rect_.bottom - rect_.top,
           memory_.get(), rect_.left, rect_.top, SRCCOPY);
  ::SelectObject(memory_.get(), previous_);
}

}  // namespace mv::ui
