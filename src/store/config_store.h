// The in-memory configuration: the main block (header, device info, four profile blocks of key
// assignments), the macro table and the texts, in a working copy that the editors change and an
// applied copy taken at Apply. Each copy guards itself with a re-entrant lock; take the working
// lock before the applied one.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "device/settings_block.h"
#include "keys/key_assignment.h"
#include "store/macro_record.h"

namespace mv::store {

inline constexpr std::size_t kProfileHeaderSize = 32;
inline constexpr std::size_t kDeviceInfoOffset = 32;
inline constexpr std::size_t kDeviceInfoSize = 32;
inline constexpr std::size_t kKeyAreaOffset = 64;
inline constexpr int kSlotCount = 2048;
inline constexpr int kProfileBlockCount = 4;
inline constexpr int kDeviceProfileCount = device::kProfileCount;
inline constexpr std::size_t kProfileBlockBytes = keys::kRecordsPerProfile * keys::KeyAssignment::kSize;

inline constexpr std::uint16_t kProfileMagic = 0x4446;
inline constexpr std::uint16_t kProfileVersion = 3;
inline constexpr std::uint16_t kProfileSubVersion = 1;

// Written whenever a main block is created; nothing reads it.
extern const std::array<std::uint8_t, kDeviceInfoSize> kDeviceInfoBlock;

// The 32-byte header, decoded. Offsets: magic 0, headerSize 2, version 4, subVersion 6,
// totalSize 8, slotCount 12, macroCount 14, textAreaSize 16, reserved 20..29, flag 30, checksum 31.
struct ProfileHeader {
  std::uint16_t magic = 0;
  std::uint16_t headerSize = 0;
  std::uint16_t version = 0;
  std::uint16_t subVersion = 0;
  std::uint32_t totalSize = 0;
  std::uint16_t slotCount = 0;
  std::uint16_t macroCount = 0;
  std::uint32_t textAreaSize = 0;
  std::uint8_t flag = 0;
  std::uint8_t checksum = 0;

  static ProfileHeader Read(std::span<const std::uint8_t, kProfileHeaderSize> bytes);
};

// Sum of bytes 0..30 modulo 256.
std::uint8_t HeaderChecksum(std::span<const std::uint8_t, kProfileHeaderSize> bytes);
// 32832 + macros x 16512 + text area, in 64 bits so that no header can overflow it.
std::uint64_t ProfileTotalSize(std::uint32_t macroCount, std::uint64_t textAreaSize);
// Every field a well-formed file needs (the file's own length is not part of it).
bool IsWellFormedHeader(const ProfileHeader& header);

// 32832 bytes laid out as the start of a profile file.
class MainBlock {
 public:
  static constexpr std::size_t kSize = kKeyAreaOffset + kSlotCount * keys::KeyAssignment::kSize;

  std::span<std::uint8_t, kSize> Bytes() { return bytes_; }
  std::span<const std::uint8_t, kSize> Bytes() const { return bytes_; }
  std::span<std::uint8_t, kProfileHeaderSize> HeaderBytes() { return Bytes().first<kProfileHeaderSize>(); }
  std::span<const std::uint8_t, kProfileHeaderSize> HeaderBytes() const {
    return Bytes().first<kProfileHeaderSize>();
  }
  ProfileHeader Header() const { return ProfileHeader::Read(HeaderBytes()); }

  // Record number 0..2047: profile block s / 512, key index s % 512.
  keys::KeyAssignment Record(int recordNumber) const;
  void SetRecord(int recordNumber, const keys::KeyAssignment& record);
  static constexpr int RecordNumber(int profile, int keyIndex) { return profile * keys::kRecordsPerProfile + keyIndex; }

  friend bool operator==(const MainBlock&, const MainBlock&) = default;

 private:
  std::array<std::uint8_t, kSize> bytes_{};
};
static_assert(MainBlock::kSize == 32832);
static_assert(sizeof(MainBlock) == MainBlock::kSize);

// Fills all 32 header bytes; the checksum last.
void WriteProfileHeader(MainBlock& block, std::uint16_t macroCount, std::uint32_t textAreaSize, std::uint8_t flag);
void WriteDeviceInfoBlock(MainBlock& block);
// Records 256..273 of one block get the G-key codes in aux, every other field zero.
void ResetGKeyCodes(MainBlock& block, int profileBlock);
void ResetKeyBlock(MainBlock& block, int profileBlock);
// Header with no macros and no texts, the device info, every record zero, G keys of block 0.
// Null when memory is short.
std::unique_ptr<MainBlock> CreateDefaultMainBlock();

// One text of a type-3 or type-6 record; bytes counts the terminator, 0 = empty.
struct TextSlot {
  std::u16string text;
  std::uint32_t bytes = 0;
  bool Empty() const { return bytes == 0; }
};

class ConfigStore {
 public:
  using Guard = std::unique_lock<std::recursive_mutex>;
  [[nodiscard]] Guard Lock() const { return Guard(lock_); }

  // The macro table's size; at most 100.
  std::uint16_t MacroCount() const { return static_cast<std::uint16_t>(macros.size()); }

  // Working store: the 2048 empty slots. 1, or 0 when memory is short.
  [[nodiscard]] int AllocateSlots();
  void FreeTexts();
  void FreeMacros();
  void FreeMainBlock();
  void FreeAppliedTexts();
  // FreeTexts, FreeMacros, FreeMainBlock: what replacing the whole store starts with.
  void FreeAll();

  void ClearText(int slot);
  // 1, or 0 when the copy cannot be made (the slot is then empty).
  int SetText(int slot, std::u16string_view text);
  const TextSlot* Slot(int slot) const;

  // Record of a key of one profile block in the main block; a default record when there is none.
  keys::KeyAssignment RecordFor(int profile, int keyIndex) const;
  // false when there is no main block or the numbers are out of range.
  bool SetRecordFor(int profile, int keyIndex, const keys::KeyAssignment& record);

  std::unique_ptr<MainBlock> mainBlock;
  std::vector<MacroRecord> macros;
  std::vector<TextSlot> slots;             // working store only: 2048 once allocated
  std::vector<std::uint8_t> packedTexts;   // applied store only
  std::uint32_t textBytes = 0;

 private:
  mutable std::recursive_mutex lock_;
};

// The two copies the main window owns.
struct ConfigStores {
  ConfigStore working;
  ConfigStore applied;
};

// Copies the texts of type-3/6 records of block into area (zeroed first) in slot order and writes
// each one's offset into its record's value. Texts that do not fit are skipped.
void PackTexts(const ConfigStore& working, MainBlock& block, std::span<std::uint8_t> area);

// Apply's copy: frees the applied store, then takes over the working main block (header rewritten),
// macros and packed texts. Takes the applied lock; the caller holds the working lock.
// 1, or 0 when memory is short (the applied store is then left partly released).
[[nodiscard]] int CopyWorkingToApplied(ConfigStores& stores);

}  // namespace mv::store
