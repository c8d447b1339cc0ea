// The fixed 16512-byte macro record and its 8-byte actions, held in memory exactly as they are
// written to profile files.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "keys/key_codes.h"

namespace mv::store {

inline constexpr int kMaxMacros = 100;
inline constexpr int kMaxMacroActions = 2000;
inline constexpr int kMacroNameUnits = 250;  // terminator included
inline constexpr std::uint32_t kMaxHandDelayMs = 40000;

struct MacroAction {
  static constexpr std::size_t kSize = 8;
  static constexpr std::uint16_t kDown = 0;
  static constexpr std::uint16_t kUp = 1;

  std::uint32_t delayMs = 0;  // the wait after this action, before the next
  keys::KeyCode keyCode = 0;
  std::uint16_t state = kDown;

  static MacroAction Read(std::span<const std::uint8_t, kSize> bytes);
  void Write(std::span<std::uint8_t, kSize> bytes) const;
  friend bool operator==(const MacroAction&, const MacroAction&) = default;
};

// name u16[250] @0, cycles u8 @500, reserved u8 @501, isNew u16 @502, playMode u16 @504,
// macroId u16 @506, actionCount u16 @508, reserved u16 @510, actions[2000] @512.
class MacroRecord {
 public:
  static constexpr std::size_t kSize = 16512;
  static constexpr std::size_t kCyclesOffset = 500;
  static constexpr std::size_t kIsNewOffset = 502;
  static constexpr std::size_t kPlayModeOffset = 504;
  static constexpr std::size_t kMacroIdOffset = 506;
  static constexpr std::size_t kActionCountOffset = 508;
  static constexpr std::size_t kActionsOffset = 512;

  std::span<std::uint8_t, kSize> Bytes() { return bytes_; }
  std::span<const std::uint8_t, kSize> Bytes() const { return bytes_; }

  // Up to the first NUL (or all 250 units of a record read from outside without one).
  std::u16string Name() const;
  // Cut to 249 units, the rest of the field zeroed.
  void SetName(std::u16string_view name);

  std::uint8_t Cycles() const { return bytes_[kCyclesOffset]; }
  void SetCycles(std::uint8_t cycles) { bytes_[kCyclesOffset] = cycles; }
  std::uint16_t IsNew() const { return U16(kIsNewOffset); }
  void SetIsNew(std::uint16_t v) { SetU16(kIsNewOffset, v); }
  std::uint16_t PlayMode() const { return U16(kPlayModeOffset); }
  std::uint16_t MacroId() const { return U16(kMacroIdOffset); }
  void SetMacroId(std::uint16_t v) { SetU16(kMacroIdOffset, v); }
  // The stored count; records from files may claim more than 2000.
  std::uint16_t ActionCount() const { return U16(kActionCountOffset); }
  void SetActionCount(std::uint16_t v) { SetU16(kActionCountOffset, v); }
  // The count that is safe to iterate: never above the 2000 slots the record has.
  int UsableActionCount() const;

  MacroAction Action(int index) const;  // index 0..1999
  void SetAction(int index, const MacroAction& action);
  // Adds at actionCount; false when the record is full.
  bool AppendAction(const MacroAction& action);

  friend bool operator==(const MacroRecord&, const MacroRecord&) = default;

 private:
  std::uint16_t U16(std::size_t offset) const;
  void SetU16(std::size_t offset, std::uint16_t value);

  std::array<std::uint8_t, kSize> bytes_{};
};
static_assert(sizeof(MacroRecord) == MacroRecord::kSize);
static_assert(MacroRecord::kActionsOffset + kMaxMacroActions * MacroAction::kSize == MacroRecord::kSize);

}  // namespace mv::store
