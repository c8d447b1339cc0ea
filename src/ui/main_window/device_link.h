// DeviceLink: the program's side of the keyboard. It binds the device library and owns the
// command exchange, the command set, the library's notifications, what is known of the keyboard
// and the presence and tray-icon worker threads. The keyboard's arrival is read on the presence
// worker, never on the window's thread. It reaches the main window only through window
// messages (posted; sent with a time-out by the presence workers) and the tray-icon function it is
// given, so the window never reaches inside and the workers never touch a window object.
#pragma once

#include <windows.h>

#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "app/language.h"
#include "app/presence.h"
#include "device/commands.h"
#include "device/exchange.h"
#include "device/notifications.h"
#include "device/quenlink_api.h"
#include "profiles/profile_file.h"
#include "store/config_store.h"
#include "store/device_state.h"

namespace mv::ui {

class DeviceLink : private device::NotificationSink, private app::PresenceLink {
 public:
  struct WindowLink {
    HWND window = nullptr;                   // receives the private messages of window_messages.h
    std::function<void(app::TrayIcon)> setTrayIcon;  // callable from any thread
  };
  // What the keyboard's arrival read fills: the stores and the profile file.
  struct Configuration {
    store::ConfigStores& stores;
    const LanguageTable& texts;
    const profiles::ProfileLocation& location;
  };

  DeviceLink(WindowLink window, Configuration configuration);
  ~DeviceLink();
  DeviceLink(const DeviceLink&) = delete;
  DeviceLink& operator=(const DeviceLink&) = delete;

  // Loads the library by name and initialises it; false when either fails.
  [[nodiscard]] bool Bind(const std::u16string& libraryName);
  // Starts the library's reads and the first presence update. keepInTray: the window is not opened
  // by the first keyboard read (a "/Start" start).
  void Start(bool keepInTray);
  // The window has finished its deferred initialisation: presence updates may reach it.
  void SetWindowReady() { windowReady_ = true; }
  bool windowReady() const { return windowReady_.load(); }
  // Shows the no-keyboard icon unless an icon is shown already.
  void ShowInitialTrayIcon();
  // For a request to open the window: true when the keyboard is being read; the window's open
  // request then comes when the read ends.
  bool DeferOpenWhileReading() { return app::DeferOpenWhileReading(presence_); }
  // Ends the library and waits for every worker, serving the window's sent messages meanwhile.
  // Nothing posts to the window or starts a thread afterwards.
  void Stop();

  device::DeviceCommands& commands() { return *commands_; }
  store::DeviceState& state() { return state_; }
  const device::QuenlinkApi& api() const { return api_; }
  bool layerB() const { return notifications_ && notifications_->LayerB(); }
  int lastPresence() const { return presence_.lastPresence.load(); }
  bool readingKeyboard() const { return presence_.reading.load(); }
  std::uint64_t reportsExchanged() const { return exchange_ ? exchange_->reportsExchanged() : 0; }
  bool firstOpen() const { return presence_.firstOpen.load(); }
  std::optional<app::TrayIcon> trayIcon() const { return icons_.Current(); }
  bool workersFinished() const { return presenceWorker_.Idle() && workers_.AllFinished(); }
  int presenceThreadsStarted() const { return presenceWorker_.threadsStarted(); }

 private:
  // device::NotificationSink (library thread): never waits.
  void StartTimer(device::WindowTimer timer, unsigned periodMs) override;
  void LayerChanged(bool layerB) override;
  void StartTrayIconThread(bool play) override;
  void StartPresenceThread(int deviceCount) override;

  // app::PresenceLink (presence threads).
  bool ReadDefaultKeyBlock() override;
  bool ReadMacroCapacity() override;
  void Tell(TextId text) override;
  void ReloadFromKeyboard() override;
  void KeyboardRemoved() override;
  bool WindowReady() override { return windowReady_.load(); }
  void Pause(unsigned ms) override { ::Sleep(ms); }
  void SetTrayIcon(app::TrayIcon icon) override { window_.setTrayIcon(icon); }
  void OpenWindow() override;

  void WaitForWorkers();

  WindowLink window_;
  Configuration configuration_;
  std::atomic<bool> windowReady_{false};
  bool stopped_ = false;

  device::QuenlinkApi api_{};
  std::unique_ptr<device::CommandExchange> exchange_;
  std::unique_ptr<device::DeviceCommands> commands_;
  std::unique_ptr<device::DeviceNotifications> notifications_;
  store::DeviceState state_;
  app::PresenceState presence_;
  app::TrayIconChoice icons_;
  app::TrayIconGate iconGate_;
  app::PresenceWorker presenceWorker_;  // the presence updates, on one thread at a time
  app::WorkerThreads workers_;          // the short tray-icon threads
};

}  // namespace mv::ui
