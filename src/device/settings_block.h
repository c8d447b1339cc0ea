// The keyboard's 44-byte settings block, the one definition its readers and writers share: the
// store, the profile switch, the lighting panel and the simulated keyboard.
//   0-9   kept as read (only the firmware interprets them)
//   10    activeProfile: the on-board profile in use, 0..2
//   11    macroCapacity: size of the macro area in units of 128 bytes
//   12-43 EffectList: effect codes in slot order, 0 for an empty slot
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "device/commands.h"

namespace mv::device {

// The keyboard's on-board profiles (and key banks, and lighting records).
inline constexpr int kProfileCount = 3;
static_assert(kProfileCount == kKeyBankCount);
inline constexpr std::size_t kMacroUnitBytes = 128;
inline constexpr std::size_t kEffectListSize = 32;

class SettingsBlock {
 public:
  static constexpr std::size_t kActiveProfileOffset = 10;
  static constexpr std::size_t kMacroCapacityOffset = 11;
  static constexpr std::size_t kEffectListOffset = 12;
  using Array = std::array<std::uint8_t, kSettingsBlockSize>;

  SettingsBlock() = default;
  explicit SettingsBlock(const Array& bytes) : bytes_(bytes) {}

  std::span<std::uint8_t, kSettingsBlockSize> Bytes() { return bytes_; }
  std::span<const std::uint8_t, kSettingsBlockSize> Bytes() const { return bytes_; }

  // The active profile 0..2, or -1 when the byte holds anything else: the byte comes from the
  // keyboard and must never become an index out of range.
  int ActiveProfile() const {
    const int profile = bytes_[kActiveProfileOffset];
    return profile < kProfileCount ? profile : -1;
  }
  // Stored as given: the keyboard's side keeps whatever byte it is sent.
  void SetActiveProfile(std::uint8_t profile) { bytes_[kActiveProfileOffset] = profile; }

  std::uint8_t MacroCapacity() const { return bytes_[kMacroCapacityOffset]; }
  void SetMacroCapacity(std::uint8_t units) { bytes_[kMacroCapacityOffset] = units; }
  // Bytes of macro area; no byte value can make it larger than the largest area.
  std::size_t MacroSpace() const { return std::size_t{MacroCapacity()} * kMacroUnitBytes; }

  std::array<std::uint8_t, kEffectListSize> EffectList() const {
    std::array<std::uint8_t, kEffectListSize> list{};
    std::copy_n(bytes_.begin() + kEffectListOffset, kEffectListSize, list.begin());
    return list;
  }
  // The given codes from slot 0, the remaining slots emptied; codes past the last slot are dropped.
  void SetEffectList(std::span<const std::uint8_t> codes) {
    const std::size_t n = std::min(codes.size(), kEffectListSize);
    std::fill_n(bytes_.begin() + kEffectListOffset, kEffectListSize, std::uint8_t{0});
    std::copy_n(codes.begin(), n, bytes_.begin() + kEffectListOffset);
  }

  friend bool operator==(const SettingsBlock&, const SettingsBlock&) = default;

 private:
  Array bytes_{};
};
static_assert(sizeof(SettingsBlock) == kSettingsBlockSize);
static_assert(SettingsBlock::kEffectListOffset + kEffectListSize == kSettingsBlockSize);
static_assert(255 * kMacroUnitBytes == kMaxMacroAreaSize);

}  // namespace mv::device
