// Reading skin layout entries and the other values of the skin files.
#include "app/layout.h"

#include <climits>
#include <cstdio>
#include <utility>

#include "platform/ini.h"
#include "platform/text.h"

namespace mv::app {

namespace {

bool IsScanfSpace(char16_t c) {
  return c == u' ' || c == u'\t' || c == u'\n' || c == u'\v' || c == u'\f' || c == u'\r';
}

// One "%d": optional blanks, optional sign, at least one digit. Advances text past what it read.
bool ScanInt(std::u16string_view& text, int& out) {
  std::size_t i = 0;
  while (i < text.size() && IsScanfSpace(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) negative = text[i++] == u'-';
  const std::size_t firstDigit = i;
  long long value = 0;
  for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
    if (value <= static_cast<long long>(INT_MAX) + 1) value = value * 10 + (text[i] - u'0');
  }
  if (i == firstDigit) return false;
  if (negative) value = -value;
  out = value > INT_MAX ? INT_MAX : value < INT_MIN ? INT_MIN : static_cast<int>(value);
  text.remove_prefix(i);
  return true;
}

std::u16string Decimal(int n) { return Utf8ToUtf16(std::to_string(n)); }

constexpr std::u16string_view kScreenSection = u"SCREEN";

}  // namespace

LayoutEntry ParseLayoutEntry(std::u16string_view text) {
  LayoutEntry entry;
  int* const fields[] = {&entry.x, &entry.y, &entry.w, &entry.h};
  for (std::size_t i = 0; i < 4; ++i) {
    if (i > 0) {
      if (text.empty() || text.front() != u',') break;
      text.remove_prefix(1);
    }
    if (!ScanInt(text, *fields[i])) break;
  }
  return entry;
}

LayoutEntry SaneLayoutEntry(const LayoutEntry& entry) {
  const auto inside = [](int start, int size) {
    return start >= 0 && size >= 0 && static_cast<long long>(start) + size <= kLayoutCoordinateLimit;
  };
  return inside(entry.x, entry.w) && inside(entry.y, entry.h) ? entry : LayoutEntry{};
}

LayoutEntry ReadLayoutEntry(const std::u16string& file, std::u16string_view section, std::u16string_view key) {
  return SaneLayoutEntry(ParseLayoutEntry(platform::ReadIniString(file, section, key, kLayoutDefault)));
}

bool DisablesImageButton(const LayoutEntry& entry) { return entry.x == 1 && entry.y == 1; }

std::u16string KeyEntryName(int keyIndex) {
  char name[16];
  std::snprintf(name, sizeof name, "KEY_%03X", static_cast<unsigned>(keyIndex) & 0xFFFu);
  return Utf8ToUtf16(name);
}

std::u16string GKeyEntryName(int n) { return u"FUNC_G" + Decimal(n); }

std::u16string ReadLinkAddress(const std::u16string& mainLayoutFile) {
  return platform::ReadIniString(mainLayoutFile, kScreenSection, u"Link", kDefaultLinkAddress);
}

SkinPictureNames ReadSkinPictureNames(const std::u16string& layoutFile, bool english) {
  SkinPictureNames names;
  names.background = platform::ReadIniString(layoutFile, kScreenSection, u"Main", u"");
  names.mask = platform::ReadIniString(layoutFile, kScreenSection, u"Mask", names.background);
  if (!english) {
    std::u16string chinese = platform::ReadIniString(layoutFile, kScreenSection, u"MainChinese", u"");
    if (!chinese.empty()) names.background = std::move(chinese);
  }
  return names;
}

std::u16string_view CaptionSection(bool english) { return english ? u"Control_Name1" : u"Control_Name"; }

std::u16string ReadControlCaption(const std::u16string& mainLayoutFile, bool english, std::u16string_view key) {
  return platform::ReadIniString(mainLayoutFile, CaptionSection(english), key, u"");
}

std::u16string_view EffectNameSection(bool english) { return english ? u"Mode1" : u"Mode"; }

std::u16string ReadEffectName(const std::u16string& mainLayoutFile, bool english, int effectCode) {
  return platform::ReadIniString(mainLayoutFile, EffectNameSection(english), Decimal(effectCode), u"1");
}

}  // namespace mv::app
