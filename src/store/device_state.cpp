// The keyboard facts kept between detections.
#include "store/device_state.h"

#include "device/settings_block.h"

namespace mv::store {

KeyMapImage DeviceState::LayoutTemplate() const {
  std::lock_guard guard(templateLock_);
  return template_;
}

void DeviceState::SetLayoutTemplate(const KeyMapImage& image) {
  std::lock_guard guard(templateLock_);
  template_ = image;
}

void DeviceState::SetMacroCapacity(std::uint8_t units) {
  macroSpace_.store(std::size_t{units} * device::kMacroUnitBytes);
  detected_.store(true);
}

int CurrentProfileIndex(DeviceState& state, device::DeviceCommands& commands) {
  if (const int cached = state.CachedProfile(); cached != -1) return cached;
  device::SettingsBlock block;
  if (commands.ReadSettingsBlock(block.Bytes()) != device::kOk) return -1;
  const int profile = block.ActiveProfile();
  // A byte naming no profile counts as no answer: nothing may index with it, and it is read again.
  if (profile >= 0) state.SetCachedProfile(profile);
  return profile;
}

}  // namespace mv::store
