// The busy indicator thread.
#include "ui/main_window/busy_indicator.h"

#include "platform/unique_handle_win.h"
#include "ui/framework/user_handle.h"

namespace mv::ui {

BusyIndicator::BusyIndicator(HWND window, UINT frameMessage) : window_(window), frameMessage_(frameMessage) {}

bool BusyIndicator::Start() {
  if (thread_.joinable()) return true;
  const platform::UniqueHandle ready(::CreateEventW(nullptr, TRUE, FALSE, nullptr));
  if (!ready) return false;
  thread_ = std::thread([this, event = ready.get()] {
    MSG msg;
    ::PeekMessageW(&msg, nullptr, WM_USER, WM_USER, PM_NOREMOVE);  // makes the queue
    threadId_.store(::GetCurrentThreadId());
    ::SetEvent(event);
    Run();
  });
  ::WaitForSingleObject(ready.get(), INFINITE);
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
  UniqueTimer timer;  // a thread timer: its WM_TIMER comes with no window
  int frame = 0;
  MSG msg;
  while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (msg.message == kBusyShow) {
      frame = 0;
      shown_.store(true);
      ::PostMessageW(window_, frameMessage_, static_cast<WPARAM>(frame), 0);
      if (!timer) (void)timer.Start(nullptr, kBusyTimer, 50);
    } else if (msg.message == kBusyHide) {
      ::Sleep(100);
      timer.Stop();
      shown_.store(false);
      ::PostMessageW(window_, frameMessage_, static_cast<WPARAM>(-1), 0);
    } else if (msg.message == WM_TIMER && timer && msg.wParam == timer.id()) {
      frame = (frame + 1) % kBusyFrameCount;
      ::PostMessageW(window_, frameMessage_, static_cast<WPARAM>(frame), 0);
    }
  }
}

}  // namespace mv::ui
