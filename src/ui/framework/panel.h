// Panel: a part of a window that owns a group of its controls and handles their messages and
// commands itself. A dialog passes each message its own handler leaves to its panels, in the order
// they were added, until one of them handles it (Dialog::AddPanel), the way a message map chains
// to its members.
#pragma once

#include <windows.h>

namespace mv::ui {

class Panel {
 public:
  virtual ~Panel() = default;

  // true when the panel handled the message; result is then the dialog procedure's value (use
  // DWLP_MSGRESULT for replies, as a dialog does).
  virtual bool OnMessage(UINT /*message*/, WPARAM /*wParam*/, LPARAM /*lParam*/, INT_PTR& /*result*/) {
    return false;
  }
  // true when the command belonged to the panel.
  virtual bool OnCommand(int /*id*/, int /*code*/, HWND /*control*/) { return false; }

 protected:
  Panel() = default;
  Panel(const Panel&) = delete;
  Panel& operator=(const Panel&) = delete;
};

}  // namespace mv::ui
