// Fallback key names and the cut of key texts.
#include "keys/key_text.h"

#include "keys/key_codes.h"

namespace mv::keys {

namespace {

constexpr std::size_t kMaxDirectiveWidth = 99;  // two width digits, as far as a translator goes

struct HexDirective {
  std::size_t begin = 0;
  std::size_t end = 0;  // one past the conversion letter
  bool zeroPad = false;
  std::size_t width = 0;
  bool upperCase = false;
};

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

// Parses "%[0...][width](x|X)" at position at (which holds '%'); false for anything else.
bool ParseHexDirective(std::u16string_view text, std::size_t at, HexDirective& out) {
  std::size_t i = at + 1;
  HexDirective d;
  d.begin = at;
  while (i < text.size() && text[i] == u'0') {
    d.zeroPad = true;
    ++i;
  }
  std::size_t digits = 0;
  while (i < text.size() && IsDigit(text[i]) && digits < 2) {
    d.width = d.width * 10 + static_cast<std::size_t>(text[i] - u'0');
    ++i;
    ++digits;
  }
  if (i >= text.size() || (text[i] != u'x' && text[i] != u'X')) return false;
  d.upperCase = text[i] == u'X';
  d.end = i + 1;
  if (d.width > kMaxDirectiveWidth) d.width = kMaxDirectiveWidth;
  out = d;
  return true;
}

bool FindHexDirective(std::u16string_view text, HexDirective& out) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != u'%') continue;
    if (i + 1 < text.size() && text[i + 1] == u'%') {
      ++i;  // an escaped percent sign is text, and so is what follows it
      continue;
    }
    if (ParseHexDirective(text, i, out)) return true;
  }
  return false;
}

std::u16string HexDigits(std::uint32_t value, bool upperCase) {
  const char16_t* digits = upperCase ? u"0123456789ABCDEF" : u"0123456789abcdef";
  std::u16string reversed;
  do {
    reversed.push_back(digits[value & 0xF]);
    value >>= 4;
  } while (value != 0);
  return std::u16string(reversed.rbegin(), reversed.rend());
}

}  // namespace

std::u16string FormatKeyCode(std::u16string_view format, std::uint32_t code) {
  HexDirective d;
  if (!FindHexDirective(format, d)) return std::u16string(format);
  std::u16string number = HexDigits(code, d.upperCase);
  if (number.size() < d.width) number.insert(0, d.width - number.size(), d.zeroPad ? u'0' : u' ');
  std::u16string result(format.substr(0, d.begin));
  result += number;
  result += format.substr(d.end);
  return result;
}

std::u16string KeyValueName(std::uint32_t value, const LanguageTable& texts) {
  const bool isKeyCode = value <= 0xFFFF && IsValidKeyCode(static_cast<KeyCode>(value));
  if (isKeyCode) return KeyName(static_cast<KeyCode>(value), texts);
  std::u16string name = FormatKeyCode(texts.Text(TextId::UNKNOWN_KEY), value);
  CutToCapacity(name, kKeyNameCapacity);
  return name;
}

}  // namespace mv::keys
