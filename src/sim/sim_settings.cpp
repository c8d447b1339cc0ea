// Reading the simulator's settings file.
#include "sim/sim_settings.h"

#include <optional>

#include "platform/ini.h"

namespace mv::sim {
namespace {

constexpr char16_t kSection[] = u"Keyboard";

// A whole decimal number within [low, high], or nothing.
std::optional<long> ReadNumber(const std::u16string& ini, std::u16string_view key, long low, long high) {
  const std::u16string text = platform::ReadIniString(ini, kSection, key, u"");
  if (text.empty() || text.size() > 9) return std::nullopt;
  long v = 0;
  for (char16_t c : text) {
    if (c < u'0' || c > u'9') return std::nullopt;
    v = v * 10 + (c - u'0');
  }
  if (v < low || v > high) return std::nullopt;
  return v;
}

}  // namespace

SimSettings ReadSimSettings(const std::u16string& iniPath) {
  SimSettings s;
  if (iniPath.empty()) return s;
  if (auto v = ReadNumber(iniPath, u"Present", 0, 1)) s.present = *v == 1;
  if (auto v = ReadNumber(iniPath, u"ReplyDelayMs", 0, 60000)) s.replyDelay = std::chrono::milliseconds(*v);
  if (auto v = ReadNumber(iniPath, u"MacroCapacity", 0, 255)) s.macroCapacity = static_cast<int>(*v);
  return s;
}

}  // namespace mv::sim
