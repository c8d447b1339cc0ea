// INI access on Windows: the OS private-profile functions, 260-unit buffer, nothing cached.
#include <windows.h>

#include <string>

#include "platform/ini.h"

namespace mv::platform {

namespace {
std::wstring W(std::u16string_view s) { return std::wstring(s.begin(), s.end()); }
}  // namespace

std::u16string ReadIniString(const std::u16string& file, std::u16string_view section, std::u16string_view key,
                             std::u16string_view defaultValue) {
  wchar_t buffer[kIniBufferUnits] = {};
  const DWORD n = GetPrivateProfileStringW(W(section).c_str(), W(key).c_str(), W(defaultValue).c_str(), buffer,
                                           static_cast<DWORD>(kIniBufferUnits), W(file).c_str());
  return std::u16string(reinterpret_cast<const char16_t*>(buffer), n);
}

bool WriteIniString(const std::u16string& file, std::u16string_view section, std::u16string_view key,
                    std::u16string_view value) {
  if (!IsWritableIniEntry(section, key, value)) return false;
  return WritePrivateProfileStringW(W(section).c_str(), W(key).c_str(), W(value).c_str(), W(file).c_str()) != 0;
}

}  // namespace mv::platform
