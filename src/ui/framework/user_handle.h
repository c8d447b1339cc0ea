// Owning wrappers for USER objects: icons (DestroyIcon), menus (DestroyMenu) and windows we
// create ourselves (DestroyWindow). Move-only.
#pragma once

#include <windows.h>

#include <utility>

namespace mv::ui {

template <typename Handle, BOOL(WINAPI* Destroy)(Handle)>
class UserHandle {
 public:
  UserHandle() = default;
  explicit UserHandle(Handle h) : handle_(h) {}
  ~UserHandle() { Reset(); }
  UserHandle(const UserHandle&) = delete;
  UserHandle& operator=(const UserHandle&) = delete;
  UserHandle(UserHandle&& o) noexcept : handle_(std::exchange(o.handle_, nullptr)) {}
  UserHandle& operator=(UserHandle&& o) noexcept {
    if (this != &o) Reset(std::exchange(o.handle_, nullptr));
    return *this;
  }
  Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  void Reset(Handle h = nullptr) {
    if (handle_) Destroy(handle_);
    handle_ = h;
  }

 private:
  Handle handle_ = nullptr;
};

// Icons from LoadImage without LR_SHARED must be destroyed; shared ones must not be wrapped.
using UniqueIcon = UserHandle<HICON, ::DestroyIcon>;
using UniqueMenu = UserHandle<HMENU, ::DestroyMenu>;
// Child or helper windows (tooltips, in-place editors) owned by a C++ object.
using UniqueWindow = UserHandle<HWND, ::DestroyWindow>;

}  // namespace mv::ui
