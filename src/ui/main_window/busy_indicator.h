// The busy indicator of Apply: one thread with its own message queue for the main window's life.
// Thread message 1025 shows the busy picture and animates it (a 50 ms timer, ten frames); 1026
// waits 100 ms and hides it. The thread only posts frame numbers to the window, so it never waits
// for the user-interface thread and can always be stopped.
#pragma once

#include <windows.h>

#include <atomic>
#include <thread>

namespace mv::ui {

inline constexpr UINT kBusyShow = 1025;
inline constexpr UINT kBusyHide = 1026;
inline constexpr UINT_PTR kBusyTimer = 1050;
inline constexpr int kBusyFrameCount = 10;

class BusyIndicator {
 public:
  // frameMessage is posted to window with wParam the frame (0..9), or -1 to hide.
  BusyIndicator(HWND window, UINT frameMessage);
  ~BusyIndicator() { Stop(); }
  BusyIndicator(const BusyIndicator&) = delete;
  BusyIndicator& operator=(const BusyIndicator&) = delete;

  // False when the thread could not be started (Apply then runs without the picture).
  bool Start();
  void Show() const;
  void Hide() const;
  void Stop();
  bool running() const { return thread_.joinable(); }
  bool shown() const { return shown_.load(); }

 private:
  void Run();

  HWND window_;
  UINT frameMessage_;
  std::thread thread_;
  std::atomic<DWORD> threadId_{0};
  std::atomic<bool> shown_{false};
};

}  // namespace mv::ui
