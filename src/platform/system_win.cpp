// Clock, sleep and folders on Windows.
#include <windows.h>

#include <shlobj.h>

#include "platform/system.h"

namespace mv::platform {

std::uint32_t TickCountMs() { return GetTickCount(); }

void SleepMs(std::uint32_t ms) { Sleep(ms); }

std::u16string DocumentsFolder() {
  wchar_t path[MAX_PATH] = {};
  if (FAILED(SHGetFolderPathW(nullptr, CSIDL_PERSONAL, nullptr, SHGFP_TYPE_CURRENT, path))) return {};
  return reinterpret_cast<const char16_t*>(path);
}

std::u16string ExecutablePath() {
  wchar_t path[MAX_PATH] = {};
  const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
  return std::u16string(reinterpret_cast<const char16_t*>(path), n);
}

}  // namespace mv::platform
