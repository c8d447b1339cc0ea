// Reading, checking and writing profile files.
#include "profiles/profile_file.h"

#include <cstdio>
#include <limits>
#include <new>
#include <optional>
#include <vector>

#include "lighting/user_folder.h"
#include "platform/files.h"
#include "platform/system.h"
#include "store/byte_layout.h"
#include "app/text_format.h"

namespace mv::profiles {

namespace {
using store::MainBlock;
using store::MacroRecord;

constexpr std::u16string_view kProfileFileName = u"$Profile0";

bool IsTextType(std::uint16_t type) {
  return type == static_cast<std::uint16_t>(keys::AssignmentType::LaunchProgram) ||
         type == static_cast<std::uint16_t>(keys::AssignmentType::TextBlock);
}

// The whole file, or nothing when it cannot be opened or read; tooLarge when it exceeds 32 bits.
std::optional<std::vector<std::uint8_t>> ReadWholeFile(const std::u16string& path) {
  platform::UniqueFile in = platform::OpenFile(path, "rb");
  const auto size = platform::FileSize(path);
  if (!in || !size || *size > std::numeric_limits<std::uint32_t>::max()) return std::nullopt;
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(*size));
  if (!bytes.empty() && std::fread(bytes.data(), 1, bytes.size(), in.get()) != bytes.size()) return std::nullopt;
  return bytes;
}

std::u16string TextAt(std::span<const std::uint8_t> area, std::uint32_t value) {
  std::u16string text;
  for (std::size_t at = value & ~std::uint32_t{1}; at + 1 < area.size(); at += 2) {
    const char16_t unit = static_cast<char16_t>(store::LoadU16(area, at));
    if (unit == 0) break;
    text.push_back(unit);
  }
  return text;
}
}  // namespace

ProfileLocation DefaultProfileLocation() { return ProfileLocation{platform::DocumentsFolder(), {}}; }

std::u16string ProfileFilePath(int /*index*/, const ProfileLocation& location) {
  const std::u16string folder = lighting::UserFolderPath(location.documentsFolder);
  if (!platform::DirectoryExists(folder) && platform::CreateFolder(folder) && location.onFolderCreated)
    location.onFolderCreated(folder);
  return folder + platform::kPathSeparator + std::u16string(kProfileFileName);
}

void RemoveInterruptedSave(const ProfileLocation& location) {
  // The folder is not made here: a start without a keyboard leaves the documents folder alone.
  const std::u16string file = lighting::UserFolderPath(location.documentsFolder) + platform::kPathSeparator +
                              std::u16string(kProfileFileName);
  const std::u16string temporary = platform::TemporaryPathFor(file);
  if (platform::FileExists(temporary)) (void)platform::RemoveFile(temporary);
}

ProfileCheck CheckProfileBytes(std::span<const std::uint8_t> file) {
  if (file.size() > std::numeric_limits<std::uint32_t>::max()) return ProfileCheck::TooLarge;
  if (file.size() < MainBlock::kSize) return ProfileCheck::TooSmall;
  const auto headerBytes = file.first<store::kProfileHeaderSize>();
  const auto header = store::ProfileHeader::Read(headerBytes);
  if (!store::IsWellFormedHeader(header) || header.checksum != store::HeaderChecksum(headerBytes))
    return ProfileCheck::Malformed;
  if (file.size() < header.totalSize) return ProfileCheck::Truncated;
  return ProfileCheck::Valid;
}

int ValidateProfileFile(const std::u16string& path, store::Prompter& prompter, const LanguageTable& texts) {
  if (!platform::FileExists(path)) return kProfileInvalid;
  platform::UniqueFile in = platform::OpenFile(path, "rb");
  const auto size = platform::FileSize(path);
  if (!in || !size) return kProfileCannotOpen;
  if (*size > std::numeric_limits<std::uint32_t>::max() || *size < MainBlock::kSize) return kProfileInvalid;
  std::vector<std::uint8_t> head;
  try {
    head.resize(MainBlock::kSize);
  } catch (const std::bad_alloc&) {
    return kProfileNoMemory;
  }
  if (std::fread(head.data(), 1, head.size(), in.get()) != head.size()) return kProfileCannotOpen;
  // Only the header decides; the length check needs the real size, not the bytes read.
  const auto header = store::ProfileHeader::Read(std::span<const std::uint8_t>(head).first<store::kProfileHeaderSize>());
  const bool wellFormed = store::IsWellFormedHeader(header) &&
                          header.checksum == store::HeaderChecksum(std::span<const std::uint8_t>(head).first<32>()) &&
                          *size >= header.totalSize;
  if (wellFormed) return kProfileValid;
  prompter.Tell(FormatWithText(texts.Text(TextId::PROFILE_FORMAT_ERROR), path));
  return kProfileInvalid;
}

int LoadProfileBytes(store::ConfigStore& working, std::span<const std::uint8_t> file) {
  auto guard = working.Lock();
  if (CheckProfileBytes(file) != ProfileCheck::Valid) return 0;
  try {
    const auto header = store::ProfileHeader::Read(file.first<store::kProfileHeaderSize>());
    auto block = std::make_unique<MainBlock>();
    std::copy_n(file.begin(), MainBlock::kSize, block->Bytes().begin());
    std::vector<MacroRecord> macros(header.macroCount);
    auto rest = file.subspan(MainBlock::kSize);
    for (auto& record : macros) {
      std::copy_n(rest.begin(), MacroRecord::kSize, record.Bytes().begin());
      rest = rest.subspan(MacroRecord::kSize);
    }
    const auto area = rest.first(header.textAreaSize);
    if (working.slots.size() != static_cast<std::size_t>(store::kSlotCount) && working.AllocateSlots() != 1) return 0;
    working.FreeTexts();
    for (int s = 0; s < store::kSlotCount; ++s) {
      const auto record = block->Record(s);
      if (IsTextType(record.type) && record.value < area.size() && working.SetText(s, TextAt(area, record.value)) != 1) {
        working.FreeTexts();
        return 0;
      }
    }
    working.mainBlock = std::move(block);
    working.macros = std::move(macros);
  } catch (const std::bad_alloc&) {
    working.FreeAll();
    return 0;
  }
  return 1;
}

int LoadProfileFile(store::ConfigStore& working, const std::u16string& path) {
  if (!platform::FileExists(path)) return 0;
  try {
    const auto bytes = ReadWholeFile(path);
    return bytes ? LoadProfileBytes(working, *bytes) : 0;
  } catch (const std::bad_alloc&) {
    return 0;
  }
}

int WriteDefaultProfileFile(const std::u16string& path) {
  const auto block = store::CreateDefaultMainBlock();
  if (!block) return 0;
  return platform::WriteFileAtomically(path, {block->Bytes()}) ? 1 : 0;
}

int SaveProfileAs(store::ConfigStore& working, bool takeLock, const std::u16string& path) {
  store::ConfigStore::Guard guard;
  if (takeLock) guard = working.Lock();
  if (!working.mainBlock) return 0;
  try {
    store::WriteProfileHeader(*working.mainBlock, working.MacroCount(), working.textBytes, 0);
    std::vector<std::uint8_t> area(working.textBytes);
    store::PackTexts(working, *working.mainBlock, area);
    const auto* macroBytes = reinterpret_cast<const std::uint8_t*>(working.macros.data());
    const std::span<const std::uint8_t> macros(macroBytes, working.macros.size() * MacroRecord::kSize);
    return platform::WriteFileAtomically(path, {working.mainBlock->Bytes(), macros, area}) ? 1 : 0;
  } catch (const std::bad_alloc&) {
    return 0;
  }
}

int SaveCurrentProfile(store::ConfigStore& working, bool takeLock, const ProfileLocation& location) {
  const std::u16string path = ProfileFilePath(0, location);
  if (!platform::FileExists(path)) return 0;
  return SaveProfileAs(working, takeLock, path);
}

}  // namespace mv::profiles
