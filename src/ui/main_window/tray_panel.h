// The main window's tray panel: the notification-area icon with its tooltip and menu texts, and
// the commands of the tray menu (open the window, exit the program).
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "app/presence.h"
#include "ui/framework/panel.h"
#include "ui/tray/tray_icon.h"

namespace mv::ui {

class TrayPanel : public Panel {
 public:
  struct Actions {
    std::function<void()> open;
    std::function<void()> exit;
  };

  explicit TrayPanel(Actions actions) : actions_(std::move(actions)) {}

  // Adds the icon for the window; false when the shell refused.
  bool Create(HWND window, const std::u16string& tooltip, HICON icon);
  void SetMenuTexts(CTrayIcon::MenuTexts texts) { icon_.SetMenuTexts(std::move(texts)); }
  // Callable from any thread.
  void ShowIcon(app::TrayIcon icon);
  void Remove() { icon_.Remove(); }

  CTrayIcon& icon() { return icon_; }
  const CTrayIcon& icon() const { return icon_; }

  bool OnCommand(int id, int code, HWND control) override;

 private:
  Actions actions_;
  CTrayIcon icon_;
};

}  // namespace mv::ui
