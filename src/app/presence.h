// Keyboard presence: what happens when the device count changes (read the keyboard, reset the
// window, choose the tray icon, open the window on the first connection), the tray icon choice,
// and the short tray-icon threads. Plain logic over PresenceLink, which the main window implements.
#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "app/language.h"

namespace mv::app {

// The tray icons the core chooses between; the window maps each to its icon resource.
enum class TrayIcon { kNoKeyboard, kKeyboardPresent, kPlay };

// The tray icon shown and the presence icon remembered, shared by the presence and icon threads.
class TrayIconChoice {
 public:
  // ShowTrayIcon: the icon to give the tray, or none when it is already shown.
  std::optional<TrayIcon> Show(TrayIcon icon);
  // SelectTrayIcon for the presence: shows the icon given and remembers it as the presence icon;
  // without one, shows the remembered presence icon. Same result as Show.
  std::optional<TrayIcon> SelectPresence(std::optional<TrayIcon> icon = std::nullopt);
  // SelectTrayIcon for a macro being played: shows the play icon.
  std::optional<TrayIcon> SelectPlay() { return Show(TrayIcon::kPlay); }
  // At shutdown: nothing is shown any more.
  void Clear();
  std::optional<TrayIcon> Current() const;
  TrayIcon PresenceIcon() const;

 private:
  mutable std::mutex lock_;
  std::optional<TrayIcon> current_;
  TrayIcon presence_ = TrayIcon::kNoKeyboard;
};

// Flags the presence handling shares with the window.
struct PresenceState {
  std::atomic<int> lastPresence{0};
  std::atomic<bool> firstOpen{false};  // set: the window is not opened automatically any more
  std::atomic<bool> stopping{false};   // shutdown has begun: waiting threads give up
  std::atomic<bool> reading{false};    // an arrived keyboard is being read
  std::atomic<bool> openRequested{false};  // the window was asked to open during a read
};

class PresenceLink {
 public:
  virtual ~PresenceLink() = default;
  // Reads the keyboard's default key block and keeps it as the layout template; false on failure.
  virtual bool ReadDefaultKeyBlock() = 0;
  // Reads the settings block and keeps its macro capacity; false on failure.
  virtual bool ReadMacroCapacity() = 0;
  virtual void Tell(TextId text) = 0;
  // The window reloads its state from the keyboard (a synchronous message).
  virtual void ReloadFromKeyboard() = 0;
  // The keyboard went away: forget the cached profile, cancel open dialogs, hide the window.
  virtual void KeyboardRemoved() = 0;
  virtual bool WindowReady() = 0;
  virtual void Pause(unsigned ms) = 0;
  // Gives the tray the icon (a change TrayIconChoice reported).
  virtual void SetTrayIcon(TrayIcon icon) = 0;
  // Posts the window its Open request.
  virtual void OpenWindow() = 0;
};

// One run of the presence thread for a device count. Returns false when it gave up because the
// program is stopping. An open requested while the keyboard was read (DeferOpenWhileReading) is
// carried out once the read has ended.
bool PresenceUpdate(int deviceCount, PresenceState& state, TrayIconChoice& icons, PresenceLink& link);

// For a request to open the window: true when an arrived keyboard is being read, and the window
// is then opened when the read ends; false when the request is to be answered now (the presence
// known then is final).
bool DeferOpenWhileReading(PresenceState& state);

// Lets one tray-icon thread at a time change the icon.
class TrayIconGate {
 public:
  bool TryTake() { return !busy_.exchange(true); }
  void Release() { busy_.store(false); }
  bool Busy() const { return busy_.load(); }

 private:
  std::atomic<bool> busy_{false};
};

// A tray-icon thread's body: waits (1 ms polls) for the gate unless stopping, shows the play icon
// or the presence icon again, pauses 1 ms and lets the gate go. setIcon receives each change.
void RunTrayIconThread(bool play, TrayIconGate& gate, TrayIconChoice& icons, const std::atomic<bool>& stopping,
                       const std::function<void(TrayIcon)>& setIcon, const std::function<void(unsigned)>& pause);

// The presence updates, run one after another on at most one thread. Device counts reported
// while an update runs are merged: only the newest is kept, and it runs once the current update
// ends. However fast plug and unplug events come, one thread works and a burst costs at most one
// follow-up read.
class PresenceWorker {
 public:
  explicit PresenceWorker(std::function<void(int deviceCount)> update) : update_(std::move(update)) {}
  ~PresenceWorker();
  PresenceWorker(const PresenceWorker&) = delete;
  PresenceWorker& operator=(const PresenceWorker&) = delete;

  // Never waits for an update to finish.
  void Post(int deviceCount);
  // No update starts after this; the running one finishes (poll Idle, then Join).
  void Stop();
  bool Idle() const;
  void Join();
  // Threads started so far.
  int threadsStarted() const;

 private:
  void Run();

  std::function<void(int)> update_;
  mutable std::mutex lock_;
  std::optional<int> pending_;
  bool running_ = false;
  bool stopped_ = false;
  int started_ = 0;
  std::thread thread_;
};

// Threads started one at a time and all joined at the end, so none outlives its owner. Finished
// threads are joined as new ones start.
class WorkerThreads {
 public:
  WorkerThreads() = default;
  ~WorkerThreads() { JoinAll(); }
  WorkerThreads(const WorkerThreads&) = delete;
  WorkerThreads& operator=(const WorkerThreads&) = delete;

  void Start(std::function<void()> work);
  // True when no started thread is still running.
  bool AllFinished() const;
  void JoinAll();

 private:
  struct Worker {
    std::thread thread;
    std::shared_ptr<std::atomic<bool>> done;
  };
  void JoinFinishedLocked();

  mutable std::mutex lock_;
  std::vector<Worker> workers_;
};

}  // namespace mv::app
