// Owning wrappers for USER objects: icons (DestroyIcon), menus (DestroyMenu), windows we create
// ourselves (DestroyWindow), hooks (UnhookWindowsHookEx) and timers whose life is a scope
// (KillTimer). Move-only.
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
  // Gives up ownership, for a window destroyed by other means (with its parent).
  [[nodiscard]] Handle Release() { return std::exchange(handle_, nullptr); }

 private:
  Handle handle_ = nullptr;
};

// Icons from LoadImage without LR_SHARED must be destroyed; shared ones must not be wrapped.
using UniqueIcon = UserHandle<HICON, ::DestroyIcon>;
using UniqueMenu = UserHandle<HMENU, ::DestroyMenu>;
// Child or helper windows (tooltips, in-place editors) owned by a C++ object.
using UniqueWindow = UserHandle<HWND, ::DestroyWindow>;
// SetWindowsHookExW.
using UniqueHook = UserHandle<HHOOK, ::UnhookWindowsHookEx>;

// SetTimer / KillTimer. A window timer keeps the id it is given; a thread timer (no window) gets
// its id from the system, and that id is what its WM_TIMER carries.
class UniqueTimer {
 public:
  UniqueTimer() = default;
  ~UniqueTimer() { Stop(); }
  UniqueTimer(const UniqueTimer&) = delete;
  UniqueTimer& operator=(const UniqueTimer&) = delete;
  UniqueTimer(UniqueTimer&& o) noexcept : window_(o.window_), id_(std::exchange(o.id_, 0)) {}
  UniqueTimer& operator=(UniqueTimer&& o) noexcept {
    if (this != &o) {
      Stop();
      window_ = o.window_;
      id_ = std::exchange(o.id_, 0);
    }
    return *this;
  }

  // Starts the timer, or restarts it with the new period when it runs already (same window).
  bool Start(HWND window, UINT_PTR id, UINT milliseconds) {
    if (id_ && window != window_) Stop();
    const UINT_PTR started = ::SetTimer(window, window ? id : id_, milliseconds, nullptr);
    if (!started) return false;
    window_ = window;
    id_ = window ? id : started;
    return true;
  }
  void Stop() {
    if (id_) ::KillTimer(window_, id_);
    id_ = 0;
  }
  // The id WM_TIMER carries; 0 when stopped.
  UINT_PTR id() const { return id_; }
  explicit operator bool() const { return id_ != 0; }

 private:
  HWND window_ = nullptr;
  UINT_PTR id_ = 0;
};

}  // namespace mv::ui
