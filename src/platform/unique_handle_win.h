// Owning wrapper for kernel handles (events, mutexes, pipes, processes, snapshots, find handles).
// Win32 marks "no handle" two ways: most creators return null, file-like ones (CreateFileW,
// CreateNamedPipeW, CreateToolhelp32Snapshot, FindFirstFileW) return INVALID_HANDLE_VALUE. The
// wrapper treats both as empty, so a caller tests `if (handle)` whichever creator it used.
// Windows-only: included by _win.cpp files and by the user interface, never by the portable core.
#pragma once

#include <windows.h>

#include <utility>

namespace mv::platform {

template <BOOL(WINAPI* Close)(HANDLE)>
class BasicUniqueHandle {
 public:
  BasicUniqueHandle() = default;
  // Never wrap a pseudo handle (GetCurrentProcess is INVALID_HANDLE_VALUE): it is not closed.
  explicit BasicUniqueHandle(HANDLE h) : handle_(h) {}
  ~BasicUniqueHandle() { Reset(); }

  BasicUniqueHandle(const BasicUniqueHandle&) = delete;
  BasicUniqueHandle& operator=(const BasicUniqueHandle&) = delete;
  BasicUniqueHandle(BasicUniqueHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  BasicUniqueHandle& operator=(BasicUniqueHandle&& other) noexcept {
    if (this != &other) Reset(std::exchange(other.handle_, nullptr));
    return *this;
  }

  static bool IsValid(HANDLE h) { return h != nullptr && h != INVALID_HANDLE_VALUE; }

  // The handle as the creator returned it (null or INVALID_HANDLE_VALUE when empty).
  HANDLE get() const { return handle_; }
  explicit operator bool() const { return IsValid(handle_); }

  void Reset(HANDLE h = nullptr) {
    const HANDLE old = std::exchange(handle_, h);
    if (IsValid(old) && old != h) Close(old);
  }
  // Gives up ownership, for calls that take the handle over.
  [[nodiscard]] HANDLE Release() { return std::exchange(handle_, nullptr); }

 private:
  HANDLE handle_ = nullptr;
};

// CloseHandle: events, mutexes, pipes, files, processes, threads, snapshots.
using UniqueHandle = BasicUniqueHandle<::CloseHandle>;
// FindClose: the search handles of FindFirstFileW.
using UniqueFindHandle = BasicUniqueHandle<::FindClose>;

}  // namespace mv::platform
