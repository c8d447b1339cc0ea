// The 16-byte key assignment record: its byte layout, the G-key codes, and the text a key button
// shows for an assignment.
#include "keys/key_assignment.h"

#include <utility>

#include "keys/key_text.h"

namespace mv::keys {

namespace {

constexpr std::uint16_t kFirstGKeyCode = 0x301;
constexpr std::uint16_t kFirstFnGKeyCode = 0x1301;

std::uint16_t ReadU16(std::span<const std::uint8_t, KeyAssignment::kSize> b, std::size_t at) {
  return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}

std::uint32_t ReadU32(std::span<const std::uint8_t, KeyAssignment::kSize> b, std::size_t at) {
  return static_cast<std::uint32_t>(b[at]) | static_cast<std::uint32_t>(b[at + 1]) << 8 |
         static_cast<std::uint32_t>(b[at + 2]) << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}

void WriteU16(std::span<std::uint8_t, KeyAssignment::kSize> b, std::size_t at, std::uint16_t v) {
  b[at] = static_cast<std::uint8_t>(v);
  b[at + 1] = static_cast<std::uint8_t>(v >> 8);
}

void WriteU32(std::span<std::uint8_t, KeyAssignment::kSize> b, std::size_t at, std::uint32_t v) {
  for (std::size_t i = 0; i < 4; ++i) b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

// Field offsets of the record.
constexpr std::size_t kTypeAt = 0;
constexpr std::size_t kAuxAt = 2;
constexpr std::size_t kValueAt = 4;
constexpr std::size_t kMarkAt = 8;
constexpr std::size_t kReservedAt = 12;
static_assert(kReservedAt + 4 == KeyAssignment::kSize);

// Media and function indices come from files too: anything out of range names nothing.
std::u16string MediaName(std::uint32_t index, const LanguageTable& texts) {
  return index < static_cast<std::uint32_t>(kMediaKeyCount) ? MediaKeyName(static_cast<int>(index), texts)
                                                             : std::u16string();
}

std::u16string FunctionName(std::uint32_t index, const LanguageTable& texts) {
  return index < static_cast<std::uint32_t>(kFunctionKeyCount) ? FunctionKeyName(static_cast<int>(index), texts)
                                                                : std::u16string();
}

std::u16string MacroName(std::uint32_t value, const MacroNameLookup& macroName) {
  return macroName ? macroName(static_cast<std::uint16_t>(value & 0xFFFF)) : std::u16string();
}

// What follows the "set" prompt for each type; empty for the types that show nothing more.
std::u16string AssignmentTarget(const KeyAssignment& record, const LanguageTable& texts,
                                const MacroNameLookup& macroName) {
  auto wrapped = [&texts](TextId prompt, const std::u16string& name) {
    return std::u16string(texts.Text(prompt)) + name + u")";
  };
  switch (record.Type()) {
    case AssignmentType::Key:
      return wrapped(TextId::KEY_PROMPT_SINGLE, KeyValueName(record.value, texts));
    case AssignmentType::PlayMacro:
      return wrapped(TextId::KEY_PROMPT_MACRO, MacroName(record.value, macroName));
    case AssignmentType::Media:
      return wrapped(TextId::KEY_PROMPT_MEDIA, MediaName(record.value, texts));
    case AssignmentType::Function:
      return wrapped(TextId::KEY_PROMPT_FUNCTION, FunctionName(record.value, texts));
    default:
      return {};
  }
}

AssignmentText Describe(std::u16string name, const KeyAssignment& record, const LanguageTable& texts,
                        const MacroNameLookup& macroName) {
  AssignmentText result;
  result.assigned = IsAssigned(record);
  result.text = std::move(name);
  if (result.assigned) {
    result.text += texts.Text(TextId::KEY_PROMPT_SET);
    result.text += AssignmentTarget(record, texts, macroName);
  }
  CutToCapacity(result.text, kKeyNameCapacity);
  return result;
}

}  // namespace

static_assert(KeyAssignment::kSize == 16);

std::uint16_t GKeyCode(int gKey, bool fnLayer) {
  if (gKey < 0 || gKey >= kGKeyCount) return 0;
  return static_cast<std::uint16_t>((fnLayer ? kFirstFnGKeyCode : kFirstGKeyCode) + gKey);
}

std::uint16_t GKeyCodeOfRecord(int record) {
  if (record < kFirstGKeyRecord || record > kLastAssignableRecord) return 0;
  const bool fnLayer = record >= kFirstFnGKeyRecord;
  return GKeyCode(record - (fnLayer ? kFirstFnGKeyRecord : kFirstGKeyRecord), fnLayer);
}

KeyAssignment ClearedRecord(int record) {
  KeyAssignment cleared;
  cleared.aux = GKeyCodeOfRecord(record);
  return cleared;
}

KeyAssignment KeyAssignment::Read(std::span<const std::uint8_t, kSize> bytes) {
  KeyAssignment r;
  r.type = ReadU16(bytes, kTypeAt);
  r.aux = ReadU16(bytes, kAuxAt);
  r.value = ReadU32(bytes, kValueAt);
  r.mark = ReadU32(bytes, kMarkAt);
  r.reserved = ReadU32(bytes, kReservedAt);
  return r;
}

void KeyAssignment::Write(std::span<std::uint8_t, kSize> bytes) const {
  WriteU16(bytes, kTypeAt, type);
  WriteU16(bytes, kAuxAt, aux);
  WriteU32(bytes, kValueAt, value);
  WriteU32(bytes, kMarkAt, mark);
  WriteU32(bytes, kReservedAt, reserved);
}

AssignmentText DescribeKeyAssignment(KeyCode key, const KeyAssignment& record, const LanguageTable& texts,
                                     const MacroNameLookup& macroName) {
  return Describe(KeyName(key, texts), record, texts, macroName);
}

AssignmentText DescribeGKeyAssignment(int gKey, const KeyAssignment& record, const LanguageTable& texts,
                                      const MacroNameLookup& macroName) {
  // G1..G9 alike on both layers. (Appending rather than u"G" + text: GCC 12 gives a false
  // -Wrestrict for that form at -O2.)
  std::u16string name = u"G";
  name += DecimalText(static_cast<long long>(gKey) + 1);
  return Describe(name, record, texts, macroName);
}

}  // namespace mv::keys
