// The main window's profile panel: the three profile buttons showing which profile the keyboard
// holds as current, and the profile-file button with its menu of the profile files.
#pragma once

#include <windows.h>

#include <array>
#include <functional>

#include "app/language.h"
#include "profiles/profile_file.h"
#include "ui/framework/panel.h"
#include "ui/framework/user_handle.h"
#include "ui/skin/png_button.h"

namespace mv::ui {

class ProfilePanel : public Panel {
 public:
  struct Context {
    const LanguageTable& texts;
    const profiles::ProfileLocation& location;
    std::function<int()> cachedProfile;  // the keyboard's current profile, -1 when unknown
  };

  explicit ProfilePanel(Context context) : context_(std::move(context)) {}

  // Attaches the buttons; the window's description places them (ButtonOf hands them over).
  void AttachButtons(HWND dialog);
  CPngButton* ButtonOf(int controlId);

  // Selects the button of the current profile.
  void ShowCurrentProfile();
  // Fills the profile menu anew (a new menu when create) and the profile-file button's text.
  void RebuildProfileMenu(bool create);

 private:
  Context context_;
  std::array<CPngButton, 3> profileButtons_;
  CPngButton fileButton_;
  UniqueMenu menu_;
};

}  // namespace mv::ui
