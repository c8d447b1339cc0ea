// The 16-byte per-key assignment record, as held in the key area and in profile files.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>

#include "app/language.h"
#include "keys/key_codes.h"

namespace mv::keys {

enum class AssignmentType : std::uint16_t {
  Default = 0,
  Disabled = 1,
  Key = 2,
  LaunchProgram = 3,
  PlayMacro = 4,
  StopMacro = 5,
  TextBlock = 6,
  Media = 7,
  Function = 8,
};

// Record numbers within one profile block of 512 records.
inline constexpr int kRecordsPerProfile = 512;
inline constexpr int kFirstGKeyRecord = 256;     // G1..G9 on the normal layer: 256..264
inline constexpr int kFirstFnGKeyRecord = 265;   // G1..G9 on the Fn layer: 265..273
inline constexpr int kGKeyCount = 9;
inline constexpr int kLastAssignableRecord = 273;

// G key j's (0..8) record on a layer.
constexpr int GKeyRecord(int gKey, bool fnLayer) { return (fnLayer ? kFirstFnGKeyRecord : kFirstGKeyRecord) + gKey; }

// aux of records 256..273: G-key codes.
std::uint16_t GKeyCode(int gKey /*0..8*/, bool fnLayer);
// The G-key code that belongs in aux of a record number, 0 outside records 256..273.
std::uint16_t GKeyCodeOfRecord(int record);

// Explicit little-endian layout: type u16, aux u16, value u32, mark u32, reserved u32.
struct KeyAssignment {
  static constexpr std::size_t kSize = 16;

  std::uint16_t type = 0;
  std::uint16_t aux = 0;
  std::uint32_t value = 0;
  std::uint32_t mark = 0;
  std::uint32_t reserved = 0;

  static KeyAssignment Read(std::span<const std::uint8_t, kSize> bytes);
  void Write(std::span<std::uint8_t, kSize> bytes) const;

  AssignmentType Type() const { return static_cast<AssignmentType>(type); }
  friend bool operator==(const KeyAssignment&, const KeyAssignment&) = default;
};

// What a cleared key's record holds: nothing assigned, but a G key keeps its code, which the
// keyboard needs to tell its G keys apart.
KeyAssignment ClearedRecord(int record);

inline bool IsAssigned(const KeyAssignment& record) { return record.type != 0; }

// What a key button shows for its record: the tooltip text and the assigned indicator.
struct AssignmentText {
  std::u16string text;
  bool assigned = false;
};

// Name of the macro with a given ID in the working macro table, or empty (absent table, no match).
using MacroNameLookup = std::function<std::u16string(std::uint16_t macroId)>;

AssignmentText DescribeKeyAssignment(KeyCode key, const KeyAssignment& record, const LanguageTable& texts,
                                     const MacroNameLookup& macroName);
AssignmentText DescribeGKeyAssignment(int gKey /*0..8*/, const KeyAssignment& record, const LanguageTable& texts,
                                      const MacroNameLookup& macroName);

}  // namespace mv::keys
