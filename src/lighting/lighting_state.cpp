// Reading the settings block and lighting records, and the field writes of the lighting panel.
#include "lighting/lighting_state.h"

#include <algorithm>

#include "platform/ini.h"

namespace mv::lighting {

namespace {
constexpr std::size_t kSettingsBytesReply = device::kPayloadSize;
constexpr int kMaxLevel = 4;
constexpr std::uint8_t kMaxReportRate = 3;

bool PanelProfileValid(const LightingState& state) {
  return state.PanelProfile >= 0 && state.PanelProfile < kLightingProfiles;
}

int RecordOffset(const LightingState& state, int fieldOffset) {
  return state.PanelProfile * static_cast<int>(kLightingRecordSize) + fieldOffset;
}

void ReadRecords(LightingState& state, device::DeviceCommands& commands) {
  for (int p = 0; p < kLightingProfiles; ++p) {
    std::array<std::uint8_t, kSettingsBytesReply> reply{};
    const int offset = p * static_cast<int>(kLightingRecordSize);
    if (commands.ReadSettingsBytes(reply, kSettingsBytesReply, offset) != device::kOk) continue;
    auto record = state.records[p].Bytes();
    std::copy_n(reply.begin(), kLightingRecordSize, record.begin());
  }
}

// GetPrivateProfileInt's reading: an optional sign and the leading digits.
long LeadingNumber(const std::u16string& text) {
  std::size_t i = 0;
  const bool negative = i < text.size() && text[i] == u'-';
  if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) ++i;
  long value = 0;
  for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9' && value < 1000000; ++i) value = value * 10 + (text[i] - u'0');
  return negative ? -value : value;
}

constexpr std::u16string_view kLampSection = u"KEYCOLOR";
constexpr std::u16string_view kLampKey = u"DengCheck";
}  // namespace

std::uint32_t LightingRecord::ColourAt(int offset) const {
  return At(offset) | (At(offset + 1) << 8) | (static_cast<std::uint32_t>(At(offset + 2)) << 16);
}

std::array<std::uint8_t, 3> ColourBytes(std::uint32_t colour) {
  return {static_cast<std::uint8_t>(colour), static_cast<std::uint8_t>(colour >> 8),
          static_cast<std::uint8_t>(colour >> 16)};
}

bool LightingState::userModeSupported() const {
  return std::find(effectList.begin(), effectList.end(), kUserColourEffect) != effectList.end();
}

void LightingState::DecodePanelRecord() {
  const LightingRecord& r = records[static_cast<std::size_t>(std::clamp(PanelProfile, 0, kLightingProfiles - 1))];
  effect = r.At(field::kEffect);
  brightness = r.At(field::kBrightness);
  speed = r.At(field::kSpeed);
  direction = r.At(field::kDirection);
  presetColour = r.At(field::kPresetColour);
  colour = r.ColourAt(field::kColour);
  reportRate = std::min(r.At(field::kReportRate), kMaxReportRate);
  multicolour = r.At(field::kMulticolour) != 0;
  if (r.At(field::kTriggerMode) <= 1) triggerMode = r.At(field::kTriggerMode);
  tsColour = r.ColourAt(field::kTsColour);
  tsMulticolour = r.At(field::kTsMulticolour) != 0;
  cdColour = r.ColourAt(field::kCdColour);
  cdMulticolour = r.At(field::kCdMulticolour) != 0;
}

std::vector<std::uint8_t> PanelEffects(const std::array<std::uint8_t, kEffectListSize>& effectList) {
  std::vector<std::uint8_t> effects;
  for (const auto code : effectList)
    if (code != 0) effects.push_back(code);
  return effects;
}

int EffectIndexOf(const LightingState& state, std::uint8_t effectCode) {
  if (effectCode == 0) return -1;
  const auto effects = PanelEffects(state.effectList);
  const auto it = std::find(effects.begin(), effects.end(), effectCode);
  return it == effects.end() ? -1 : static_cast<int>(it - effects.begin());
}

std::uint8_t EffectCodeAt(const LightingState& state, int position) {
  const auto effects = PanelEffects(state.effectList);
  return position >= 0 && position < static_cast<int>(effects.size()) ? effects[position] : 0;
}

bool ReadLightingOn(const std::u16string& wskbIni) {
  return LeadingNumber(platform::ReadIniString(wskbIni, kLampSection, kLampKey, u"0")) == 1;
}

bool WriteLightingOn(const std::u16string& wskbIni, bool on) {
  return platform::WriteIniString(wskbIni, kLampSection, kLampKey, on ? u"1" : u"0");
}

int ReadLightingSettings(LightingState& state, device::DeviceCommands& commands, const std::u16string& wskbIni,
                         const std::function<void()>& loadUserColourMode) {
  state.effectList.fill(0);
  device::SettingsBlock block;
  if (commands.ReadSettingsBlock(block.Bytes()) != device::kOk) return -1;
  state.effectList = block.EffectList();
  (void)commands.BeginSession();
  if (loadUserColourMode && state.userModeSupported()) loadUserColourMode();
  ReadRecords(state, commands);
  (void)commands.EndSession();
  state.DecodePanelRecord();
  state.lightingOn = ReadLightingOn(wskbIni);
  return 0;
}

int ReadLightingSettingsWithUserColours(LightingState& state, device::DeviceCommands& commands,
                                        const std::u16string& wskbIni, const std::function<void()>& loadUserColourMode) {
  return ReadLightingSettings(state, commands, wskbIni, loadUserColourMode);
}

void SendLightingFields(const LightingState& state, device::DeviceCommands& commands,
                        std::initializer_list<FieldWrite> writes) {
  if (!PanelProfileValid(state)) return;
  (void)commands.BeginSession();
  for (const auto& w : writes) (void)commands.WriteSettingsBytes(w.bytes, RecordOffset(state, w.fieldOffset));
  (void)commands.EndSession();
}

void SendLightingField(const LightingState& state, device::DeviceCommands& commands,
                       std::span<const std::uint8_t> bytes, int fieldOffset) {
  if (!PanelProfileValid(state)) return;
  (void)commands.BeginSession();
  (void)commands.WriteSettingsBytes(bytes, RecordOffset(state, fieldOffset));
  (void)commands.EndSession();
}

bool EffectWritesMulticolour(std::uint8_t effectCode) {
  static constexpr std::uint8_t kEffects[] = {1, 2, 3, 5, 7, 8, 9, 13, 14, 15};
  return std::find(std::begin(kEffects), std::end(kEffects), effectCode) != std::end(kEffects);
}

void ChooseEffect(LightingState& state, device::DeviceCommands& commands, std::uint8_t effectCode) {
  state.effect = effectCode;
  const std::uint8_t multi = state.multicolour ? 1 : 0;
  if (EffectWritesMulticolour(effectCode))
    SendLightingFields(state, commands, {{field::kEffect, {effectCode}}, {field::kMulticolour, {multi}}});
  else
    SendLightingFields(state, commands, {{field::kEffect, {effectCode}}});
}

bool ReleaseBrightnessSlider(LightingState& state, device::DeviceCommands& commands, int position) {
  if (position < 0 || position > kMaxLevel || position == state.brightness) return false;
  state.brightness = static_cast<std::uint8_t>(position);
  SendLightingFields(state, commands, {{field::kBrightness, {state.brightness}}});
  return true;
}

bool ReleaseSpeedSlider(LightingState& state, device::DeviceCommands& commands, int position) {
  if (position < 0 || position > kMaxLevel || kMaxLevel - position == state.speed) return false;
  state.speed = static_cast<std::uint8_t>(kMaxLevel - position);
  SendLightingFields(state, commands, {{field::kSpeed, {state.speed}}});
  return true;
}

void ClickDirection(LightingState& state, device::DeviceCommands& commands, bool firstPicture) {
  state.direction = firstPicture ? 1 : 0;
  SendLightingFields(state, commands, {{field::kDirection, {state.direction}}});
}

void ChooseColour(LightingState& state, device::DeviceCommands& commands, std::uint32_t colour) {
  state.colour = colour & 0xFFFFFF;
  state.multicolour = false;
  const auto rgb = ColourBytes(state.colour);
  SendLightingFields(state, commands, {{field::kMulticolour, {0}}, {field::kColour, {rgb[0], rgb[1], rgb[2]}}});
}

void ClickMulticolour(LightingState& state, device::DeviceCommands& commands, bool on) {
  state.multicolour = on;
  SendLightingFields(state, commands, {{field::kMulticolour, {static_cast<std::uint8_t>(on ? 1 : 0)}}});
}

void ClickPresetColour(LightingState& state, device::DeviceCommands& commands, int preset) {
  if (preset < 0 || preset > 3) return;
  state.presetColour = static_cast<std::uint8_t>(preset);
  SendLightingFields(state, commands, {{field::kPresetColour, {state.presetColour}}});
}

void ClickReportRate(LightingState& state, device::DeviceCommands& commands, int rate) {
  if (rate < 0 || rate > kMaxReportRate) return;
  state.reportRate = static_cast<std::uint8_t>(rate);
  SendLightingFields(state, commands, {{field::kReportRate, {state.reportRate}}});
}

const std::array<std::uint8_t, 35> kLightingDefaults = {
    0x01, 0x04, 0x01, 0x00, 0x01, 0xFF, 0x00, 0x00, 0x08, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0xFF, 0xFF, 0x00,
    0x00, 0x00, 0x00, 0xFF, 0xFF, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0x00, 0x00};

void RestoreLightingDefaults(LightingState& state, device::DeviceCommands& commands, const DefaultsHooks& hooks) {
  ChooseEffect(state, commands, 1);
  state.brightness = 4;
  state.speed = 1;
  state.colour = 0x0000FF;  // red
  state.multicolour = true;
  if (hooks.showDefaults) hooks.showDefaults();
  if (state.userModeSupported() && hooks.resetUserColours) hooks.resetUserColours();
  SendLightingField(state, commands, kLightingDefaults, 0);
}

}  // namespace mv::lighting
