// Fuzz target: arbitrary bytes as an INI file, read and then written through the private-profile
// functions. The first input byte picks the lookups so that found and missing names both occur.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "platform/ini.h"
#include "platform/text.h"

namespace {

const std::u16string& FuzzFile() {
  static const std::u16string path =
      mv::Utf8ToUtf16("/tmp/mv-fuzz-ini-" + std::to_string(::getpid()) + ".ini");
  return path;
}

void WriteBytes(const std::u16string& path, const std::uint8_t* data, std::size_t size) {
  std::FILE* f = std::fopen(mv::Utf16ToUtf8(path).c_str(), "wb");
  if (!f) return;
  if (size) std::fwrite(data, 1, size, f);
  std::fclose(f);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::u16string& file = FuzzFile();
  WriteBytes(file, data, size);

  static const char16_t* const kSections[] = {u"BUTTONINFO", u"screen", u"", u"ENGINSH", u"[x]"};
  static const char16_t* const kKeys[] = {u"KEY_01E", u"Main", u"language", u"", u"a=b"};
  const std::size_t pick = size ? data[0] : 0;
  const char16_t* section = kSections[pick % 5];
  const char16_t* key = kKeys[(pick / 5) % 5];

  const std::u16string value = mv::platform::ReadIniString(file, section, key, u"1,1,1,1,x");
  if (value.size() >= mv::platform::kIniBufferUnits) __builtin_trap();

  // A write must keep the file readable and give back exactly what was written.
  if (mv::platform::WriteIniString(file, section, key, u"10,20,30,40")) {
    if (mv::platform::ReadIniString(file, section, key, u"") != u"10,20,30,40") __builtin_trap();
  }
  return 0;
}
