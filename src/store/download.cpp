// Download into the keyboard and read-back from it.
#include "store/download.h"

#include "platform/files.h"

#include <array>
#include <new>
#include <vector>

#include "store/byte_layout.h"
#include "store/key_map.h"
#include "store/macro_area.h"

namespace mv::store {

namespace {
// The encoded macro area and whether its names had to be left out.
struct EncodedArea {
  std::vector<std::uint8_t> bytes;
  bool namesDropped = false;
};

// 1 with the area, 0 after telling the user why nothing can be sent, -1 when memory is short.
int EncodeForDownload(DownloadContext& c, EncodedArea& area) {
  auto guard = c.stores.applied.Lock();
  if (!c.device.KeyboardDetected()) {
    // Without a keyboard the space is unknown: saying it was exceeded would be wrong.
    c.prompter.Tell(c.texts.Text(TextId::MAIN_NO_DEVICE_PROMPT));
    return 0;
  }
  const MacroAreaSize sizes = MacroAreaSizes(c.stores.applied);
  const std::size_t space = c.device.MacroSpace();
  if (sizes.withoutNames > space) {
    c.prompter.Tell(c.texts.Text(TextId::EXTRA_MACRO_TOO_LONG));
    return 0;
  }
  const bool withNames = sizes.withNames <= space;
  area.namesDropped = !withNames;
  try {
    area.bytes.assign(withNames ? sizes.withNames : sizes.withoutNames, 0);
  } catch (const std::bad_alloc&) {
    return -1;
  }
  return EncodeMacroArea(c.stores.applied, area.bytes, withNames) == 1 ? 1 : -1;
}

std::vector<int> ChosenProfiles(DownloadContext& c, bool allProfiles) {
  if (allProfiles) return {0, 1, 2};
  const int current = CurrentProfileIndex(c.device, c.commands);
  if (current < 0 || current >= kDeviceProfileCount) return {};
  return {current};
}
}  // namespace

int DownloadToKeyboard(DownloadContext& c, bool allProfiles) {
  EncodedArea area;
  if (EncodeForDownload(c, area) != 1) return 0;
  const std::vector<int> profiles = ChosenProfiles(c, allProfiles);
  if (profiles.empty()) return 0;
  const KeyMapImage layoutTemplate = c.device.LayoutTemplate();
  std::vector<KeyMapImage> images;
  for (const int p : profiles) images.push_back(BuildKeyMapImage(c.stores, layoutTemplate, p));
  if (c.planned)
    c.planned(ReportsToWrite(area.bytes.size()) + static_cast<int>(profiles.size()) * ReportsToWrite(device::kKeyBlockSize));

  (void)c.commands.BeginSession();
  // Success means the keyboard holds everything sent: the macro area as well as each key map.
  bool allWritten = c.commands.WriteMacroArea(area.bytes) == device::kOk;
  for (std::size_t i = 0; i < profiles.size(); ++i)
    allWritten = (c.commands.WriteKeyBlock(images[i].Bytes(), profiles[i]) == device::kOk) && allWritten;
  (void)c.commands.EndSession();
  if (area.namesDropped) c.prompter.Tell(c.texts.Text(TextId::EXTRA_PROFILE_SPACE_TIGHT));
  return allWritten ? 1 : 0;
}

int ApplyWorkingStore(DownloadContext& c, bool allProfiles) {
  auto workingGuard = c.stores.working.Lock();
  auto appliedGuard = c.stores.applied.Lock();
  if (CopyWorkingToApplied(c.stores) != 1) return 0;
  return DownloadToKeyboard(c, allProfiles);
}

namespace {
// The keyboard's macro area: empty when it holds none; false when a read failed.
bool ReadMacroAreaBytes(device::DeviceCommands& commands, std::vector<std::uint8_t>& area) {
  std::array<std::uint8_t, kMacroAreaHeaderSize> head{};
  if (commands.ReadMacroArea(head) != device::kOk) return false;
  area.clear();
  if (LoadU16(head, 0) != kMacroAreaMagic) return true;
  area.assign(LoadU16(head, 2), 0);
  return commands.ReadMacroArea(area) == device::kOk;
}
}  // namespace

int ReadBackToFile(DeviceState& device, device::DeviceCommands& commands, const LanguageTable& texts,
                   const std::u16string& path) {
  try {
    const int current = CurrentProfileIndex(device, commands);
    if (current < 0 || current > 3) return 0;
    std::array<KeyMapImage, kDeviceProfileCount> banks;
    for (int bank = 0; bank < kDeviceProfileCount; ++bank)
      if (commands.ReadKeyBlock(banks[bank].Bytes(), bank) != device::kOk) return 0;
    std::vector<std::uint8_t> areaBytes;
    if (!ReadMacroAreaBytes(commands, areaBytes)) return 0;
    std::vector<MacroRecord> macros;
    // An area whose counts or offsets do not fit is taken as holding no macros: the key maps
    // still come back.
    (void)DecodeMacroArea(areaBytes, macros, texts);

    auto block = std::make_unique<MainBlock>();
    WriteProfileHeader(*block, static_cast<std::uint16_t>(macros.size()), 0, 0);
    WriteDeviceInfoBlock(*block);
    const KeyMapImage layoutTemplate = device.LayoutTemplate();
    for (int bank = 0; bank < kDeviceProfileCount; ++bank) DecodeKeyMapImage(banks[bank], layoutTemplate, *block, bank);
    const auto* macroBytes = reinterpret_cast<const std::uint8_t*>(macros.data());
    return platform::WriteFileAtomically(path, {block->Bytes(), {macroBytes, macros.size() * MacroRecord::kSize}}) ? 1 : 0;
  } catch (const std::bad_alloc&) {
    return 0;
  }
}

}  // namespace mv::store
