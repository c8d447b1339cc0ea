// The three per-profile lighting records, the state the lighting panel shows and edits, and the
// field writes each panel action makes. The settings block is device/settings_block.h.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <span>
#include <string>
#include <vector>

#include "device/commands.h"
#include "device/settings_block.h"

namespace mv::lighting {

inline constexpr std::size_t kLightingRecordSize = device::kLightingRecordSize;
inline constexpr std::size_t kEffectListSize = device::kEffectListSize;
inline constexpr int kLightingProfiles = device::kProfileCount;
inline constexpr std::uint8_t kUserColourEffect = 20;


// Field offsets of the 42-byte record of one profile.
namespace field {
inline constexpr int kEffect = 0;
inline constexpr int kBrightness = 1;
inline constexpr int kSpeed = 2;
inline constexpr int kDirection = 3;
inline constexpr int kMulticolour = 4;
inline constexpr int kColour = 5;  // R, G, B
inline constexpr int kPresetColour = 8;
inline constexpr int kReportRate = 15;
inline constexpr int kTriggerMode = 19;
inline constexpr int kTsColour = 25;
inline constexpr int kTsMulticolour = 28;
inline constexpr int kCdColour = 30;
inline constexpr int kCdMulticolour = 33;
}  // namespace field

class LightingRecord {
 public:
  std::span<std::uint8_t, kLightingRecordSize> Bytes() { return bytes_; }
  std::span<const std::uint8_t, kLightingRecordSize> Bytes() const { return bytes_; }
  std::uint8_t At(int offset) const { return bytes_[static_cast<std::size_t>(offset)]; }
  // R | G<<8 | B<<16 from three bytes at offset.
  std::uint32_t ColourAt(int offset) const;
  friend bool operator==(const LightingRecord&, const LightingRecord&) = default;

 private:
  std::array<std::uint8_t, kLightingRecordSize> bytes_{};
};
static_assert(sizeof(LightingRecord) == 42);

// Colours are held as R | G<<8 | B<<16 and sent as R, G, B.
std::array<std::uint8_t, 3> ColourBytes(std::uint32_t colour);

struct LightingState {
  int PanelProfile = 0;
  std::array<LightingRecord, kLightingProfiles> records{};
  std::array<std::uint8_t, kEffectListSize> effectList{};

  std::uint8_t effect = 0;
  std::uint8_t brightness = 0;
  std::uint8_t speed = 0;
  std::uint8_t direction = 0;
  bool multicolour = false;
  std::uint32_t colour = 0;
  std::uint8_t presetColour = 0;
  std::uint8_t reportRate = 0;
  std::uint8_t triggerMode = 0;
  std::uint32_t tsColour = 0;
  bool tsMulticolour = false;
  std::uint32_t cdColour = 0;
  bool cdMulticolour = false;
  bool lightingOn = false;

  bool userModeSupported() const;
  // The decode rules for the record of PanelProfile (report rate capped to 3, trigger mode only
  // from 0 or 1).
  void DecodePanelRecord();
};

// The effects in slot order without empty slots: the panel's effect list.
std::vector<std::uint8_t> PanelEffects(const std::array<std::uint8_t, kEffectListSize>& effectList);
// Position of a code in the panel's effect list, -1 when absent.
int EffectIndexOf(const LightingState& state, std::uint8_t effectCode);
// Code at a position of the panel's effect list, 0 outside it.
std::uint8_t EffectCodeAt(const LightingState& state, int position);

// The lamp switch of wskb.ini: [KEYCOLOR] DengCheck, "1" = on, default "0".
bool ReadLightingOn(const std::u16string& wskbIni);
[[nodiscard]] bool WriteLightingOn(const std::u16string& wskbIni, bool on);

// Reads the settings block and the three records and decodes the panel's record. 0, or -1 when the
// settings block cannot be read (the effect list then stays empty). A record whose read fails
// keeps its previous copy. loadUserColourMode, when given and the user mode is supported, runs
// right after the session opens, before the records are read.
int ReadLightingSettings(LightingState& state, device::DeviceCommands& commands, const std::u16string& wskbIni,
                         const std::function<void()>& loadUserColourMode = {});
int ReadLightingSettingsWithUserColours(LightingState& state, device::DeviceCommands& commands,
                                        const std::u16string& wskbIni, const std::function<void()>& loadUserColourMode);

// One field write at PanelProfile x 42 + fieldOffset. A PanelProfile outside 0..2 writes nothing.
struct FieldWrite {
  int fieldOffset = 0;
  std::vector<std::uint8_t> bytes;
};
// Every write between one BeginSession and EndSession, in order; results are ignored.
void SendLightingFields(const LightingState& state, device::DeviceCommands& commands,
                        std::initializer_list<FieldWrite> writes);
void SendLightingField(const LightingState& state, device::DeviceCommands& commands,
                       std::span<const std::uint8_t> bytes, int fieldOffset);

// Effects whose choice also writes the multicolour byte.
bool EffectWritesMulticolour(std::uint8_t effectCode);

// The panel's actions: each updates the state and writes its fields. Sliders write only on a
// change; the slider functions return whether they wrote. Out-of-range input writes nothing.
void ChooseEffect(LightingState& state, device::DeviceCommands& commands, std::uint8_t effectCode);
bool ReleaseBrightnessSlider(LightingState& state, device::DeviceCommands& commands, int position);
bool ReleaseSpeedSlider(LightingState& state, device::DeviceCommands& commands, int position);
void ClickDirection(LightingState& state, device::DeviceCommands& commands, bool firstPicture);
void ChooseColour(LightingState& state, device::DeviceCommands& commands, std::uint32_t colour);
void ClickMulticolour(LightingState& state, device::DeviceCommands& commands, bool on);
void ClickPresetColour(LightingState& state, device::DeviceCommands& commands, int preset);
void ClickReportRate(LightingState& state, device::DeviceCommands& commands, int rate);

// The 35 bytes the defaults write at the start of the panel profile's record.
extern const std::array<std::uint8_t, 35> kLightingDefaults;

// What restoring the defaults asks of the window and of the user colour modes.
struct DefaultsHooks {
  std::function<void()> showDefaults;       // sliders, pickers and switches to the defaults
  std::function<void()> resetUserColours;   // only when the user mode is supported
};
void RestoreLightingDefaults(LightingState& state, device::DeviceCommands& commands, const DefaultsHooks& hooks);

}  // namespace mv::lighting
