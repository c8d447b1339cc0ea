// Finding and signalling a running instance.
#include "ui/app/instance.h"

#include <shellapi.h>
#include <tlhelp32.h>

#include "platform/unique_handle_win.h"
#include "ui/framework/wide_text.h"

namespace mv::ui {

namespace {
struct WindowSearch {
  DWORD processId;
  UINT message;
  WPARAM request;
  UINT timeoutMs;
  SignalResult result = SignalResult::kNoWindow;
};

BOOL CALLBACK SignalIfTagged(HWND window, LPARAM lParam) {
  auto* search = reinterpret_cast<WindowSearch*>(lParam);
  DWORD owner = 0;
  ::GetWindowThreadProcessId(window, &owner);
  if (owner != search->processId || ::GetWindowLongPtrW(window, GWLP_USERDATA) != kMainWindowTag) return TRUE;
  DWORD_PTR reply = 0;
  const bool taken = ::SendMessageTimeoutW(window, search->message, search->request, 0, SMTO_ABORTIFHUNG,
                                           search->timeoutMs, &reply) != 0;
  search->result = taken ? SignalResult::kDelivered : SignalResult::kNoAnswer;
  return FALSE;
}
}  // namespace

bool InstanceMutex::Exists() {
  return platform::UniqueHandle(::OpenMutexW(SYNCHRONIZE, FALSE, kInstanceMutexName)).get() != nullptr;
}

void InstanceMutex::Take() { handle_.Reset(::CreateMutexW(nullptr, TRUE, kInstanceMutexName)); }

void InstanceMutex::Release() {
  if (!handle_) return;
  ::ReleaseMutex(handle_.get());
  handle_.Reset();
}

DWORD FindInstanceProcess(const std::u16string& executableName) {
  const platform::UniqueHandle snapshot(::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
  if (!snapshot) return 0;
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof(entry);
  const DWORD self = ::GetCurrentProcessId();
  for (BOOL more = ::Process32FirstW(snapshot.get(), &entry); more; more = ::Process32NextW(snapshot.get(), &entry)) {
    if (entry.th32ProcessID != self && ::lstrcmpiW(entry.szExeFile, Wide(executableName)) == 0)
      return entry.th32ProcessID;
  }
  return 0;
}

SignalResult SignalInstanceWindow(DWORD processId, InstanceRequest request, UINT timeoutMs) {
  WindowSearch search{processId, request == InstanceRequest::kOpen ? kMsgOpen : kMsgKill,
                      request == InstanceRequest::kOpen ? kOpenRequest : kKillRequest, timeoutMs};
  ::EnumWindows(&SignalIfTagged, reinterpret_cast<LPARAM>(&search));
  return search.result;
}

bool ShellOpen(const std::u16string& target, int show) {
  SHELLEXECUTEINFOW info{};
  info.cbSize = sizeof(info);
  info.fMask = SEE_MASK_FLAG_NO_UI;
  info.lpVerb = L"open";
  info.lpFile = Wide(target);
  info.lpParameters = L"";
  info.nShow = show;
  return ::ShellExecuteExW(&info) != FALSE;
}

}  // namespace mv::ui
