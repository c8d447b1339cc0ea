// Dialog base: dialog procedure, modal and modeless running, command dispatch, reflection.
#include "ui/framework/dialog.h"

namespace mv::ui {

Dialog::~Dialog() {
  // A modeless dialog must not outlive its object; a modal one cannot (RunModal returned).
  if (hwnd_ && !modal_) {
    ::SetWindowLongPtrW(hwnd_, DWLP_USER, 0);
    ::DestroyWindow(hwnd_);
  }
}

INT_PTR Dialog::RunModal(HWND parent, HINSTANCE instance) {
  if (hwnd_) return -1;  // already open
  modal_ = true;
  const INT_PTR result =
      ::DialogBoxParamW(instance ? instance : ::GetModuleHandleW(nullptr),
                        MAKEINTRESOURCEW(templateId_), parent, &Dialog::DialogProc,
                        reinterpret_cast<LPARAM>(this));
  modal_ = false;
  return result;
}

HWND Dialog::CreateModeless(HWND parent, HINSTANCE instance) {
  if (hwnd_) return hwnd_;
  modal_ = false;
  return ::CreateDialogParamW(instance ? instance : ::GetModuleHandleW(nullptr),
                              MAKEINTRESOURCEW(templateId_), parent, &Dialog::DialogProc,
                              reinterpret_cast<LPARAM>(this));
}

void Dialog::Close(INT_PTR result) {
  if (!hwnd_) return;
  if (modal_) {
    ::EndDialog(hwnd_, result);
  } else {
    ::DestroyWindow(hwnd_);
  }
}

INT_PTR Dialog::ReflectDrawItem(WPARAM wParam, LPARAM lParam) {
  const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
  if (!item || item->CtlType == ODT_MENU || !item->hwndItem) return FALSE;
  return ::SendMessageW(item->hwndItem, kReflectedDrawItem, wParam, lParam) ? TRUE : FALSE;
}

INT_PTR Dialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      return OnInitDialog();
    case WM_COMMAND: {
      const int id = LOWORD(wParam);
      const int code = HIWORD(wParam);
      const HWND control = reinterpret_cast<HWND>(lParam);
      if (OnCommand(id, code, control) || ChainCommandToPanels(id, code, control)) return TRUE;
      if (id == IDOK && code == BN_CLICKED) {
        OnOK();
        return TRUE;
      }
      if (id == IDCANCEL && code == BN_CLICKED) {
        OnCancel();
        return TRUE;
      }
      return FALSE;
    }
    case WM_DRAWITEM:
      return ReflectDrawItem(wParam, lParam);
    case WM_DESTROY:
      OnDestroy();
      return FALSE;
    default: {
      INT_PTR result = FALSE;
      return ChainToPanels(message, wParam, lParam, result) ? result : FALSE;
    }
  }
}

bool Dialog::ChainToPanels(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) const {
  for (Panel* panel : panels_)
    if (panel->OnMessage(message, wParam, lParam, result)) return true;
  return false;
}

bool Dialog::ChainCommandToPanels(int id, int code, HWND control) const {
  for (Panel* panel : panels_)
    if (panel->OnCommand(id, code, control)) return true;
  return false;
}

INT_PTR CALLBACK Dialog::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  Dialog* self = nullptr;
  if (message == WM_INITDIALOG) {
    self = reinterpret_cast<Dialog*>(lParam);
    ::SetWindowLongPtrW(window, DWLP_USER, reinterpret_cast<LONG_PTR>(self));
    if (self) self->hwnd_ = window;
  } else {
    self = reinterpret_cast<Dialog*>(::GetWindowLongPtrW(window, DWLP_USER));
  }
  if (!self) return FALSE;
  const INT_PTR result = self->HandleMessage(message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    ::SetWindowLongPtrW(window, DWLP_USER, 0);
    self->hwnd_ = nullptr;
  }
  return result;
}

}  // namespace mv::ui
