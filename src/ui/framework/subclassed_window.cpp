// Subclassing through SetWindowSubclass, one subclass id shared by all our classes.
#include "ui/framework/subclassed_window.h"

#include <commctrl.h>

namespace mv::ui {
namespace {
constexpr UINT_PTR kSubclassId = 0x4D56;  // "MV"
}

bool SubclassedWindow::Attach(HWND window) {
  if (window == hwnd_ && window) return true;
  Detach();
  if (!::IsWindow(window)) return false;
  if (!::SetWindowSubclass(window, &SubclassedWindow::Proc, kSubclassId,
                           reinterpret_cast<DWORD_PTR>(this))) {
    return false;
  }
  hwnd_ = window;
  OnAttached();
  return true;
}

void SubclassedWindow::Detach() {
  if (!hwnd_) return;
  ::RemoveWindowSubclass(hwnd_, &SubclassedWindow::Proc, kSubclassId);
  hwnd_ = nullptr;
}

LRESULT SubclassedWindow::Default(UINT message, WPARAM wParam, LPARAM lParam) {
  return ::DefSubclassProc(hwnd_, message, wParam, lParam);
}

LRESULT CALLBACK SubclassedWindow::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                        UINT_PTR, DWORD_PTR data) {
  auto* self = reinterpret_cast<SubclassedWindow*>(data);
  if (!self || self->hwnd_ != window) return ::DefSubclassProc(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    const LRESULT result = self->HandleMessage(message, wParam, lParam);
    self->Detach();
    return result;
  }
  return self->HandleMessage(message, wParam, lParam);
}

}  // namespace mv::ui
