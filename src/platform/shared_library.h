// A shared library loaded at run time (a DLL by bare name on Windows, a .so on POSIX).
#pragma once

#include <string>

namespace mv::platform {

class SharedLibrary {
 public:
  SharedLibrary() = default;
  // Loads the library; check IsLoaded() afterwards.
  explicit SharedLibrary(const std::u16string& name);
  ~SharedLibrary();
  SharedLibrary(SharedLibrary&& other) noexcept;
  SharedLibrary& operator=(SharedLibrary&& other) noexcept;
  SharedLibrary(const SharedLibrary&) = delete;
  SharedLibrary& operator=(const SharedLibrary&) = delete;

  bool IsLoaded() const { return handle_ != nullptr; }
  // Address of an exported symbol, or null.
  void* Symbol(const char* name) const;
  // Keeps the library loaded for the rest of the process (the handle is forgotten, not closed).
  void Leak() { handle_ = nullptr; }

 private:
  void* handle_ = nullptr;
};

}  // namespace mv::platform
