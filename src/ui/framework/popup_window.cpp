// PopupWindow: class registration and the window procedure.
#include "ui/framework/popup_window.h"

namespace mv::ui {

PopupWindow::~PopupWindow() { Destroy(); }

void PopupWindow::Destroy() {
  if (!window_) return;
  // The object is going: the window's last messages go to the default procedure.
  ::SetWindowLongPtrW(window_.get(), GWLP_USERDATA, 0);
  window_.Reset();
}

HWND PopupWindow::Create(const wchar_t* className, DWORD style, DWORD exStyle, const RECT& rect,
                         HWND owner) {
  if (window_) return window_.get();
  HINSTANCE instance = ::GetModuleHandleW(nullptr);
  WNDCLASSEXW wc{};
  if (!::GetClassInfoExW(instance, className, &wc)) {
    wc = WNDCLASSEXW{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = &PopupWindow::WindowProc;
    wc.hInstance = instance;
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = className;
    if (!::RegisterClassExW(&wc)) return nullptr;
  }
  return ::CreateWindowExW(exStyle, className, L"", style, rect.left, rect.top,
                           rect.right - rect.left, rect.bottom - rect.top, owner, nullptr, instance,
                           this);
}

LRESULT CALLBACK PopupWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  PopupWindow* self = nullptr;
  if (message == WM_NCCREATE) {
    self = static_cast<PopupWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    if (self) self->window_.Reset(window);
  } else {
    self = reinterpret_cast<PopupWindow*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
  }
  if (!self) return ::DefWindowProcW(window, message, wParam, lParam);
  const LRESULT result = self->HandleMessage(message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    ::SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    (void)self->window_.Release();  // destroyed by other means
  }
  return result;
}

}  // namespace mv::ui
