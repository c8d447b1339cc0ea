// A C++ object attached to an existing window (usually a control from a dialog template) through
// comctl32 subclassing. Messages go to the virtual HandleMessage first; Default passes them on to
// the window's own procedure. The subclass is removed on detach, destruction or WM_NCDESTROY.
#pragma once

#include <windows.h>

namespace mv::ui {

class SubclassedWindow {
 public:
  SubclassedWindow() = default;
  virtual ~SubclassedWindow() { Detach(); }
  SubclassedWindow(const SubclassedWindow&) = delete;
  SubclassedWindow& operator=(const SubclassedWindow&) = delete;

  // Attaches to window (a different one detaches first). False when window is not a window.
  bool Attach(HWND window);
  // Attaches to the dialog's child control id.
  bool AttachItem(HWND dialog, int id) { return Attach(::GetDlgItem(dialog, id)); }
  void Detach();

  HWND hwnd() const { return hwnd_; }
  int id() const { return hwnd_ ? ::GetDlgCtrlID(hwnd_) : 0; }

 protected:
  virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return Default(message, wParam, lParam);
  }
  // Runs after the subclass is installed.
  virtual void OnAttached() {}
  LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                               UINT_PTR id, DWORD_PTR data);

  HWND hwnd_ = nullptr;
};

}  // namespace mv::ui
