// Key-map images: the 3-byte entry per key position that the keyboard holds for each profile, the
// factory layout that gives each position its key, and the translation from and to the store.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "keys/key_assignment.h"
#include "keys/key_codes.h"
#include "store/config_store.h"

namespace mv::store {

inline constexpr int kKeyPositions = 119;
inline constexpr std::size_t kKeyMapImageSize = kKeyPositions * 3;
static_assert(kKeyMapImageSize == 357);

struct KeyMapEntry {
  std::uint8_t entryClass = 0;
  std::uint8_t b1 = 0;
  std::uint8_t b2 = 0;
  friend bool operator==(const KeyMapEntry&, const KeyMapEntry&) = default;
};

// 119 entries of three bytes, as the keyboard reads and writes them.
class KeyMapImage {
 public:
  KeyMapEntry Entry(int position) const;
  void SetEntry(int position, const KeyMapEntry& entry);
  std::span<std::uint8_t, kKeyMapImageSize> Bytes() { return bytes_; }
  std::span<const std::uint8_t, kKeyMapImageSize> Bytes() const { return bytes_; }
  static KeyMapImage FromBytes(std::span<const std::uint8_t, kKeyMapImageSize> bytes);
  friend bool operator==(const KeyMapImage&, const KeyMapImage&) = default;

 private:
  std::array<std::uint8_t, kKeyMapImageSize> bytes_{};
};
static_assert(sizeof(KeyMapImage) == kKeyMapImageSize);

// The factory layout built into the program, used until a keyboard reports its own.
const KeyMapImage& BuiltInLayout();

// The key code a position holds; 0 when the entry names no key.
keys::KeyCode EntryKeyCode(const KeyMapEntry& entry);


// The entry one assignment puts at a position whose factory entry is templateEntry.
// Macro keys send the position of their macro ID in the working table.
KeyMapEntry EncodeKeyEntry(const keys::KeyAssignment& record, const KeyMapEntry& templateEntry,
                           const ConfigStore& working);

// The image of one profile block of the applied store (taken under its lock); macro positions come
// from the working table.
KeyMapImage BuildKeyMapImage(const ConfigStores& stores, const KeyMapImage& layoutTemplate, int profile);

// Resets one profile block of block and fills it from image.
void DecodeKeyMapImage(const KeyMapImage& image, const KeyMapImage& layoutTemplate, MainBlock& block,
                       int profileBlock);

}  // namespace mv::store
