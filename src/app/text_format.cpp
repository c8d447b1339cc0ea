// Filling and cutting UTF-16 language texts.
#include "app/text_format.h"

namespace mv {

namespace {
std::u16string Substitute(std::u16string_view format, std::u16string_view marker, std::u16string_view argument) {
  std::u16string result(format);
  const auto pos = result.find(marker);
  if (pos != std::u16string::npos) result.replace(pos, marker.size(), argument);
  return result;
}

bool IsHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
}  // namespace

std::u16string DecimalText(long long number) {
  const bool negative = number < 0;
  // Unsigned, so that the magnitude of the most negative value fits.
  unsigned long long magnitude = negative ? 0ull - static_cast<unsigned long long>(number) : number;
  std::u16string reversed;
  do {
    reversed.push_back(static_cast<char16_t>(u'0' + magnitude % 10));
    magnitude /= 10;
  } while (magnitude != 0);
  if (negative) reversed.push_back(u'-');
  return std::u16string(reversed.rbegin(), reversed.rend());
}

std::u16string FormatWithText(std::u16string_view format, std::u16string_view argument) {
  return Substitute(format, u"%s", argument);
}

std::u16string_view CutToUnits(std::u16string_view text, std::size_t maxUnits) {
  if (text.size() <= maxUnits) return text;
  std::size_t n = maxUnits;
  if (n > 0 && IsHighSurrogate(text[n - 1])) --n;
  return text.substr(0, n);
}

void CutToCapacity(std::u16string& text, std::size_t capacity) {
  text.resize(CutToUnits(text, capacity == 0 ? 0 : capacity - 1).size());
}

}  // namespace mv
