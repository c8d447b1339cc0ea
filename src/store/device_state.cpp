// The keyboard facts kept between detections.
#include "store/device_state.h"

#include <array>

namespace mv::store {

namespace {
constexpr std::size_t kActiveProfileByte = 10;
constexpr std::size_t kMacroUnitBytes = 128;
}  // namespace

KeyMapImage DeviceState::LayoutTemplate() const {
  std::lock_guard guard(templateLock_);
  return template_;
}

void DeviceState::SetLayoutTemplate(const KeyMapImage& image) {
  std::lock_guard guard(templateLock_);
  template_ = image;
}

void DeviceState::SetMacroCapacity(std::uint8_t units) {
  macroSpace_.store(std::size_t{units} * kMacroUnitBytes);
  detected_.store(true);
}

int CurrentProfileIndex(DeviceState& state, device::DeviceCommands& commands) {
  if (const int cached = state.CachedProfile(); cached != -1) return cached;
  std::array<std::uint8_t, device::kSettingsBlockSize> block{};
  if (commands.ReadSettingsBlock(block) != device::kOk) return -1;
  state.SetCachedProfile(block[kActiveProfileByte]);
  return block[kActiveProfileByte];
}

}  // namespace mv::store
