// Morvane.exe as a process beside the simulated library (its keyboard starts plugged in): a second
// start opens the running window and ends, "/kill" in any case ends the running instance, "/Kill"
// with none running starts normally, "/Start" stays in the tray, with no keyboard the window stays
// hidden, and a missing library ends the program with exit code 0.
#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "platform/files.h"
#include "platform/system.h"
#include "platform/unique_handle_win.h"
#include "scratch_folder.h"
#include "ui/app/instance.h"
#include "ui/framework/wide_text.h"

namespace mv::ui {
namespace {

using namespace std::chrono_literals;

bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout = 30s) {
  const auto end = std::chrono::steady_clock::now() + timeout;
  while (!condition()) {
    if (std::chrono::steady_clock::now() > end) return false;
    std::this_thread::sleep_for(20ms);
  }
  return true;
}

struct TaggedSearch {
  DWORD pid;
  HWND found = nullptr;
};

BOOL CALLBACK FindTagged(HWND window, LPARAM lParam) {
  auto* search = reinterpret_cast<TaggedSearch*>(lParam);
  DWORD owner = 0;
  ::GetWindowThreadProcessId(window, &owner);
  if (owner == search->pid && ::GetWindowLongPtrW(window, GWLP_USERDATA) == kMainWindowTag) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

class Program {
 public:
  Program(const std::u16string& exe, const std::u16string& arguments, const std::u16string& folder) {
    // Under load Wine now and then refuses a process start for a moment: try again before
    // calling the start failed, and keep the reason when it does.
    for (int attempt = 0; attempt < 3 && !process_; ++attempt) {
      if (attempt > 0) std::this_thread::sleep_for(200ms);
      std::u16string line = u"\"" + exe + u"\" " + arguments;
      STARTUPINFOW startup{};
      startup.cb = sizeof(startup);
      PROCESS_INFORMATION info{};
      if (::CreateProcessW(Wide(exe), reinterpret_cast<wchar_t*>(line.data()), nullptr, nullptr, FALSE, 0, nullptr,
                           Wide(folder), &startup, &info)) {
        process_.Reset(info.hProcess);
        const platform::UniqueHandle thread(info.hThread);  // not needed: closed at once
        processId_ = info.dwProcessId;
      } else {
        error_ = ::GetLastError();
      }
    }
  }
  ~Program() {
    if (process_ && ::WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT) ::TerminateProcess(process_.get(), 99);
  }
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  bool started() const { return static_cast<bool>(process_); }
  DWORD error() const { return error_; }
  // The exit code once it ended within the time, else STILL_ACTIVE.
  DWORD WaitForExit(std::chrono::milliseconds timeout = 30s) const {
    if (::WaitForSingleObject(process_.get(), static_cast<DWORD>(timeout.count())) != WAIT_OBJECT_0) return STILL_ACTIVE;
    DWORD code = STILL_ACTIVE;
    ::GetExitCodeProcess(process_.get(), &code);
    return code;
  }
  bool Running() const { return ::WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT; }
  HWND MainWindow() const {
    TaggedSearch search{processId_};
    ::EnumWindows(&FindTagged, reinterpret_cast<LPARAM>(&search));
    return search.found;
  }
  bool WindowVisible() const {
    HWND w = MainWindow();
    return w && ::IsWindowVisible(w);
  }

 private:
  platform::UniqueHandle process_;
  DWORD processId_ = 0;
  DWORD error_ = 0;
};

class ProcessTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(platform::FileExists(exe)) << "Morvane.exe must be built beside the tests";
    ASSERT_EQ(FindInstanceProcess(u"Morvane.exe"), 0u) << "an instance is still running";
    (void)platform::RemoveFile(profileFile);
  }
  // The running instance has read the keyboard (it writes the profile file from it).
  bool KeyboardRead() const { return platform::FileExists(profileFile); }

  std::u16string bin = platform::FolderOf(platform::ExecutablePath());
  std::u16string exe = bin + u"Morvane.exe";
  std::u16string profileFile = platform::DocumentsFolder() + u"\\Tamro\\$Profile0";
};

TEST_F(ProcessTest, StartStaysInTheTraySecondStartOpensItAndLowerCaseKillEndsIt) {
  Program first(exe, u"/Start", bin);
  ASSERT_TRUE(first.started());
  ASSERT_TRUE(WaitUntil([&] { return first.MainWindow() != nullptr && KeyboardRead(); }));
  // After the read the window would have been opened by now without "/Start".
  std::this_thread::sleep_for(500ms);
  EXPECT_FALSE(first.WindowVisible());

  Program second(exe, u"", bin);
  ASSERT_TRUE(second.started());
  EXPECT_EQ(second.WaitForExit(), 0u);
  EXPECT_TRUE(WaitUntil([&] { return first.WindowVisible(); }));
  EXPECT_TRUE(first.Running());

  Program killer(exe, u"/kill", bin);
  ASSERT_TRUE(killer.started()) << "CreateProcess error " << killer.error();
  EXPECT_EQ(killer.WaitForExit(), 0u);
  EXPECT_EQ(first.WaitForExit(), 0u);
}

TEST_F(ProcessTest, KillWithNoneRunningStartsNormally) {
  Program program(exe, u"/Kill", bin);
  ASSERT_TRUE(program.started());
  EXPECT_TRUE(WaitUntil([&] { return program.WindowVisible(); }));  // opened by itself: a keyboard is present
  Program killer(exe, u"/KILL", bin);
  EXPECT_EQ(killer.WaitForExit(), 0u);
  EXPECT_EQ(program.WaitForExit(), 0u);
}

TEST_F(ProcessTest, WithNoKeyboardTheWindowStaysInTheTray) {
  // A copy of the program beside a simulated library whose keyboard starts unplugged.
  mv::test::ScratchFolder folder;
  namespace fs = std::filesystem;
  const fs::path from(bin), to(folder.Path());
  std::error_code error;
  for (const char* name : {"Morvane.exe", "Quenlink.dll"}) fs::copy_file(from / name, to / name, error);
  fs::copy(from / "Skins", to / "Skins", fs::copy_options::recursive, error);
  ASSERT_FALSE(error) << error.message();
  ASSERT_TRUE(mv::test::WriteBytes(folder.Path(u"Quenlink.ini"), "[Keyboard]\r\nPresent=0\r\n"));
  const std::u16string copy = folder.Path(u"Morvane.exe");

  Program program(copy, u"", folder.Path());
  ASSERT_TRUE(program.started());
  ASSERT_TRUE(WaitUntil([&] { return program.MainWindow() != nullptr; }));
  // Its start-up and the dialog manager's first show have passed by now.
  std::this_thread::sleep_for(1500ms);
  EXPECT_FALSE(program.WindowVisible());
  EXPECT_FALSE(KeyboardRead());

  Program killer(copy, u"/Kill", folder.Path());
  EXPECT_EQ(killer.WaitForExit(), 0u);
  EXPECT_EQ(program.WaitForExit(), 0u);
}

TEST_F(ProcessTest, MissingDeviceLibraryEndsWithExitCodeZero) {
  mv::test::ScratchFolder folder;
  const std::u16string copy = folder.Path(u"Morvane.exe");
  ASSERT_TRUE(::CopyFileW(Wide(exe), Wide(copy), FALSE));
  Program program(copy, u"", folder.Path());
  ASSERT_TRUE(program.started());
  EXPECT_EQ(program.WaitForExit(), 0u);
}

}  // namespace
}  // namespace mv::ui
