// Keyboard presence and tray icon choice; see presence.h.
#include "app/presence.h"

#include <memory>

namespace mv::app {

std::optional<TrayIcon> TrayIconChoice::Show(TrayIcon icon) {
  std::lock_guard lock(lock_);
  if (current_ == icon) return std::nullopt;
  current_ = icon;
  return icon;
}

std::optional<TrayIcon> TrayIconChoice::SelectPresence(std::optional<TrayIcon> icon) {
  TrayIcon wanted = TrayIcon::kNoKeyboard;
  {
    std::lock_guard lock(lock_);
    if (icon) presence_ = *icon;
    wanted = presence_;
  }
  return Show(wanted);
}

void TrayIconChoice::Clear() {
  std::lock_guard lock(lock_);
  current_.reset();
}

std::optional<TrayIcon> TrayIconChoice::Current() const {
  std::lock_guard lock(lock_);
  return current_;
}

TrayIcon TrayIconChoice::PresenceIcon() const {
  std::lock_guard lock(lock_);
  return presence_;
}

namespace {
constexpr unsigned kReadyPollMs = 50;

void ReadArrivedKeyboard(PresenceLink& link) {
  if (!link.ReadDefaultKeyBlock()) link.Tell(TextId::MAIN_DEFAULT_MATRIX_PROMPT);
  (void)link.ReadMacroCapacity();  // a failed read leaves the capacity as it was
  link.ReloadFromKeyboard();
}
}  // namespace

bool PresenceUpdate(int deviceCount, PresenceState& state, TrayIconChoice& icons, PresenceLink& link) {
  const int last = state.lastPresence.load();
  if (deviceCount == last) return true;
  const bool present = deviceCount != 0;
  if (present) {
    state.reading.store(true);
    ReadArrivedKeyboard(link);
  } else if (last != 0) {
    link.KeyboardRemoved();
  }
  // Stored as soon as the keyboard has been read (not after the tray icon, as the steps were once
  // ordered): an Open request that arrives meanwhile must not be told that no keyboard is present.
  state.lastPresence.store(deviceCount);
  state.reading.store(false);
  while (!link.WindowReady()) {
    if (state.stopping.load()) return false;
    link.Pause(kReadyPollMs);
  }
  if (const auto icon = icons.SelectPresence(present ? TrayIcon::kKeyboardPresent : TrayIcon::kNoKeyboard))
    link.SetTrayIcon(*icon);
  // Taken after reading is cleared: a request made while it was set is seen here.
  const bool requested = state.openRequested.exchange(false);
  if (present && (requested || !state.firstOpen.load())) link.OpenWindow();
  state.firstOpen.store(true);
  return true;
}

bool DeferOpenWhileReading(PresenceState& state) {
  // Asked before looking: if the read ends meanwhile, the update that ends it sees the request.
  state.openRequested.store(true);
  if (state.reading.load()) return true;
  state.openRequested.store(false);  // answered now (a second open from the update is harmless)
  return false;
}

void RunTrayIconThread(bool play, TrayIconGate& gate, TrayIconChoice& icons, const std::atomic<bool>& stopping,
                       const std::function<void(TrayIcon)>& setIcon, const std::function<void(unsigned)>& pause) {
  while (!gate.TryTake()) {
    if (stopping.load()) return;
    pause(1);
  }
  if (const auto icon = play ? icons.SelectPlay() : icons.SelectPresence()) setIcon(*icon);
  pause(1);
  gate.Release();
}

PresenceWorker::~PresenceWorker() {
  Stop();
  Join();
}

void PresenceWorker::Post(int deviceCount) {
  std::lock_guard lock(lock_);
  if (stopped_) return;
  pending_ = deviceCount;
  if (running_) return;  // the running update takes it when it ends
  running_ = true;
  // A thread that let running_ go has nothing left to do: joining it is immediate.
  if (thread_.joinable()) thread_.join();
  ++started_;
  thread_ = std::thread([this] { Run(); });
}

void PresenceWorker::Run() {
  for (;;) {
    int count = 0;
    {
      std::lock_guard lock(lock_);
      if (!pending_ || stopped_) {
        running_ = false;
        return;
      }
      count = *pending_;
      pending_.reset();
    }
    update_(count);
  }
}

void PresenceWorker::Stop() {
  std::lock_guard lock(lock_);
  stopped_ = true;
}

bool PresenceWorker::Idle() const {
  std::lock_guard lock(lock_);
  return !running_;
}

void PresenceWorker::Join() {
  std::thread finished;
  {
    std::lock_guard lock(lock_);
    finished.swap(thread_);
  }
  if (finished.joinable()) finished.join();
}

int PresenceWorker::threadsStarted() const {
  std::lock_guard lock(lock_);
  return started_;
}

void WorkerThreads::Start(std::function<void()> work) {
  std::lock_guard lock(lock_);
  JoinFinishedLocked();
  auto done = std::make_shared<std::atomic<bool>>(false);
  std::thread thread([work = std::move(work), done] {
    work();
    done->store(true);
  });
  workers_.push_back(Worker{std::move(thread), std::move(done)});
}

bool WorkerThreads::AllFinished() const {
  std::lock_guard lock(lock_);
  for (const Worker& worker : workers_) {
    if (!worker.done->load()) return false;
  }
  return true;
}

void WorkerThreads::JoinAll() {
  std::vector<Worker> workers;
  {
    std::lock_guard lock(lock_);
    workers.swap(workers_);
  }
  for (Worker& worker : workers) {
    if (worker.thread.joinable()) worker.thread.join();
  }
}

void WorkerThreads::JoinFinishedLocked() {
  for (auto it = workers_.begin(); it != workers_.end();) {
    if (it->done->load()) {
      it->thread.join();
      it = workers_.erase(it);
    } else {
      ++it;
    }
  }
}

}  // namespace mv::app
