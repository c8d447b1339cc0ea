// Run-time library loading on POSIX (dlopen).
#include <dlfcn.h>

#include <utility>

#include "platform/shared_library.h"
#include "platform/text.h"

namespace mv::platform {

SharedLibrary::SharedLibrary(const std::u16string& name)
    : handle_(::dlopen(Utf16ToUtf8(name).c_str(), RTLD_NOW | RTLD_LOCAL)) {}

SharedLibrary::~SharedLibrary() {
  if (handle_) ::dlclose(handle_);
}

SharedLibrary::SharedLibrary(SharedLibrary&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}

SharedLibrary& SharedLibrary::operator=(SharedLibrary&& other) noexcept {
  if (this != &other) {
    if (handle_) ::dlclose(handle_);
    handle_ = std::exchange(other.handle_, nullptr);
  }
  return *this;
}

void* SharedLibrary::Symbol(const char* name) const { return handle_ ? ::dlsym(handle_, name) : nullptr; }

}  // namespace mv::platform
