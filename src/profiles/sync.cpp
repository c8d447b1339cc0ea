// Keeping the working store in step with the keyboard; see sync.h.
#include "profiles/sync.h"

#include <array>

#include "device/settings_block.h"
#include "platform/files.h"
#include "store/key_map.h"

namespace mv::profiles {

namespace {
store::DownloadContext DownloadOf(SyncContext& c) {
  return store::DownloadContext{c.stores, c.device, c.commands, c.prompter, c.texts, c.downloadPlanned};
}

// Installs a default main block, no macros, no texts. 1, or -1 when memory is short.
int InstallDefaultStore(store::ConfigStore& working) {
  working.mainBlock = store::CreateDefaultMainBlock();
  return working.mainBlock ? 0 : -1;
}
}  // namespace

int SetDeviceProfile(device::DeviceCommands& commands, store::DeviceState& device, int index) {
  if (index < 0 || index >= kProfileCount) return 0;
  device::SettingsBlock block;
  if (commands.ReadSettingsBlock(block.Bytes()) != device::kOk) return 0;
  block.SetActiveProfile(static_cast<std::uint8_t>(index));
  const int written = commands.WriteSettingsBlock(block.Bytes());
  if (written == device::kOk) {
    device.SetCachedProfile(index);
  } else {
    device.ForgetProfile();
  }
  return written;
}

int SyncFromKeyboard(SyncContext& c) {
  const std::u16string path = ProfileFilePath(0, c.location);  // makes sure the folder exists
  const int profile = store::CurrentProfileIndex(c.device, c.commands);
  const bool readBack = profile >= 0 && store::ReadBackToFile(c.device, c.commands, c.texts, path) == 1;
  auto guard = c.stores.working.Lock();
  c.stores.working.FreeAll();
  int result = 0;
  if (readBack && LoadProfileFile(c.stores.working, path) == 1) {
    result = 1;
  } else {
    // A file that no longer loads leaves the store empty: never leave the editors without a block.
    c.stores.working.FreeAll();
    result = InstallDefaultStore(c.stores.working);
  }
  c.device.SetConfigurationRead(result == 1);
  if (c.refreshKeyButtons) c.refreshKeyButtons();
  return result;
}

bool ReadDefaultKeyBlockInto(device::DeviceCommands& commands, store::DeviceState& device) {
  std::array<std::uint8_t, device::kKeyBlockSize> block{};
  if (commands.ReadDefaultKeyBlock(block) != device::kOk) return false;
  device.SetLayoutTemplate(store::KeyMapImage::FromBytes(block));
  return true;
}

bool ReadMacroCapacityInto(device::DeviceCommands& commands, store::DeviceState& device) {
  device::SettingsBlock block;
  if (commands.ReadSettingsBlock(block.Bytes()) != device::kOk) return false;
  device.SetMacroCapacity(block.MacroCapacity());
  return true;
}

ProfileMenuModel BuildProfileMenu(int currentProfile, const LanguageTable& texts, const ProfileLocation& location) {
  ProfileMenuModel menu;
  menu.items.push_back({kProfileMenuDefault, std::u16string(texts.Text(TextId::DEFAULT_PROFILE_NAME))});
  menu.items.push_back({0, {}});
  for (int i = 0; i < kProfileCount; ++i)
    menu.items.push_back({kProfileMenuDefault + 1 + i, platform::FileNameOf(ProfileFilePath(i, location))});
  menu.checkedPosition = currentProfile >= 0 && currentProfile < kProfileCount ? currentProfile + 2 : 0;
  menu.buttonText = menu.items[static_cast<std::size_t>(menu.checkedPosition)].text;
  menu.buttonTooltip = std::u16string(texts.Text(TextId::PROFILE_TIP)) + menu.buttonText;
  return menu;
}

int ApplyCurrentProfile(SyncContext& c) {
  if (!c.device.ConfigurationRead()) {
    // The working store holds defaults: saving or sending it would put them in place of what the
    // user has.
    c.prompter.Tell(c.texts.Text(c.device.KeyboardDetected() ? TextId::MAIN_KEYBOARD_NOT_READ_PROMPT
                                                              : TextId::MAIN_NO_DEVICE_PROMPT));
    return 0;
  }
  auto guard = c.stores.working.Lock();
  const int saved = SaveCurrentProfile(c.stores.working, false, c.location);
  store::DownloadContext download = DownloadOf(c);
  const int applied = store::ApplyWorkingStore(download, false);
  return saved == 1 && applied == 1 ? 1 : 0;
}

}  // namespace mv::profiles
