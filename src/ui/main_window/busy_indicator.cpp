// The busy indicator thread.
#include "ui/main_window/busy_indicator.h"

namespace mv::ui {

BusyIndicator::BusyIndicator(HWND window, UINT frameMessage) : window_(window), frameMessage_(frameMessage) {}

bool BusyIndicator::Start() {
  if (thread_.joinable()) return true;
  HANDLE ready = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
  if (!ready) return false;
  thread_ = std::thread([this, ready] {
    MSG msg;
    ::PeekMessageW(&msg, nullptr, WM_USER, WM_USER, PM_NOREMOVE);  // makes the queue
    threadId_.store(::GetCurrentThreadId());
    ::SetEvent(ready);
    Run();
  });
  ::WaitForSingleObject(ready, INFINITE);
  ::CloseHandle(ready);
  return true;
}

void BusyIndicator::Show() const {
  if (const DWORD id = threadId_.load()) ::PostThreadMessageW(id, kBusyShow, 0, 0);
}

void BusyIndicator::Hide() const {
  if (const DWORD id = threadId_.load()) ::PostThreadMessageW(id, kBusyHide, 0, 0);
}

void BusyIndicator::Stop() {
  if (!thread_.joinable()) return;
  ::PostThreadMessageW(threadId_.load(), WM_QUIT, 0, 0);
  thread_.join();
  threadId_.store(0);
}

void BusyIndicator::Run() {
  UINT_PTR timer = 0;
  int frame = 0;
  MSG msg;
  while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (msg.message == kBusyShow) {
      frame = 0;
      shown_.store(true);
      ::PostMessageW(window_, frameMessage_, static_cast<WPARAM>(frame), 0);
      if (!timer) timer = ::SetTimer(nullptr, kBusyTimer, 50, nullptr);
    } else if (msg.message == kBusyHide) {
      ::Sleep(100);
      if (timer) ::KillTimer(nullptr, timer);
      timer = 0;
      shown_.store(false);
      ::PostMessageW(window_, frameMessage_, static_cast<WPARAM>(-1), 0);
    } else if (msg.message == WM_TIMER && timer && msg.wParam == timer) {
      frame = (frame + 1) % kBusyFrameCount;
      ::PostMessageW(window_, frameMessage_, static_cast<WPARAM>(frame), 0);
    }
  }
  if (timer) ::KillTimer(nullptr, timer);
}

}  // namespace mv::ui
