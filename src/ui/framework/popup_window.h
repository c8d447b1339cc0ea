// A window we create ourselves (not from a dialog template): registers its class once per
// process, takes `this` from CREATESTRUCT and forwards messages to the virtual HandleMessage.
// Destroys its window when the object goes.
#pragma once

#include <windows.h>

namespace mv::ui {

class PopupWindow {
 public:
  PopupWindow() = default;
  virtual ~PopupWindow();
  PopupWindow(const PopupWindow&) = delete;
  PopupWindow& operator=(const PopupWindow&) = delete;

  // className is registered on first use with CS_DROPSHADOW off and the arrow cursor.
  HWND Create(const wchar_t* className, DWORD style, DWORD exStyle, const RECT& rect, HWND owner);
  void Destroy();
  HWND hwnd() const { return hwnd_; }

 protected:
  virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return ::DefWindowProcW(hwnd_, message, wParam, lParam);
  }

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  HWND hwnd_ = nullptr;
};

}  // namespace mv::ui
