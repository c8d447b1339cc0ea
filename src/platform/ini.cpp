// The rule shared by both INI implementations: which entries may be written at all.
#include "platform/ini.h"

namespace mv::platform {

namespace {

bool HasLineBreakOrNul(std::u16string_view text) {
  return text.find_first_of(std::u16string_view(u"\r\n\0", 3)) != std::u16string_view::npos;
}

bool IsBlank(std::u16string_view text) {
  return text.find_first_not_of(u" \t\v\f") == std::u16string_view::npos;
}

}  // namespace

bool IsWritableIniEntry(std::u16string_view section, std::u16string_view key, std::u16string_view value) {
  if (HasLineBreakOrNul(section) || HasLineBreakOrNul(key) || HasLineBreakOrNul(value)) return false;
  if (IsBlank(section) || IsBlank(key)) return false;
  if (section.find(u']') != std::u16string_view::npos) return false;
  if (key.find(u'=') != std::u16string_view::npos) return false;
  const std::size_t first = key.find_first_not_of(u" \t\v\f");
  return key[first] != u';' && key[first] != u'[';
}

}  // namespace mv::platform
