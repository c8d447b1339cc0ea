// Fuzz target: settings-block fields that become indexes, and the lighting settings file. The
// simulated keyboard is loaded with the input's settings block and lighting records, then the
// program reads its active profile and the lighting panel reads and acts on a panel profile that
// may be out of range, with wskb.ini holding the rest of the input.
// Input: panel profile (signed byte), 44 settings bytes, 126 record bytes, 6 action bytes, the file.
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "device/settings_block.h"
#include "lighting/lighting_state.h"
#include "platform/text.h"
#include "sim/in_process.h"
#include "store/device_state.h"

namespace {

const std::u16string& WskbFile() {
  static const std::u16string path = mv::Utf8ToUtf16("/tmp/mv-fuzz-wskb-" + std::to_string(::getpid()) + ".ini");
  return path;
}

// Pulls bytes from the input, zeros once it is used up.
struct Reader {
  const std::uint8_t* data;
  std::size_t size;
  std::size_t at = 0;
  std::uint8_t Next() { return at < size ? data[at++] : 0; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static mv::sim::InProcessDevice keyboard;
  Reader in{data, size};
  const int panelProfile = static_cast<std::int8_t>(in.Next());
  keyboard.keyboard().ModifyAreas([&](mv::sim::KeyboardAreas& a) {
    for (auto& b : a.settings.Bytes()) b = in.Next();
    for (auto& b : a.lighting) b = in.Next();
  });
  std::uint8_t action[6];
  for (auto& b : action) b = in.Next();
  {
    std::FILE* f = std::fopen(mv::Utf16ToUtf8(WskbFile()).c_str(), "wb");
    if (!f) return 0;
    if (in.at < size) std::fwrite(data + in.at, 1, size - in.at, f);
    std::fclose(f);
  }

  // The active profile: an index 0..2 or -1, cached only when it is one.
  mv::store::DeviceState device;
  const int profile = mv::store::CurrentProfileIndex(device, keyboard.commands());
  if (profile < -1 || profile >= mv::device::kProfileCount) __builtin_trap();
  if (device.CachedProfile() != (profile >= 0 ? profile : -1)) __builtin_trap();

  // The lighting panel on a profile that may name no record.
  mv::lighting::LightingState state;
  state.PanelProfile = panelProfile;
  if (mv::lighting::ReadLightingSettings(state, keyboard.commands(), WskbFile()) != 0) __builtin_trap();
  keyboard.keyboard().ClearLog();
  mv::lighting::ChooseEffect(state, keyboard.commands(), mv::lighting::EffectCodeAt(state, action[0] - 128));
  (void)mv::lighting::ReleaseBrightnessSlider(state, keyboard.commands(), static_cast<std::int8_t>(action[1]));
  (void)mv::lighting::ReleaseSpeedSlider(state, keyboard.commands(), static_cast<std::int8_t>(action[2]));
  mv::lighting::ClickPresetColour(state, keyboard.commands(), static_cast<std::int8_t>(action[3]));
  mv::lighting::ClickReportRate(state, keyboard.commands(), static_cast<std::int8_t>(action[4]));
  if (mv::lighting::EffectIndexOf(state, action[5]) >= static_cast<int>(mv::lighting::kEffectListSize)) __builtin_trap();
  // A panel profile outside 0..2 writes nothing at all.
  const bool valid = panelProfile >= 0 && panelProfile < mv::lighting::kLightingProfiles;
  if (!valid) {
    for (const auto& r : keyboard.keyboard().ReceivedReports())
      if (r[mv::device::kOpcodeByte] == mv::device::kOpWriteSettingsBytes) __builtin_trap();
  }

  // The lamp switch written back reads as written, whatever the file held.
  const bool on = action[5] & 1;
  if (mv::lighting::WriteLightingOn(WskbFile(), on) && mv::lighting::ReadLightingOn(WskbFile()) != on) __builtin_trap();
  return 0;
}
