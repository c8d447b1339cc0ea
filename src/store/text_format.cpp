// Substitution of one argument into a UTF-16 language text.
#include "store/text_format.h"

#include <cstdio>

namespace mv::store {

namespace {
std::u16string Substitute(std::u16string_view format, std::u16string_view marker, std::u16string_view argument) {
  std::u16string result(format);
  const auto pos = result.find(marker);
  if (pos != std::u16string::npos) result.replace(pos, marker.size(), argument);
  return result;
}
}  // namespace

std::u16string DecimalText(long long number) {
  char digits[32];
  std::snprintf(digits, sizeof digits, "%lld", number);
  return std::u16string(digits, digits + std::char_traits<char>::length(digits));
}

std::u16string FormatWithText(std::u16string_view format, std::u16string_view argument) {
  return Substitute(format, u"%s", argument);
}

std::u16string FormatWithNumber(std::u16string_view format, long long number) {
  return Substitute(format, u"%d", DecimalText(number));
}

}  // namespace mv::store
