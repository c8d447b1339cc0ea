// Dialog base of our own framework. A static dialog procedure takes `this` from the creation
// parameter of WM_INITDIALOG, keeps it in the window's DWLP_USER slot and forwards every message to
// the virtual HandleMessage. The same class runs modal (DialogBoxParamW) or modeless
// (CreateDialogParamW); Close ends either kind correctly.
//
// Owner-drawn children are served by reflection: WM_DRAWITEM is sent back to the control as
// kReflectedDrawItem, so a control class can draw itself (see SubclassedWindow).
#pragma once

#include <windows.h>

#include <vector>

#include "ui/framework/panel.h"

namespace mv::ui {

// WM_DRAWITEM reflected to the child that asked for it; wParam/lParam unchanged. A control returns
// TRUE when it drew itself.
inline constexpr UINT kReflectedDrawItem = WM_USER + 0x1C00 + WM_DRAWITEM;

class Dialog {
 public:
  explicit Dialog(int templateId) : templateId_(templateId) {}
  virtual ~Dialog();
  Dialog(const Dialog&) = delete;
  Dialog& operator=(const Dialog&) = delete;

  // Runs the dialog modally; the value given to Close, or -1 when it cannot be created.
  INT_PTR RunModal(HWND parent, HINSTANCE instance = nullptr);
  // Creates the dialog modeless (hidden unless the template says WS_VISIBLE); null on failure.
  HWND CreateModeless(HWND parent, HINSTANCE instance = nullptr);
  // EndDialog when modal, DestroyWindow when modeless.
  void Close(INT_PTR result);

  HWND hwnd() const { return hwnd_; }
  int templateId() const { return templateId_; }
  bool isModal() const { return modal_; }
  HWND Item(int id) const { return ::GetDlgItem(hwnd_, id); }

  // Chains the messages and commands the window leaves to the panel; the panel must outlive the
  // window.
  void AddPanel(Panel& panel) { panels_.push_back(&panel); }

 protected:
  // Override to handle any message; call Dialog::HandleMessage for what is not handled, which
  // offers it to the panels. The return value is the dialog procedure's (TRUE handled); use
  // SetMessageResult for replies.
  virtual INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  // TRUE lets the system set the focus.
  virtual BOOL OnInitDialog() { return TRUE; }
  // true when handled; the panels get the commands the window leaves.
  virtual bool OnCommand(int /*id*/, int /*code*/, HWND /*control*/) { return false; }
  virtual void OnOK() { Close(IDOK); }
  virtual void OnCancel() { Close(IDCANCEL); }
  // Last message the window gets; hwnd() is still valid here.
  virtual void OnDestroy() {}

  void SetMessageResult(LRESULT result) const { ::SetWindowLongPtrW(hwnd_, DWLP_MSGRESULT, result); }

 private:
  static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR ReflectDrawItem(WPARAM wParam, LPARAM lParam);

  bool ChainToPanels(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) const;
  bool ChainCommandToPanels(int id, int code, HWND control) const;

  int templateId_;
  std::vector<Panel*> panels_;
  HWND hwnd_ = nullptr;
  bool modal_ = false;
};

}  // namespace mv::ui
