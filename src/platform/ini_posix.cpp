// INI access on POSIX. Placeholder until the full private-profile implementation lands.
#include "platform/ini.h"

namespace mv::platform {

std::u16string ReadIniString(const std::u16string&, std::u16string_view, std::u16string_view,
                             std::u16string_view defaultValue) {
  return std::u16string(defaultValue.substr(0, kIniBufferUnits - 1));
}

bool WriteIniString(const std::u16string&, std::u16string_view, std::u16string_view, std::u16string_view) {
  return false;
}

}  // namespace mv::platform
