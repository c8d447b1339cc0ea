// The control channel's text commands, run directly against a keyboard.
#include "sim/control_commands.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <thread>

#include "sim/in_process.h"

namespace mv::sim {
namespace {

using namespace std::chrono_literals;

TEST(ControlCommandsTest, PlugUnplugAndQueries) {
  SimulatedKeyboard keyboard;
  EXPECT_EQ(RunControlCommand(keyboard, "unplug\n"), "ok\n");
  EXPECT_EQ(RunControlCommand(keyboard, "present"), "0\n");
  EXPECT_EQ(RunControlCommand(keyboard, "  plug  "), "ok\n");
  EXPECT_EQ(RunControlCommand(keyboard, "present"), "1\n");
  EXPECT_EQ(RunControlCommand(keyboard, "led"), "00 00 writes 0\n");
}

TEST(ControlCommandsTest, BadInputIsAnErrorAndChangesNothing) {
  SimulatedKeyboard keyboard;
  for (const char* line : {"", "   ", "frobnicate", "consumer", "consumer 0x10000", "consumer -1", "consumer 12x",
                           "delay 1 2", "refuse 2", "status 1", "status 1 256", "plug now"}) {
    EXPECT_EQ(RunControlCommand(keyboard, line).rfind("error", 0), 0u) << '"' << line << '"';
  }
  EXPECT_TRUE(keyboard.IsPresent());
}

TEST(ControlCommandsTest, HelpGivesEachCommandALineAndEveryListedExampleIsAccepted) {
  SimulatedKeyboard keyboard;
  const std::string help = RunControlCommand(keyboard, "help");
  for (const ControlCommandHelp& c : kControlCommands) {
    EXPECT_NE(help.find(std::string("  ") + c.usage + " "), std::string::npos) << c.usage;
    EXPECT_NE(RunControlCommand(keyboard, c.example).rfind("error", 0), 0u) << c.example;
  }
  EXPECT_EQ(static_cast<std::size_t>(std::count(help.begin(), help.end(), '\n')), std::size(kControlCommands));
}

TEST(ControlCommandsTest, ConsumerCodeAndLogReachTheProgram) {
  InProcessDevice device;
  std::atomic<int> code{0};
  device.SetEventHandler([&](const device::DecodedEvent& e) {
    if (e.tag == device::kTagCons) code = device::ConsumerCodeOf(e);
  });
  EXPECT_EQ(RunControlCommand(device.keyboard(), "consumer 0x2FF"), "ok\n");
  for (int i = 0; i < 5000 && code == 0; ++i) std::this_thread::sleep_for(1ms);
  EXPECT_EQ(code.load(), 0x2FF);

  ASSERT_EQ(device.commands().BeginSession(), device::kOk);
  const std::string log = RunControlCommand(device.keyboard(), "log");
  EXPECT_EQ(log.rfind("04 01 00 01 00", 0), 0u) << log;
  EXPECT_EQ(log.size(), 64u * 3u);  // one line of 64 hex bytes
}

}  // namespace
}  // namespace mv::sim
