// A window we create ourselves (not from a dialog template): registers its class once per
// process, takes `this` from CREATESTRUCT and forwards messages to the virtual HandleMessage.
// Owns its window: destroyed when the object goes, let go when something else destroyed it.
#pragma once

#include <windows.h>

#include "ui/framework/user_handle.h"

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
  HWND hwnd() const { return window_.get(); }

 protected:
  virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return ::DefWindowProcW(hwnd(), message, wParam, lParam);
  }

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  UniqueWindow window_;
};

}  // namespace mv::ui
