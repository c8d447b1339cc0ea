// Apply's download of the applied store into the keyboard (macro area and key maps), and the
// read-back that turns the keyboard's images into a profile file.
#pragma once

#include <cstdint>
#include <functional>

#include <string>

#include "app/language.h"
#include "device/commands.h"
#include "store/config_store.h"
#include "store/device_state.h"
#include "store/prompter.h"

namespace mv::store {

// What the download needs; the main window owns all of it.
struct DownloadContext {
  ConfigStores& stores;
  DeviceState& device;
  device::DeviceCommands& commands;
  Prompter& prompter;
  const LanguageTable& texts;
  // Told, before anything is written, how many reports the download will write.
  std::function<void(int reports)> planned = {};
};

// Which of steps pictures shows a download that has written done of planned reports: 0 to
// steps - 1, the last one once everything is written (or more, when other reports came between).
constexpr int ProgressStep(std::uint64_t done, int planned, int steps) {
  if (planned <= 0 || steps <= 0) return 0;
  const std::uint64_t step = done * static_cast<std::uint64_t>(steps) / static_cast<std::uint64_t>(planned);
  return step >= static_cast<std::uint64_t>(steps) ? steps - 1 : static_cast<int>(step);
}

// The reports one write of this many bytes takes (a report carries 56 bytes).
constexpr int ReportsToWrite(std::size_t bytes) {
  return static_cast<int>((bytes + device::kPayloadSize - 1) / device::kPayloadSize);
}

// Sends the macro area and the key maps of all three profiles, or of the current one. 1 when the
// macro area and every key map were written, else 0. Refused with a message, sending nothing, when
// no keyboard has been detected or the macro area does not fit its space.
[[nodiscard]] int DownloadToKeyboard(DownloadContext& context, bool allProfiles);

// Copies the working store to the applied store and downloads it. The caller holds the working
// lock. 1 on success, 0 otherwise.
[[nodiscard]] int ApplyWorkingStore(DownloadContext& context, bool allProfiles);

// Reads the three key maps and the macro area and writes them as a profile file (no texts).
// 1 when the file was written; 0 leaves any existing file as it was.
[[nodiscard]] int ReadBackToFile(DeviceState& device, device::DeviceCommands& commands, const LanguageTable& texts,
                                 const std::u16string& path);

}  // namespace mv::store
