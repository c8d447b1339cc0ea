// Private-profile (INI) access with the semantics of the Windows functions: case-insensitive
// section and key names, values trimmed, the default on a miss, values cut to the 260-unit buffer,
// writes that create the file or section and keep everything else in the file. No caching: every
// call reads the file. Windows uses the OS functions; POSIX has its own implementation.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace mv::platform {

// Every read uses a buffer of this many UTF-16 units, terminator included.
inline constexpr std::size_t kIniBufferUnits = 260;

// The value of [section] key, or defaultValue when the file, section or key is missing.
// The result holds at most kIniBufferUnits - 1 units.
std::u16string ReadIniString(const std::u16string& file, std::u16string_view section,
                             std::u16string_view key, std::u16string_view defaultValue);

// Sets [section] key = value, creating the file and the section when needed. Returns false when
// the file cannot be written or the entry cannot be written safely (IsWritableIniEntry).
[[nodiscard]] bool WriteIniString(const std::u16string& file, std::u16string_view section,
                                  std::u16string_view key, std::u16string_view value);

// false for an entry that would not read back as written, or would add lines to the file: a line
// break or NUL anywhere, an empty or blank section or key name, a ']' in the section name, a '='
// in the key name, or a key name that would read as a comment or a section header. Both
// platforms refuse such writes before touching the file.
bool IsWritableIniEntry(std::u16string_view section, std::u16string_view key, std::u16string_view value);

}  // namespace mv::platform
