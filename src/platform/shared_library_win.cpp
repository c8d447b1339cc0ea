// Run-time library loading on Windows (LoadLibraryW by the name given, so a bare name searches the
// program folder first).
#include <windows.h>

#include <utility>

#include "platform/shared_library.h"

namespace mv::platform {

SharedLibrary::SharedLibrary(const std::u16string& name)
    : handle_(LoadLibraryW(reinterpret_cast<const wchar_t*>(name.c_str()))) {}

SharedLibrary::~SharedLibrary() {
  if (handle_) FreeLibrary(static_cast<HMODULE>(handle_));
}

SharedLibrary::SharedLibrary(SharedLibrary&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}

SharedLibrary& SharedLibrary::operator=(SharedLibrary&& other) noexcept {
  if (this != &other) {
    if (handle_) FreeLibrary(static_cast<HMODULE>(handle_));
    handle_ = std::exchange(other.handle_, nullptr);
  }
  return *this;
}

void* SharedLibrary::Symbol(const char* name) const {
  return handle_ ? reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(handle_), name)) : nullptr;
}

}  // namespace mv::platform
