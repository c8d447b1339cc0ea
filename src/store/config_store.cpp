// The configuration store: main block layout, header, texts and the copy made at Apply.
#include "store/config_store.h"

#include <algorithm>
#include <new>

#include "store/byte_layout.h"

namespace mv::store {

const std::array<std::uint8_t, kDeviceInfoSize> kDeviceInfoBlock = {
    0x4B, 0x48, 0x20, 0x00, 0x20, 0x80, 0x00, 0x00, 0x04, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00, 0x00,
    0x45, 0x0C, 0x33, 0x65, 0x4F, 0x1C, 0x0E, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00};

namespace {
constexpr bool IsTextType(std::uint16_t type) {
  return type == static_cast<std::uint16_t>(keys::AssignmentType::LaunchProgram) ||
         type == static_cast<std::uint16_t>(keys::AssignmentType::TextBlock);
}

std::span<std::uint8_t, keys::KeyAssignment::kSize> RecordBytes(std::span<std::uint8_t> block, int s) {
  return block.subspan(kKeyAreaOffset + static_cast<std::size_t>(s) * keys::KeyAssignment::kSize)
      .first<keys::KeyAssignment::kSize>();
}
}  // namespace

ProfileHeader ProfileHeader::Read(std::span<const std::uint8_t, kProfileHeaderSize> b) {
  ProfileHeader h;
  h.magic = LoadU16(b, 0);
  h.headerSize = LoadU16(b, 2);
  h.version = LoadU16(b, 4);
  h.subVersion = LoadU16(b, 6);
  h.totalSize = LoadU32(b, 8);
  h.slotCount = LoadU16(b, 12);
  h.macroCount = LoadU16(b, 14);
  h.textAreaSize = LoadU32(b, 16);
  h.flag = b[30];
  h.checksum = b[31];
  return h;
}

std::uint8_t HeaderChecksum(std::span<const std::uint8_t, kProfileHeaderSize> bytes) {
  unsigned sum = 0;
  for (std::size_t i = 0; i < kProfileHeaderSize - 1; ++i) sum += bytes[i];
  return static_cast<std::uint8_t>(sum);
}

std::uint64_t ProfileTotalSize(std::uint32_t macroCount, std::uint64_t textAreaSize) {
  return MainBlock::kSize + std::uint64_t{macroCount} * MacroRecord::kSize + textAreaSize;
}

bool IsWellFormedHeader(const ProfileHeader& h) {
  return h.magic == kProfileMagic && h.headerSize == kProfileHeaderSize && h.version == kProfileVersion &&
         h.subVersion == kProfileSubVersion && h.totalSize >= MainBlock::kSize && h.slotCount == kSlotCount &&
         h.macroCount <= kMaxMacros && (h.flag == 0 || h.flag == 1) &&
         std::uint64_t{h.totalSize} == ProfileTotalSize(h.macroCount, h.textAreaSize);
}

keys::KeyAssignment MainBlock::Record(int s) const {
  return keys::KeyAssignment::Read(
      std::span<const std::uint8_t>(bytes_)
          .subspan(kKeyAreaOffset + static_cast<std::size_t>(s) * keys::KeyAssignment::kSize)
          .first<keys::KeyAssignment::kSize>());
}

void MainBlock::SetRecord(int s, const keys::KeyAssignment& record) { record.Write(RecordBytes(bytes_, s)); }

void WriteProfileHeader(MainBlock& block, std::uint16_t macroCount, std::uint32_t textAreaSize, std::uint8_t flag) {
  auto h = block.HeaderBytes();
  std::fill(h.begin(), h.end(), std::uint8_t{0});
  StoreU16(h, 0, kProfileMagic);
  StoreU16(h, 2, kProfileHeaderSize);
  StoreU16(h, 4, kProfileVersion);
  StoreU16(h, 6, kProfileSubVersion);
  StoreU32(h, 8, static_cast<std::uint32_t>(ProfileTotalSize(macroCount, textAreaSize)));
  StoreU16(h, 12, kSlotCount);
  StoreU16(h, 14, macroCount);
  StoreU32(h, 16, textAreaSize);
  h[30] = flag;
  h[31] = HeaderChecksum(h);
}

void WriteDeviceInfoBlock(MainBlock& block) {
  std::copy(kDeviceInfoBlock.begin(), kDeviceInfoBlock.end(), block.Bytes().begin() + kDeviceInfoOffset);
}

void ResetGKeyCodes(MainBlock& block, int profileBlock) {
  for (int g = 0; g < keys::kGKeyCount; ++g) {
    for (const bool fn : {false, true}) {
      const int key = keys::GKeyRecord(g, fn);
      block.SetRecord(MainBlock::RecordNumber(profileBlock, key), keys::ClearedRecord(key));
    }
  }
}

void ResetKeyBlock(MainBlock& block, int profileBlock) {
  auto area = block.Bytes().subspan(kKeyAreaOffset + static_cast<std::size_t>(profileBlock) * kProfileBlockBytes,
                                    kProfileBlockBytes);
  std::fill(area.begin(), area.end(), std::uint8_t{0});
  ResetGKeyCodes(block, profileBlock);
}

std::unique_ptr<MainBlock> CreateDefaultMainBlock() {
  std::unique_ptr<MainBlock> block(new (std::nothrow) MainBlock());
  if (!block) return nullptr;
  WriteProfileHeader(*block, 0, 0, 0);
  WriteDeviceInfoBlock(*block);
  ResetGKeyCodes(*block, 0);
  return block;
}

int ConfigStore::AllocateSlots() {
  auto guard = Lock();
  try {
    slots.assign(kSlotCount, TextSlot{});
  } catch (const std::bad_alloc&) {
    return 0;
  }
  textBytes = 0;
  return 1;
}

void ConfigStore::FreeTexts() {
  auto guard = Lock();
  for (auto& slot : slots) slot = TextSlot{};
  textBytes = 0;
}

void ConfigStore::FreeMacros() {
  auto guard = Lock();
  std::vector<MacroRecord>().swap(macros);
}

void ConfigStore::FreeMainBlock() {
  auto guard = Lock();
  mainBlock.reset();
}

void ConfigStore::FreeAppliedTexts() {
  auto guard = Lock();
  std::vector<std::uint8_t>().swap(packedTexts);
  textBytes = 0;
}

void ConfigStore::FreeAll() {
  auto guard = Lock();
  FreeTexts();
  FreeMacros();
  FreeMainBlock();
}

void ConfigStore::ClearText(int slot) {
  auto guard = Lock();
  if (slot < 0 || static_cast<std::size_t>(slot) >= slots.size() || slots[slot].Empty()) return;
  textBytes -= slots[slot].bytes;
  slots[slot] = TextSlot{};
}

int ConfigStore::SetText(int slot, std::u16string_view text) {
  auto guard = Lock();
  if (slot < 0 || static_cast<std::size_t>(slot) >= slots.size()) return 0;
  ClearText(slot);
  // A text with an embedded NUL ends there, as its terminated copy would.
  const auto units = std::min(text.find(u'\0'), text.size());
  try {
    slots[slot].text.assign(text.substr(0, units));
  } catch (const std::bad_alloc&) {
    slots[slot] = TextSlot{};
    return 0;
  }
  slots[slot].bytes = static_cast<std::uint32_t>((units + 1) * 2);
  textBytes += slots[slot].bytes;
  return 1;
}

const TextSlot* ConfigStore::Slot(int slot) const {
  if (slot < 0 || static_cast<std::size_t>(slot) >= slots.size()) return nullptr;
  return &slots[slot];
}

keys::KeyAssignment ConfigStore::RecordFor(int profile, int keyIndex) const {
  auto guard = Lock();
  if (!mainBlock || profile < 0 || profile >= kProfileBlockCount || keyIndex < 0 ||
      keyIndex >= keys::kRecordsPerProfile)
    return {};
  return mainBlock->Record(MainBlock::RecordNumber(profile, keyIndex));
}

bool ConfigStore::SetRecordFor(int profile, int keyIndex, const keys::KeyAssignment& record) {
  auto guard = Lock();
  if (!mainBlock || profile < 0 || profile >= kProfileBlockCount || keyIndex < 0 ||
      keyIndex >= keys::kRecordsPerProfile)
    return false;
  mainBlock->SetRecord(MainBlock::RecordNumber(profile, keyIndex), record);
  return true;
}

void PackTexts(const ConfigStore& working, MainBlock& block, std::span<std::uint8_t> area) {
  auto guard = working.Lock();
  std::fill(area.begin(), area.end(), std::uint8_t{0});
  std::size_t offset = 0;
  const int slots = std::min<int>(kSlotCount, static_cast<int>(working.slots.size()));
  for (int s = 0; s < slots; ++s) {
    const TextSlot& slot = working.slots[s];
    if (slot.Empty() || offset + slot.bytes > area.size()) continue;
    keys::KeyAssignment record = block.Record(s);
    if (!IsTextType(record.type)) continue;
    const std::size_t at = offset & ~std::size_t{1};
    for (std::size_t i = 0; i < slot.text.size(); ++i) StoreU16(area, at + 2 * i, slot.text[i]);
    record.value = static_cast<std::uint32_t>(offset);
    block.SetRecord(s, record);
    offset += slot.bytes;
  }
}

int CopyWorkingToApplied(ConfigStores& stores) {
  ConfigStore& working = stores.working;
  ConfigStore& applied = stores.applied;
  auto workingGuard = working.Lock();
  auto appliedGuard = applied.Lock();
  applied.FreeAppliedTexts();
  applied.FreeMacros();
  applied.FreeMainBlock();
  if (!working.mainBlock) return 0;
  try {
    applied.mainBlock = std::make_unique<MainBlock>(*working.mainBlock);
    WriteProfileHeader(*applied.mainBlock, working.MacroCount(), working.textBytes, 0);
    applied.macros = working.macros;
    std::vector<std::uint8_t> area(working.textBytes);
    PackTexts(working, *working.mainBlock, area);
    applied.packedTexts = std::move(area);
    applied.textBytes = working.textBytes;
  } catch (const std::bad_alloc&) {
    return 0;
  }
  return 1;
}

}  // namespace mv::store
