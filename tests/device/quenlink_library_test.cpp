// The built device library loaded the way the program loads it (Windows: Quenlink.dll by bare name
// from the program folder; POSIX: the Quenlink.so beside this test), one settings-block read through
// it, and the loader's failure path.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <string>

#include "device/commands.h"
#include "device/exchange.h"
#include "device/settings_block.h"
#include "device/quenlink_loader.h"
#include "platform/files.h"
#include "platform/system.h"
#include "platform/text.h"

namespace mv::device {
namespace {

std::atomic<CommandExchange*> g_exchange{nullptr};

int OnEvent(const void* record) {
  const DecodedEvent e = DecodeEventRecord(record);
  if (e.valid && e.kind == kEventInputReport && e.tag == kTagCtrl) {
    if (CommandExchange* x = g_exchange.load()) x->DeliverReply(e.data, e.count);
  }
  return 1;
}

#ifdef _WIN32
// Runs simctl (beside this test) with the arguments and returns what it printed.
std::string Simctl(const std::string& arguments) {
  const std::string command =
      "\"" + Utf16ToUtf8(platform::FolderOf(platform::ExecutablePath())) + "simctl.exe\" " + arguments;
  std::string out;
  if (FILE* pipe = _popen(command.c_str(), "r")) {
    char buffer[512];
    while (std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe)) out.append(buffer, n);
    _pclose(pipe);
  }
  return out;
}
#endif

std::u16string LibraryPath() {
#ifdef _WIN32
  return kQuenlinkLibraryName;
#else
  return platform::FolderOf(platform::ExecutablePath()) + u"Quenlink.so";
#endif
}

TEST(QuenlinkLoaderTest, MissingLibraryIsReportedAndLeavesTheApiEmpty) {
  QuenlinkApi api;
  EXPECT_EQ(LoadQuenlink(u"NoSuchLibrary_Quenlink_x.dll", api), 0);
  EXPECT_FALSE(api.IsComplete());
}

TEST(QuenlinkLibraryTest, ReadsTheSettingsBlockThroughTheLibrary) {
#ifndef _WIN32
  if (!platform::FileExists(LibraryPath())) GTEST_SKIP() << "Quenlink.so not built in this tree";
#endif
  QuenlinkApi api;
  ASSERT_EQ(LoadQuenlink(LibraryPath(), api), 1);
  ASSERT_TRUE(api.IsComplete());
  ASSERT_GT(api.Init(0), 0);
  CommandExchange exchange(api);
  g_exchange = &exchange;
  int ctrl = 0;
  ASSERT_EQ(SubmitAsyncRead(api, kCommandUnit, kTagCtrl, &OnEvent, ctrl), 1);

  DeviceCommands commands(exchange);
  SettingsBlock block;
  EXPECT_EQ(commands.ReadSettingsBlock(block.Bytes()), kOk);
  EXPECT_EQ(block.MacroCapacity(), 255);  // the factory macro capacity
  std::array<std::uint8_t, kKeyBlockSize> layout{};
  EXPECT_EQ(commands.ReadDefaultKeyBlock(layout), kOk);
  EXPECT_EQ(layout[8 * 3 + 2], 0x29);

#ifdef _WIN32
  // Another process drives the same keyboard through the control pipe.
  const std::string log = Simctl("log");
  EXPECT_EQ(log.rfind("04 ", 0), 0u) << log;
  EXPECT_EQ(Simctl("unplug"), "ok\n");
  EXPECT_EQ(commands.BeginSession(), kNoDevice);
  EXPECT_EQ(Simctl("plug"), "ok\n");
  EXPECT_EQ(commands.BeginSession(), kOk);
  EXPECT_EQ(Simctl("consumer 0x10000").rfind("error", 0), 0u);
#endif

  api.DeleteRequestFromUnitId(ctrl);
  EXPECT_EQ(api.End(), 1);
  g_exchange = nullptr;
}

}  // namespace
}  // namespace mv::device
