// The control channel as a message-mode named pipe: connect, write one command, read the answer.
#include <windows.h>

#include <utility>

#include "platform/unique_handle_win.h"
#include "sim/control_channel.h"
#include "sim/control_commands.h"

namespace mv::sim {
namespace {

constexpr DWORD kBufferSize = 64 * 1024;

HANDLE CreatePipe(const std::u16string& name) {
  return CreateNamedPipeW(reinterpret_cast<const wchar_t*>(name.c_str()), PIPE_ACCESS_DUPLEX,
                          PIPE_TYPE_MESSAGE | PIPE_READMODE_MESSAGE | PIPE_WAIT, 1, kBufferSize, kBufferSize, 0,
                          nullptr);
}

std::string ReadRequest(HANDLE pipe) {
  std::string request;
  char buffer[512];
  for (;;) {
    DWORD got = 0;
    const BOOL ok = ReadFile(pipe, buffer, sizeof buffer, &got, nullptr);
    request.append(buffer, got);
    if (ok || GetLastError() != ERROR_MORE_DATA || request.size() > 4096) break;
  }
  return request;
}

void Answer(HANDLE pipe, const std::string& answer) {
  DWORD written = 0;
  WriteFile(pipe, answer.data(), static_cast<DWORD>(answer.size()), &written, nullptr);
  FlushFileBuffers(pipe);
}

}  // namespace

bool ControlChannel::Start(SimulatedKeyboard& keyboard, const std::u16string& name) {
  Stop();
  // The first instance is created here so a failure is reported to the caller.
  platform::UniqueHandle pipe(CreatePipe(name));
  if (!pipe) return false;
  keyboard_ = &keyboard;
  name_ = name;
  firstPipe_ = pipe.Release();  // Serve takes it over
  stopping_ = false;
  serverDone_ = false;
  thread_ = std::thread([this] { Serve(); });
  return true;
}

void ControlChannel::Stop() {
  if (!thread_.joinable()) return;
  stopping_ = true;
  // Wake the server from ConnectNamedPipe by connecting ourselves; it may be busy with a client or
  // between two pipe instances, so try until it has gone.
  const auto* name = reinterpret_cast<const wchar_t*>(name_.c_str());
  for (int attempt = 0; attempt < 500 && !serverDone_; ++attempt) {
    if (const platform::UniqueHandle wake{
            CreateFileW(name, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr)}) {
      break;
    }
    if (GetLastError() == ERROR_PIPE_BUSY) WaitNamedPipeW(name, 10);
    else Sleep(1);
  }
  thread_.join();
}

void ControlChannel::Serve() {
  platform::UniqueHandle pipe(static_cast<HANDLE>(std::exchange(firstPipe_, nullptr)));
  while (pipe) {
    const BOOL connected = ConnectNamedPipe(pipe.get(), nullptr) || GetLastError() == ERROR_PIPE_CONNECTED;
    if (stopping_) break;
    if (connected) Answer(pipe.get(), RunControlCommand(*keyboard_, ReadRequest(pipe.get())));
    DisconnectNamedPipe(pipe.get());
    pipe.Reset();  // first: the pipe allows one instance at a time
    if (!stopping_) pipe.Reset(CreatePipe(name_));
  }
  serverDone_ = true;
}

}  // namespace mv::sim
