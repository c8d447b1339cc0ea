// The keyboard's own reports: one callback on the library's thread hands command replies to the
// exchange, turns consumer codes into window actions, mirrors the G-key layer into the LED status
// report and starts a presence thread on each device change. It never waits for anything: every
// action it takes is a post, a timer request or a new thread, done through NotificationSink.
#pragma once

#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>

#include "device/exchange.h"
#include "device/quenlink_api.h"
#include "device/quenlink_loader.h"

namespace mv::device {

// Consumer codes the program acts on.
inline constexpr std::uint16_t kCodeLayerToggle = 0x02FF;
inline constexpr std::uint16_t kCodeLightingReread = 0x0401;
inline constexpr std::uint16_t kCodeLightingDefaults = 0x0402;
inline constexpr std::uint16_t kCodePlayShown = 0x1811;
inline constexpr std::uint16_t kCodePlayEnded = 0x1810;

// Main-window timers the callback starts with period 0; the window maps each to its timer id.
enum class WindowTimer { kLightingReread, kLightingDefaults };

// What the callback asks of the main window. Every call must return at once.
class NotificationSink {
 public:
  virtual ~NotificationSink() = default;
  virtual void StartTimer(WindowTimer timer, unsigned periodMs) = 0;
  // The G-key layer changed; layerB is bit 0 of the LED status.
  virtual void LayerChanged(bool layerB) = 0;
  // A short thread that shows the play icon (true) or the presence icon again (false).
  virtual void StartTrayIconThread(bool play) = 0;
  virtual void StartPresenceThread(int deviceCount) = 0;
};

// Caption of G key gKey (0..8) on a layer: "A1".."A5" / "B1".."B5", empty for G6 to G9.
std::u16string GKeyCaption(int gKey, bool layerB);

class DeviceNotifications {
 public:
  // callback is the plain function the library calls (it forwards to OnDeviceEvent).
  DeviceNotifications(const QuenlinkApi& api, CommandExchange& exchange, NotificationSink& sink,
                      QuenlinkCallback callback);
  DeviceNotifications(const DeviceNotifications&) = delete;
  DeviceNotifications& operator=(const DeviceNotifications&) = delete;

  // Submits the CONS read, then the CTRL read (the exchange exists already), each replacing the
  // unit's previous request.
  void StartDeviceReads();
  // Replaces the LED unit's request with a status write of the current two bytes.
  void WriteLedStatus();

  // The library callback's body; always 1.
  int OnDeviceEvent(const void* eventRecord);
  void HandleConsumerCode(std::uint16_t code);

  LedStatus Led() const;
  bool LayerB() const { return (Led()[1] & 1) != 0; }
  int LedRequest() const { return ledRequest_.load(); }

 private:
  void ToggleLayer();

  const QuenlinkApi& api_;
  CommandExchange& exchange_;
  NotificationSink& sink_;
  QuenlinkCallback callback_;
  mutable std::mutex ledLock_;  // the status bytes and the LED request, changed only by toggles
  LedStatus led_ = kInitialLedStatus;
  std::atomic<int> ledRequest_{0};
  std::atomic<int> consRequest_{0};
  std::atomic<int> ctrlRequest_{0};
};

// The one object the process-wide callback forwards to (null: events are dropped).
void SetActiveNotifications(DeviceNotifications* notifications);
// The function given to the library.
int NotificationCallback(const void* eventRecord);

}  // namespace mv::device
