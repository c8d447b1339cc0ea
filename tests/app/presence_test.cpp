// The presence steps over a recording link: what an arrival, a removal and a repeated count do,
// the first-open rule, giving up at shutdown; the tray icon choice and the tray-icon threads; the
// presence worker that merges bursts of events.
#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "app/presence.h"

namespace mv::app {
namespace {

std::string NameOf(TrayIcon icon) {
  switch (icon) {
    case TrayIcon::kNoKeyboard:
      return "no keyboard";
    case TrayIcon::kKeyboardPresent:
      return "present";
    case TrayIcon::kPlay:
      return "play";
  }
  return "?";
}

class RecordingLink final : public PresenceLink {
 public:
  bool ReadDefaultKeyBlock() override { return Add("default block", defaultBlockOk); }
  bool ReadMacroCapacity() override { return Add("settings", true); }
  void Tell(TextId text) override { Add(text == TextId::MAIN_DEFAULT_MATRIX_PROMPT ? "tell layout" : "tell", true); }
  void ReloadFromKeyboard() override {
    Add("reload", true);
    if (duringRead) duringRead();
  }
  void KeyboardRemoved() override { Add("removed", true); }
  bool WindowReady() override { return readyAfter-- <= 0; }
  void Pause(unsigned ms) override {
    ++pauses;
    if (stopOnPause) stopOnPause->store(true);
    (void)ms;
  }
  void SetTrayIcon(TrayIcon icon) override { Add("icon " + NameOf(icon), true); }
  void OpenWindow() override { Add("open", true); }

  bool Add(std::string call, bool result) {
    calls.push_back(std::move(call));
    return result;
  }
  std::vector<std::string> calls;
  bool defaultBlockOk = true;
  int readyAfter = 0;
  int pauses = 0;
  std::atomic<bool>* stopOnPause = nullptr;
  std::function<void()> duringRead;
};

using Calls = std::vector<std::string>;

class PresenceTest : public ::testing::Test {
 protected:
  PresenceState state;
  TrayIconChoice icons;
  RecordingLink link;
};

TEST_F(PresenceTest, FirstArrivalReadsTheKeyboardAndOpensTheWindowOnce) {
  EXPECT_TRUE(PresenceUpdate(1, state, icons, link));
  EXPECT_EQ(link.calls, (Calls{"default block", "settings", "reload", "icon present", "open"}));
  EXPECT_EQ(state.lastPresence.load(), 1);
  EXPECT_TRUE(state.firstOpen.load());

  link.calls.clear();
  EXPECT_TRUE(PresenceUpdate(0, state, icons, link));
  EXPECT_EQ(link.calls, (Calls{"removed", "icon no keyboard"}));
  link.calls.clear();
  EXPECT_TRUE(PresenceUpdate(1, state, icons, link));
  EXPECT_EQ(link.calls, (Calls{"default block", "settings", "reload", "icon present"}));  // not opened again
}

TEST_F(PresenceTest, TheSameCountDoesNothing) {
  state.lastPresence = 1;
  EXPECT_TRUE(PresenceUpdate(1, state, icons, link));
  EXPECT_TRUE(link.calls.empty());
}

TEST_F(PresenceTest, StartSwitchOrNoKeyboardKeepsTheWindowClosed) {
  state.firstOpen = true;  // "/Start"
  EXPECT_TRUE(PresenceUpdate(1, state, icons, link));
  EXPECT_EQ(link.calls.back(), "icon present");

  PresenceState empty;
  RecordingLink other;
  EXPECT_TRUE(PresenceUpdate(0, empty, icons, other));  // nothing was present: no removal
  EXPECT_TRUE(other.calls.empty());  // no change from the start count: the window handles that case
}

TEST_F(PresenceTest, AnOpenAskedForDuringTheReadOpensTheWindowWhenTheReadEnds) {
  state.firstOpen = true;  // "/Start": the read alone would not open the window
  bool deferred = false;
  link.duringRead = [&] { deferred = DeferOpenWhileReading(state); };
  EXPECT_TRUE(PresenceUpdate(1, state, icons, link));
  EXPECT_TRUE(deferred);
  EXPECT_EQ(link.calls, (Calls{"default block", "settings", "reload", "icon present", "open"}));
  EXPECT_FALSE(state.openRequested.load());

  // Outside a read the request is answered at once, and no later update opens the window for it.
  EXPECT_FALSE(DeferOpenWhileReading(state));
  link.calls.clear();
  link.duringRead = nullptr;
  EXPECT_TRUE(PresenceUpdate(0, state, icons, link));
  EXPECT_TRUE(PresenceUpdate(1, state, icons, link));
  EXPECT_EQ(link.calls.back(), "icon present");
}

TEST_F(PresenceTest, AFailedLayoutReadIsToldAndTheRestStillRuns) {
  link.defaultBlockOk = false;
  EXPECT_TRUE(PresenceUpdate(1, state, icons, link));
  EXPECT_EQ(link.calls, (Calls{"default block", "tell layout", "settings", "reload", "icon present", "open"}));
}

TEST_F(PresenceTest, WaitsForTheWindowAndGivesUpWhenStopping) {
  link.readyAfter = 3;
  EXPECT_TRUE(PresenceUpdate(1, state, icons, link));
  EXPECT_EQ(link.pauses, 3);

  PresenceState stopping;
  RecordingLink never;
  never.readyAfter = 1 << 30;
  never.stopOnPause = &stopping.stopping;
  EXPECT_FALSE(PresenceUpdate(1, stopping, icons, never));
  // The keyboard was read before the wait began, so it already counts as present: an Open request
  // handled while the window is still busy must not answer "no device".
  EXPECT_EQ(stopping.lastPresence.load(), 1);
  EXPECT_EQ(never.calls.back(), "reload");
}

TEST(PresenceThreads, TwoArrivalsCloseTogetherReadTheKeyboardOnce) {
  PresenceState state;
  TrayIconChoice icons;
  std::atomic<int> reads{0};
  class CountingLink final : public PresenceLink {
   public:
    explicit CountingLink(std::atomic<int>& reads) : reads_(reads) {}
    bool ReadDefaultKeyBlock() override {
      reads_.fetch_add(1);
      std::this_thread::sleep_for(std::chrono::milliseconds(20));  // a read takes a while
      return true;
    }
    bool ReadMacroCapacity() override { return true; }
    void Tell(TextId) override {}
    void ReloadFromKeyboard() override {}
    void KeyboardRemoved() override {}
    bool WindowReady() override { return true; }
    void Pause(unsigned) override {}
    void SetTrayIcon(TrayIcon) override {}
    void OpenWindow() override {}

   private:
    std::atomic<int>& reads_;
  } link(reads);
  {
    // The start-up count and an arrival report, close together: one update at a time, and the
    // second sees the first's count.
    PresenceWorker worker([&](int count) { (void)PresenceUpdate(count, state, icons, link); });
    for (int i = 0; i < 2; ++i) worker.Post(1);
    while (!worker.Idle()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  EXPECT_EQ(reads.load(), 1);
}

TEST(TrayIconChoice, ShowsOnlyChangesAndRemembersThePresenceIcon) {
  TrayIconChoice icons;
  EXPECT_EQ(icons.Show(TrayIcon::kNoKeyboard), TrayIcon::kNoKeyboard);
  EXPECT_EQ(icons.Show(TrayIcon::kNoKeyboard), std::nullopt);  // already shown
  EXPECT_EQ(icons.SelectPresence(TrayIcon::kKeyboardPresent), TrayIcon::kKeyboardPresent);
  EXPECT_EQ(icons.SelectPlay(), TrayIcon::kPlay);
  EXPECT_EQ(icons.SelectPresence(), TrayIcon::kKeyboardPresent);  // back to the presence icon
  EXPECT_EQ(icons.PresenceIcon(), TrayIcon::kKeyboardPresent);
  icons.Clear();
  EXPECT_EQ(icons.Current(), std::nullopt);
  EXPECT_EQ(icons.SelectPresence(), TrayIcon::kKeyboardPresent);  // shown again after a clear
}

TEST(TrayIconThreads, PlayThenEndLeavesThePresenceIcon) {
  TrayIconGate gate;
  TrayIconChoice icons;
  (void)icons.SelectPresence(TrayIcon::kKeyboardPresent);
  std::atomic<bool> stopping{false};
  std::vector<TrayIcon> shown;
  WorkerThreads threads;
  std::mutex lock;
  auto setIcon = [&](TrayIcon icon) {
    std::lock_guard guard(lock);
    shown.push_back(icon);
  };
  auto pause = [](unsigned ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); };
  threads.Start([&] { RunTrayIconThread(true, gate, icons, stopping, setIcon, pause); });
  threads.JoinAll();
  threads.Start([&] { RunTrayIconThread(false, gate, icons, stopping, setIcon, pause); });
  threads.JoinAll();
  EXPECT_EQ(shown, (std::vector<TrayIcon>{TrayIcon::kPlay, TrayIcon::kKeyboardPresent}));
  EXPECT_FALSE(gate.Busy());
  EXPECT_EQ(icons.Current(), TrayIcon::kKeyboardPresent);
}

TEST(TrayIconThreads, AWaitingThreadGivesUpWhenStopping) {
  TrayIconGate gate;
  ASSERT_TRUE(gate.TryTake());
  TrayIconChoice icons;
  std::atomic<bool> stopping{false};
  int changes = 0;
  RunTrayIconThread(true, gate, icons, stopping, [&](TrayIcon) { ++changes; }, [&](unsigned) { stopping = true; });
  EXPECT_EQ(changes, 0);
  EXPECT_TRUE(gate.Busy());  // still the other thread's
}

TEST(WorkerThreads, JoinsEveryThreadItStarted) {
  std::atomic<int> ran{0};
  {
    WorkerThreads threads;
    for (int i = 0; i < 8; ++i) threads.Start([&] { ran.fetch_add(1); });
  }  // the destructor joins
  EXPECT_EQ(ran.load(), 8);
}

}  // namespace
}  // namespace mv::app

namespace mv::app {
namespace {

// An update that holds its thread until released, recording the counts it ran with.
class HeldUpdates {
 public:
  void operator()(int count) {
    std::unique_lock lock(lock_);
    counts_.push_back(count);
    changed_.notify_all();
    changed_.wait(lock, [&] { return released_; });
  }
  void Release() {
    std::lock_guard lock(lock_);
    released_ = true;
    changed_.notify_all();
  }
  void WaitForFirst() {
    std::unique_lock lock(lock_);
    changed_.wait(lock, [&] { return !counts_.empty(); });
  }
  std::vector<int> Counts() {
    std::lock_guard lock(lock_);
    return counts_;
  }

 private:
  std::mutex lock_;
  std::condition_variable changed_;
  std::vector<int> counts_;
  bool released_ = false;
};

void WaitUntilIdle(const PresenceWorker& worker) {
  while (!worker.Idle()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

TEST(PresenceWorker, ABurstOfEventsMergesIntoOneFollowUpOfTheNewestCountOnOneThread) {
  HeldUpdates updates;
  PresenceWorker worker([&](int count) { updates(count); });
  worker.Post(1);
  updates.WaitForFirst();
  for (int i = 0; i < 200; ++i) worker.Post(i % 2);  // replugs while the first read runs; ends on 1
  updates.Release();
  WaitUntilIdle(worker);
  EXPECT_EQ(updates.Counts(), (std::vector<int>{1, 1}));
  EXPECT_EQ(worker.threadsStarted(), 1);

  worker.Post(0);  // a later event starts the next update
  WaitUntilIdle(worker);
  EXPECT_EQ(updates.Counts(), (std::vector<int>{1, 1, 0}));
  EXPECT_LE(worker.threadsStarted(), 2);
}

TEST(PresenceWorker, NothingRunsAfterStop) {
  HeldUpdates updates;
  PresenceWorker worker([&](int count) { updates(count); });
  worker.Post(1);
  updates.WaitForFirst();
  worker.Post(0);
  worker.Stop();
  updates.Release();
  WaitUntilIdle(worker);
  worker.Join();
  worker.Post(1);
  EXPECT_EQ(updates.Counts(), (std::vector<int>{1}));
  EXPECT_TRUE(worker.Idle());
}

}  // namespace
}  // namespace mv::app
