// Where a child control sits in its parent's client area, and moving it there: the small pieces
// the placement operations and the panels share.
#pragma once

#include <windows.h>

namespace mv::ui {

// The child's rectangle in the client coordinates of its parent (empty when not a window).
inline RECT ChildRect(HWND child) {
  RECT r{};
  if (!::GetWindowRect(child, &r)) return RECT{};
  HWND parent = ::GetParent(child);
  if (parent) ::MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

inline int Width(const RECT& r) { return r.right - r.left; }
inline int Height(const RECT& r) { return r.bottom - r.top; }

}  // namespace mv::ui
