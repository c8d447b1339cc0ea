// The main window's tray panel.
#include "ui/main_window/tray_panel.h"

#include "ui/main_window/window_messages.h"
#include "ui/res/resource.h"
#include "ui/res/ui_numbers.h"

namespace mv::ui {

bool TrayPanel::Create(HWND window, const std::u16string& tooltip, HICON icon) {
  return icon_.Create(window, kTrayCallback, tooltip, icon, kTrayIconId);
}

void TrayPanel::ShowIcon(app::TrayIcon icon) { (void)icon_.SetIconResource(TrayIconResource(icon)); }

bool TrayPanel::OnCommand(int id, int /*code*/, HWND /*control*/) {
  switch (id) {
    case ID_TRAY_OPEN:
      actions_.open();
      return true;
    case ID_TRAY_EXIT:
      actions_.exit();
      return true;
    default:
      return false;
  }
}

}  // namespace mv::ui
