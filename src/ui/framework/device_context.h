// Scoped device contexts: a window's client DC (the screen's for no window), its whole-window DC,
// a paint DC, a memory DC, and a selection that is undone when the scope ends (an object must
// never be deleted while selected).
#pragma once

#include <windows.h>

#include <utility>

namespace mv::ui {

// GetDC / ReleaseDC.
class ClientDc {
 public:
  explicit ClientDc(HWND window) : window_(window), dc_(::GetDC(window)) {}
  ~ClientDc() {
    if (dc_) ::ReleaseDC(window_, dc_);
  }
  ClientDc(const ClientDc&) = delete;
  ClientDc& operator=(const ClientDc&) = delete;
  HDC get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// GetWindowDC / ReleaseDC: the whole window, frame included (for WM_NCPAINT).
class WindowDc {
 public:
  explicit WindowDc(HWND window) : window_(window), dc_(::GetWindowDC(window)) {}
  ~WindowDc() {
    if (dc_) ::ReleaseDC(window_, dc_);
  }
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  HDC get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// BeginPaint / EndPaint.
class PaintDc {
 public:
  explicit PaintDc(HWND window) : window_(window) { dc_ = ::BeginPaint(window, &ps_); }
  ~PaintDc() { ::EndPaint(window_, &ps_); }
  PaintDc(const PaintDc&) = delete;
  PaintDc& operator=(const PaintDc&) = delete;
  HDC get() const { return dc_; }
  const RECT& PaintRect() const { return ps_.rcPaint; }

 private:
  HWND window_;
  PAINTSTRUCT ps_{};
  HDC dc_ = nullptr;
};

// CreateCompatibleDC / DeleteDC, move-only.
class MemoryDc {
 public:
  MemoryDc() = default;
  explicit MemoryDc(HDC compatibleWith) : dc_(::CreateCompatibleDC(compatibleWith)) {}
  ~MemoryDc() { Reset(); }
  MemoryDc(const MemoryDc&) = delete;
  MemoryDc& operator=(const MemoryDc&) = delete;
  MemoryDc(MemoryDc&& o) noexcept : dc_(std::exchange(o.dc_, nullptr)) {}
  MemoryDc& operator=(MemoryDc&& o) noexcept {
    if (this != &o) {
      Reset();
      dc_ = std::exchange(o.dc_, nullptr);
    }
    return *this;
  }
  HDC get() const { return dc_; }
  explicit operator bool() const { return dc_ != nullptr; }
  void Reset() {
    if (dc_) ::DeleteDC(dc_);
    dc_ = nullptr;
  }

 private:
  HDC dc_ = nullptr;
};

// SelectObject with the previous object put back at the end of the scope.
class SelectedObject {
 public:
  SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(::SelectObject(dc, object)) {}
  ~SelectedObject() {
    if (dc_ && previous_) ::SelectObject(dc_, previous_);
  }
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

}  // namespace mv::ui
