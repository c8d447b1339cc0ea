// Fuzz target: the texts of the skin and language files as the core reads them. Layout entries
// (parsed and made sane), language values (line breaks decoded, stored in their slots, read from a
// whole language file) and the formatting helpers that fill and cut them. The first byte picks the
// sizes and ids; the rest is UTF-16LE text.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "app/language.h"
#include "app/layout.h"
#include "app/text_format.h"
#include "platform/text.h"

namespace {

const std::u16string& FuzzFile() {
  static const std::u16string path =
      mv::Utf8ToUtf16("/tmp/mv-fuzz-language-" + std::to_string(::getpid()) + ".ini");
  return path;
}

bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

void CheckLayout(std::u16string_view text) {
  const mv::app::LayoutEntry sane = mv::app::SaneLayoutEntry(mv::app::ParseLayoutEntry(text));
  const long long limit = mv::app::kLayoutCoordinateLimit;
  if (sane.x < 0 || sane.y < 0 || sane.w < 0 || sane.h < 0) __builtin_trap();
  if (static_cast<long long>(sane.x) + sane.w > limit || static_cast<long long>(sane.y) + sane.h > limit)
    __builtin_trap();
}

void CheckFormatting(std::u16string_view text, std::size_t units) {
  // Two halves: a format and its argument.
  const std::u16string_view format = text.substr(0, text.size() / 2);
  const std::u16string_view argument = text.substr(text.size() / 2);
  const std::u16string filled = mv::FormatWithText(format, argument);
  if (filled.size() > format.size() + argument.size()) __builtin_trap();

  const std::u16string_view cut = mv::CutToUnits(text, units);
  if (cut.size() > units || cut.size() > text.size()) __builtin_trap();
  // No pair split (a lone high surrogate may stay: it is no pair).
  if (!cut.empty() && cut.size() < text.size() && IsHighSurrogate(cut.back()) && IsLowSurrogate(text[cut.size()]))
    __builtin_trap();

  std::u16string slot(text);
  mv::CutToCapacity(slot, units);
  if (units > 0 && slot.size() >= units) __builtin_trap();

  const std::u16string decoded = mv::DecodeLineBreaks(text);
  if (decoded.size() > text.size()) __builtin_trap();

  unsigned long long bits = 0;
  for (std::size_t i = 0; i < 4 && i < text.size(); ++i) bits = bits << 16 | text[i];
  const long long number = static_cast<long long>(bits);
  if (mv::DecimalText(number) != mv::Utf8ToUtf16(std::to_string(number))) __builtin_trap();
}

void CheckLanguageTable(std::u16string_view text, std::size_t pick) {
  mv::LanguageTable table;
  const auto id = static_cast<mv::TextId>(pick % mv::kTextCount);
  table.SetText(id, text);
  if (table.Text(id).size() >= mv::InfoOf(id).capacity) __builtin_trap();
}

// The bytes as a whole language file, loaded the way the program loads it at start.
void CheckLanguageFile(const std::uint8_t* data, std::size_t size) {
  const std::u16string& file = FuzzFile();
  std::FILE* f = std::fopen(mv::Utf16ToUtf8(file).c_str(), "wb");
  if (!f) return;
  if (size) std::fwrite(data, 1, size, f);
  std::fclose(f);
  mv::LanguageTable table;
  table.LoadLanguageTexts(file);
  for (std::size_t i = 0; i < mv::kTextCount; ++i) {
    const auto id = static_cast<mv::TextId>(i);
    if (table.Text(id).size() >= mv::InfoOf(id).capacity) __builtin_trap();
  }
  (void)mv::ReadLanguageValue(file, mv::ChosenSection(file), u"IDS_TEXT");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::uint8_t pick = data[0];
  std::u16string text;
  for (std::size_t i = 1; i + 1 < size; i += 2) text += static_cast<char16_t>(data[i] | data[i + 1] << 8);

  CheckLayout(text);
  CheckFormatting(text, pick % 64);
  CheckLanguageTable(text, pick);
  // Files are slow to go through: one input in eight also goes in as a whole file.
  if (pick % 8 == 7) CheckLanguageFile(data + 1, size - 1);
  return 0;
}
