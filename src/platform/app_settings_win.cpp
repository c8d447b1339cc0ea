// Per-user application settings on Windows: string values in the registry under
// HKCU\Software\Morvane_Torvale\Morvane\<section>, where an application profile keeps them.
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/app_settings.h"

namespace mv::platform {

namespace {

class RegistryKey {
 public:
  RegistryKey() = default;
  ~RegistryKey() {
    if (key_) RegCloseKey(key_);
  }
  RegistryKey(const RegistryKey&) = delete;
  RegistryKey& operator=(const RegistryKey&) = delete;
  HKEY* Out() { return &key_; }
  HKEY Get() const { return key_; }

 private:
  HKEY key_ = nullptr;
};

std::wstring W(std::u16string_view s) { return std::wstring(s.begin(), s.end()); }

std::wstring SectionKeyPath(std::u16string_view section) {
  return L"Software\\" + W(kSettingsRegistryKey) + L"\\" + W(kSettingsApplication) + L"\\" + W(section);
}

// A section or key that cannot name a registry entry as given is refused rather than cut short.
bool IsUsableName(std::u16string_view name) { return !name.empty() && name.find(u'\0') == name.npos; }

}  // namespace

std::u16string ReadAppSetting(std::u16string_view section, std::u16string_view key,
                              std::u16string_view defaultValue) {
  const std::u16string fallback(defaultValue);
  if (!IsUsableName(section) || key.find(u'\0') != key.npos) return fallback;
  RegistryKey regKey;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, SectionKeyPath(section).c_str(), 0, KEY_QUERY_VALUE, regKey.Out()) !=
      ERROR_SUCCESS) {
    return fallback;
  }
  const std::wstring valueName = W(key);
  DWORD type = 0;
  DWORD bytes = 0;
  if (RegQueryValueExW(regKey.Get(), valueName.c_str(), nullptr, &type, nullptr, &bytes) != ERROR_SUCCESS ||
      type != REG_SZ) {
    return fallback;
  }
  std::vector<wchar_t> buffer(bytes / sizeof(wchar_t) + 1, L'\0');
  DWORD size = static_cast<DWORD>(buffer.size() * sizeof(wchar_t));
  if (RegQueryValueExW(regKey.Get(), valueName.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()),
                       &size) != ERROR_SUCCESS ||
      type != REG_SZ) {
    return fallback;
  }
  // The stored string may or may not carry its terminator; stop at the first NUL either way.
  std::size_t units = std::min<std::size_t>(size / sizeof(wchar_t), buffer.size());
  std::u16string value(reinterpret_cast<const char16_t*>(buffer.data()), units);
  if (const auto nul = value.find(u'\0'); nul != value.npos) value.resize(nul);
  return value;
}

bool WriteAppSetting(std::u16string_view section, std::u16string_view key, std::u16string_view value) {
  if (!IsUsableName(section) || key.find(u'\0') != key.npos || value.find(u'\0') != value.npos) return false;
  RegistryKey regKey;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, SectionKeyPath(section).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                      KEY_SET_VALUE, nullptr, regKey.Out(), nullptr) != ERROR_SUCCESS) {
    return false;
  }
  const std::wstring data = W(value);
  const DWORD bytes = static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t));
  return RegSetValueExW(regKey.Get(), W(key).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                        bytes) == ERROR_SUCCESS;
}

}  // namespace mv::platform
