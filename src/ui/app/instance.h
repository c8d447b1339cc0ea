// Single instance: finding a running copy of the program and asking its main window to open or
// to exit, and the shell "open" calls the start-up and the main window make.
#pragma once

#include <windows.h>

#include <string>

#include "platform/unique_handle_win.h"

namespace mv::ui {

inline constexpr wchar_t kInstanceMutexName[] = L"Morvane_Mutex_09A";
inline constexpr LONG_PTR kMainWindowTag = 0x4D41494E;  // "MAIN"
inline constexpr UINT kMsgOpen = 0x5350;
inline constexpr WPARAM kOpenRequest = 0x4F50454E;  // "OPEN"
inline constexpr UINT kMsgKill = 0x4D4B;
inline constexpr WPARAM kKillRequest = 0x4C4C494B;  // the bytes of "KILL" in memory order

enum class InstanceRequest { kOpen = 0, kKill = 1 };

// The single-instance mutex, taken by the first instance and held until it exits.
class InstanceMutex {
 public:
  InstanceMutex() = default;
  ~InstanceMutex() { Release(); }
  InstanceMutex(const InstanceMutex&) = delete;
  InstanceMutex& operator=(const InstanceMutex&) = delete;

  // Whether a process of this session has created it already.
  static bool Exists();
  // Creates it owned by this thread.
  void Take();
  // Releases and closes it; nothing when not taken.
  void Release();

 private:
  platform::UniqueHandle handle_;
};

// The first process, in the order the system lists them, whose executable file name equals name
// (case-insensitive); this process itself is passed over. 0 when there is none.
DWORD FindInstanceProcess(const std::u16string& executableName);

enum class SignalResult { kDelivered, kNoWindow, kNoAnswer };

// Sends the request to the first top-level window of the process that carries the main window's
// tag, waiting at most timeoutMs for it to be taken: a hung instance must not hang this one.
SignalResult SignalInstanceWindow(DWORD processId, InstanceRequest request, UINT timeoutMs = 5000);

// The shell's "open" verb on a file or address; false when the shell refused. No error dialog.
bool ShellOpen(const std::u16string& target, int show);

}  // namespace mv::ui
