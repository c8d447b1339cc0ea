// Keeping the working store in step with the keyboard: the rebuild on arrival (read back into the
// profile file, reload), making a profile active, the profile menu's contents and the core of the
// Apply command. The main window calls these on its user-interface thread.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "app/language.h"
#include "device/commands.h"
#include "device/settings_block.h"
#include "profiles/profile_file.h"
#include "store/config_store.h"
#include "store/device_state.h"
#include "store/download.h"
#include "store/prompter.h"

namespace mv::profiles {

inline constexpr int kProfileCount = device::kProfileCount;

// Everything the profile commands reach; the main window owns all of it.
struct SyncContext {
  store::ConfigStores& stores;
  store::DeviceState& device;
  device::DeviceCommands& commands;
  store::Prompter& prompter;
  const LanguageTable& texts;
  const ProfileLocation& location;
  // Redraws the key buttons from the working store; called with the working lock held.
  std::function<void()> refreshKeyButtons;
  // Apply's download tells how many reports it will write (DownloadContext::planned).
  std::function<void(int reports)> downloadPlanned = {};
};

// Makes a profile active on the keyboard (the settings block's active profile). Outside 0..2: nothing.
// 1 when written (the cache then holds index), 0 when the read failed (nothing changed), or the
// write's failure (the cache is then emptied).
int SetDeviceProfile(device::DeviceCommands& commands, store::DeviceState& device, int index);

// Rebuilds the profile file and the working store from the keyboard. 1 when the store was loaded
// from the keyboard's images, 0 when it holds a default main block instead (no profile, a failed
// read-back or load), -1 when even that could not be made. The caller disables Apply unless it
// keeps it.
int SyncFromKeyboard(SyncContext& context);

// The keyboard's arrival reads, kept in the device state: the default key block as the layout
// template, and the macro capacity from the settings block. true on success.
bool ReadDefaultKeyBlockInto(device::DeviceCommands& commands, store::DeviceState& device);
bool ReadMacroCapacityInto(device::DeviceCommands& commands, store::DeviceState& device);

// The profile menu: 9000 "<Default Profile>", a separator, 9001..9003 for the profiles.
inline constexpr int kProfileMenuDefault = 9000;
struct ProfileMenuItem {
  int command = 0;  // 0 for the separator
  std::u16string text;
};
struct ProfileMenuModel {
  std::vector<ProfileMenuItem> items;
  int checkedPosition = 0;
  std::u16string buttonText;     // the profile manager button's caption: the checked item
  std::u16string buttonTooltip;  // PROFILE_TIP followed by that text
};
ProfileMenuModel BuildProfileMenu(int currentProfile, const LanguageTable& texts, const ProfileLocation& location);

// The profile button (0..2) to show as selected for a profile index; -1 selects none.
inline int SelectedProfileButton(int currentProfile) {
  return currentProfile >= 0 && currentProfile < kProfileCount ? currentProfile : -1;
}

// Apply's work while the Apply button is enabled: under the working lock, save the profile file
// and download the current profile. 1 when both succeeded (the caller then disables Apply).
[[nodiscard]] int ApplyCurrentProfile(SyncContext& context);

}  // namespace mv::profiles
