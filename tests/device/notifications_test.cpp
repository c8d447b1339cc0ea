// The notification callback against the simulated keyboard: consumer codes become the right sink
// calls, the layer toggle writes the LED status, device changes start presence threads, replies
// still reach the exchange.
#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

#include "device/commands.h"
#include "device/notifications.h"
#include "sim/in_process.h"

namespace mv::device {
namespace {

using namespace std::chrono_literals;

class RecordingSink final : public NotificationSink {
 public:
  void StartTimer(WindowTimer timer, unsigned period) override {
    Add(std::string(timer == WindowTimer::kLightingReread ? "timer reread " : "timer defaults ") + std::to_string(period));
  }
  void LayerChanged(bool layerB) override { Add(layerB ? "layer B" : "layer A"); }
  void StartTrayIconThread(bool play) override { Add(play ? "icon play" : "icon presence"); }
  void StartPresenceThread(int count) override { Add("presence " + std::to_string(count)); }

  // Waits until n calls arrived; the calls so far.
  std::vector<std::string> WaitFor(std::size_t n) {
    std::unique_lock lock(lock_);
    changed_.wait_for(lock, 5s, [&] { return calls_.size() >= n; });
    return calls_;
  }

 private:
  void Add(std::string call) {
    std::lock_guard lock(lock_);
    calls_.push_back(std::move(call));
    changed_.notify_all();
  }
  std::mutex lock_;
  std::condition_variable changed_;
  std::vector<std::string> calls_;
};

class NotificationsTest : public ::testing::Test {
 protected:
  NotificationsTest() : notifications(keyboard.api(), keyboard.exchange(), sink, &NotificationCallback) {
    SetActiveNotifications(&notifications);
    notifications.StartDeviceReads();
  }
  ~NotificationsTest() override { SetActiveNotifications(nullptr); }

  sim::InProcessDevice keyboard;
  RecordingSink sink;
  DeviceNotifications notifications;
};

TEST_F(NotificationsTest, ConsumerCodesBecomeWindowActions) {
  struct Case {
    std::uint16_t code;
    const char* call;
  };
  const Case cases[] = {
      {kCodeLightingReread, "timer reread 0"},
      {kCodeLightingDefaults, "timer defaults 0"},
      {kCodePlayShown, "icon play"},
      {kCodePlayEnded, "icon presence"},
  };
  std::size_t n = 0;
  for (const Case& c : cases) {
    keyboard.keyboard().SendConsumerCode(0x1801);  // a profile key: ignored
    keyboard.keyboard().SendConsumerCode(c.code);
    const auto calls = sink.WaitFor(++n);
    ASSERT_EQ(calls.size(), n) << std::hex << c.code;
    EXPECT_EQ(calls.back(), c.call);
  }
}

TEST_F(NotificationsTest, ThreeLayerPressesLeaveLayerB) {
  for (int i = 0; i < 3; ++i) keyboard.keyboard().SendConsumerCode(kCodeLayerToggle);
  const auto calls = sink.WaitFor(3);
  ASSERT_EQ(calls.size(), 3u);
  EXPECT_EQ(calls[0], "layer B");
  EXPECT_EQ(calls[1], "layer A");
  EXPECT_EQ(calls[2], "layer B");
  EXPECT_TRUE(notifications.LayerB());
  const auto writes = keyboard.keyboard().LedWrites();
  ASSERT_EQ(writes.size(), 3u);
  EXPECT_EQ(writes[0], (std::array<std::uint8_t, 2>{0x05, 0x03}));
  EXPECT_EQ(writes[2], (std::array<std::uint8_t, 2>{0x05, 0x03}));
  EXPECT_NE(notifications.LedRequest(), 0);
}

TEST_F(NotificationsTest, DeviceChangesStartPresenceThreadsWithTheCount) {
  keyboard.keyboard().Unplug();
  keyboard.keyboard().Plug();
  const auto calls = sink.WaitFor(2);
  ASSERT_GE(calls.size(), 2u);
  EXPECT_EQ(calls[0], "presence 0");
  EXPECT_EQ(calls[1], "presence 1");
}

TEST_F(NotificationsTest, RepliesStillReachTheExchange) {
  std::array<std::uint8_t, kSettingsBlockSize> block{};
  EXPECT_EQ(keyboard.commands().ReadSettingsBlock(block), kOk);
}

TEST(NotificationCallback, BadRecordsAndNoReceiverAreHarmless) {
  SetActiveNotifications(nullptr);
  EXPECT_EQ(NotificationCallback(nullptr), 1);
  sim::InProcessDevice keyboard;
  RecordingSink sink;
  DeviceNotifications notifications(keyboard.api(), keyboard.exchange(), sink, &NotificationCallback);
  EXPECT_EQ(notifications.OnDeviceEvent(nullptr), 1);
  // An input report on CONS with no report bytes reads as code 0: ignored.
  EventRecords records;
  BuildEventRecords(records, kEventInputReport, kTagCons, 0, nullptr, nullptr);
  EXPECT_EQ(notifications.OnDeviceEvent(records.event.data()), 1);
  // A device change on another tag starts nothing.
  BuildEventRecords(records, kEventDeviceChange, kTagCons, 1, nullptr, nullptr);
  EXPECT_EQ(notifications.OnDeviceEvent(records.event.data()), 1);
  EXPECT_TRUE(sink.WaitFor(0).empty());
}

TEST(GKeyCaptions, FollowTheLayerForG1ToG5Only) {
  EXPECT_EQ(GKeyCaption(0, false), u"A1");
  EXPECT_EQ(GKeyCaption(4, false), u"A5");
  EXPECT_EQ(GKeyCaption(2, true), u"B3");
  EXPECT_EQ(GKeyCaption(5, true), u"");
  EXPECT_EQ(GKeyCaption(8, false), u"");
  EXPECT_EQ(GKeyCaption(-1, false), u"");
}

}  // namespace
}  // namespace mv::device
