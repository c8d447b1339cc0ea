// UTF-16 is the text form of every format here; UTF-8 appears only for POSIX file names and logs.
#pragma once

#include <string>
#include <string_view>

namespace mv {

std::u16string Utf8ToUtf16(std::string_view utf8);
std::string Utf16ToUtf8(std::u16string_view utf16);

// ASCII-only case folding, as the private-profile functions compare section and key names.
char16_t AsciiLower(char16_t c);
bool EqualsIgnoreAsciiCase(std::u16string_view a, std::u16string_view b);

}  // namespace mv
