// Key-map entries and images: the factory layout, encoding a profile block for the keyboard and
// decoding the keyboard's image back into a block.
#include "store/key_map.h"

#include <algorithm>

#include "device/factory_layout.h"
#include "store/macro_model.h"

namespace mv::store {

namespace {
using keys::AssignmentType;

constexpr KeyMapEntry kNothing{0, 0, 0};
constexpr std::uint8_t kClassKeyboard = 2, kClassConsumer = 3, kClassMouse = 4, kClassDevice = 5;
constexpr std::uint8_t kKeyboardModifier = 1, kKeyboardUsage = 2;
constexpr std::uint8_t kDevicePlayMacro = 1, kDeviceStopMacro = 2, kDeviceFunction = 5;

KeyMapEntry EncodeKeyTarget(keys::KeyCode target) {
  if (const std::uint8_t bit = keys::ModifierBitOfKey(target)) return {kClassKeyboard, kKeyboardModifier, bit};
  const keys::HidUsage usage = keys::KeyToHidUsage(target);
  const std::uint8_t code = usage.page == 0x07 ? static_cast<std::uint8_t>(usage.usage) : 0;
  return {kClassKeyboard, kKeyboardUsage, code};
}

KeyMapEntry EncodeMedia(std::uint32_t mediaNumber) {
  const std::uint16_t usage = mediaNumber < keys::kMediaKeyCount ? keys::MediaConsumerUsage(static_cast<int>(mediaNumber)) : 0;
  return {kClassConsumer, static_cast<std::uint8_t>(usage), static_cast<std::uint8_t>(usage >> 8)};
}

// The media number of a consumer usage, or -1.
int MediaNumberOf(std::uint16_t usage) {
  for (int i = 0; i < keys::kMediaKeyCount; ++i)
    if (keys::MediaConsumerUsage(i) == usage) return i;
  return -1;
}

// A decoded record for an image entry that differs from the template (disabled when unknown).
keys::KeyAssignment DecodeEntry(const KeyMapEntry& e) {
  keys::KeyAssignment r;
  r.type = static_cast<std::uint16_t>(AssignmentType::Disabled);
  auto set = [&r](AssignmentType type, std::uint32_t value) {
    r.type = static_cast<std::uint16_t>(type);
    r.value = value;
  };
  if (e.entryClass == kClassDevice) {
    if (e.b1 == kDevicePlayMacro) set(AssignmentType::PlayMacro, e.b2 + 1u);
    else if (e.b1 == kDeviceStopMacro) set(AssignmentType::StopMacro, 0);
    else if (e.b1 == kDeviceFunction) set(AssignmentType::Function, e.b2);
  } else if (e.entryClass == kClassConsumer) {
    const int media = MediaNumberOf(static_cast<std::uint16_t>(e.b1 | (e.b2 << 8)));
    if (media >= 0) set(AssignmentType::Media, static_cast<std::uint32_t>(media));
  } else if (e.entryClass == kClassKeyboard && e.b1 == kKeyboardUsage) {
    if (const keys::KeyCode code = keys::HidUsageToKey({0x07, e.b2})) set(AssignmentType::Key, code);
  } else if (e.entryClass == kClassKeyboard && e.b1 == kKeyboardModifier) {
    // No bit at all names no key; that stays disabled rather than becoming a Key of code 0.
    if (const keys::KeyCode code = keys::ModifierKeyOfBit(e.b2)) set(AssignmentType::Key, code);
  }
  return r;
}
}  // namespace

KeyMapEntry KeyMapImage::Entry(int position) const {
  const auto at = static_cast<std::size_t>(position) * 3;
  return {bytes_[at], bytes_[at + 1], bytes_[at + 2]};
}

void KeyMapImage::SetEntry(int position, const KeyMapEntry& entry) {
  const auto at = static_cast<std::size_t>(position) * 3;
  bytes_[at] = entry.entryClass;
  bytes_[at + 1] = entry.b1;
  bytes_[at + 2] = entry.b2;
}

KeyMapImage KeyMapImage::FromBytes(std::span<const std::uint8_t, kKeyMapImageSize> bytes) {
  KeyMapImage image;
  std::copy(bytes.begin(), bytes.end(), image.bytes_.begin());
  return image;
}

const KeyMapImage& BuiltInLayout() {
  static const KeyMapImage layout = KeyMapImage::FromBytes(device::kFactoryLayout);
  return layout;
}

keys::KeyCode EntryKeyCode(const KeyMapEntry& e) {
  const auto wide = static_cast<std::uint16_t>(e.b1 | (e.b2 << 8));
  switch (e.entryClass) {
    case kClassKeyboard:
      return e.b1 == kKeyboardUsage ? keys::HidUsageToKey({0x07, e.b2}) : keys::ModifierKeyOfBit(e.b2);
    case kClassConsumer:
      return keys::HidUsageToKey({0x0C, wide});
    case kClassMouse:
      return keys::HidUsageToKey({0x01, wide});
    default:
      return 0;
  }
}

KeyMapEntry EncodeKeyEntry(const keys::KeyAssignment& record, const KeyMapEntry& templateEntry,
                           const ConfigStore& working) {
  switch (record.Type()) {
    case AssignmentType::Disabled:
    case AssignmentType::TextBlock:
      return kNothing;
    case AssignmentType::Key:
      return EncodeKeyTarget(static_cast<keys::KeyCode>(record.value));
    case AssignmentType::PlayMacro:
      return {kClassDevice, kDevicePlayMacro, static_cast<std::uint8_t>(FindMacroPosition(working, record.value))};
    case AssignmentType::StopMacro:
      return {kClassDevice, kDeviceStopMacro, 0};
    case AssignmentType::Media:
      return EncodeMedia(record.value);
    case AssignmentType::Function:
      return {kClassDevice, kDeviceFunction, static_cast<std::uint8_t>(record.value)};
    case AssignmentType::Default:
    case AssignmentType::LaunchProgram:
    default:
      return templateEntry;
  }
}

KeyMapImage BuildKeyMapImage(const ConfigStores& stores, const KeyMapImage& layoutTemplate, int profile) {
  KeyMapImage image = layoutTemplate;
  auto guard = stores.applied.Lock();
  if (!stores.applied.mainBlock || profile < 0 || profile >= kProfileBlockCount) return image;
  for (int position = 0; position < kKeyPositions; ++position) {
    const KeyMapEntry templateEntry = layoutTemplate.Entry(position);
    const keys::KeyCode code = EntryKeyCode(templateEntry);
    if (code == 0) continue;
    const auto record = stores.applied.mainBlock->Record(MainBlock::RecordNumber(profile, keys::KeyIndexOf(code)));
    image.SetEntry(position, EncodeKeyEntry(record, templateEntry, stores.working));
  }
  return image;
}

void DecodeKeyMapImage(const KeyMapImage& image, const KeyMapImage& layoutTemplate, MainBlock& block,
                       int profileBlock) {
  ResetKeyBlock(block, profileBlock);
  for (int position = 0; position < kKeyPositions; ++position) {
    const KeyMapEntry entry = image.Entry(position);
    const KeyMapEntry templateEntry = layoutTemplate.Entry(position);
    if (entry == templateEntry) continue;
    const keys::KeyCode code = EntryKeyCode(templateEntry);
    if (code == 0) continue;
    block.SetRecord(MainBlock::RecordNumber(profileBlock, keys::KeyIndexOf(code)), DecodeEntry(entry));
  }
}

}  // namespace mv::store
