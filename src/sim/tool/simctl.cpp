// simctl: drives the simulated keyboard of a running program through its control pipe.
//   simctl [--pipe NAME] plug | unplug | consumer 0x2FF | log | led | help | ...
// Prints the answer; exit code 0 on success, 1 when the keyboard refused the command, 2 when no
// program with a simulated keyboard is running. "help" (or no command) needs no running program.
#include <windows.h>

#include <cstdio>
#include <string>

#include "platform/unique_handle_win.h"
#include "sim/control_commands.h"

namespace {

mv::platform::UniqueHandle Connect(const std::wstring& name) {
  for (int attempt = 0; attempt < 50; ++attempt) {
    mv::platform::UniqueHandle pipe(
        CreateFileW(name.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    if (pipe) return pipe;
    if (GetLastError() != ERROR_PIPE_BUSY) return {};
    WaitNamedPipeW(name.c_str(), 100);
  }
  return {};
}

bool Send(HANDLE pipe, const std::string& command, std::string& answer) {
  DWORD mode = PIPE_READMODE_MESSAGE;
  if (!SetNamedPipeHandleState(pipe, &mode, nullptr, nullptr)) return false;
  DWORD written = 0;
  if (!WriteFile(pipe, command.data(), static_cast<DWORD>(command.size()), &written, nullptr)) return false;
  char buffer[4096];
  for (;;) {
    DWORD got = 0;
    const BOOL ok = ReadFile(pipe, buffer, sizeof buffer, &got, nullptr);
    answer.append(buffer, got);
    if (ok) return true;
    if (GetLastError() != ERROR_MORE_DATA) return false;
  }
}

}  // namespace

int main(int argc, char** argv) {
  std::wstring pipeName(mv::sim::kControlPipeName,
                        mv::sim::kControlPipeName + std::char_traits<char16_t>::length(mv::sim::kControlPipeName));
  int first = 1;
  if (argc > 2 && std::string(argv[1]) == "--pipe") {
    pipeName.clear();
    for (const char* p = argv[2]; *p; ++p) pipeName += static_cast<wchar_t>(static_cast<unsigned char>(*p));
    first = 3;
  }
  std::string command;
  for (int i = first; i < argc; ++i) {
    if (!command.empty()) command += ' ';
    command += argv[i];
  }
  if (command.empty() || command == "help" || command == "--help" || command == "-h") {
    std::printf("usage: simctl [--pipe NAME] COMMAND [ARGUMENTS]\n"
                "Drives the simulated keyboard (Quenlink.dll) of a running Morvane.exe. Commands:\n%s",
                mv::sim::ControlHelpText().c_str());
    return 0;
  }
  const mv::platform::UniqueHandle pipe = Connect(pipeName);
  if (!pipe) {
    std::fprintf(stderr, "simctl: no simulated keyboard is running\n");
    return 2;
  }
  std::string answer;
  if (!Send(pipe.get(), command, answer)) {
    std::fprintf(stderr, "simctl: the control channel broke off\n");
    return 2;
  }
  std::fwrite(answer.data(), 1, answer.size(), stdout);
  return answer.rfind("error", 0) == 0 ? 1 : 0;
}
