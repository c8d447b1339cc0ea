// Dispatch of the keyboard's own reports; see notifications.h.
#include "device/notifications.h"

namespace mv::device {

namespace {
std::atomic<DeviceNotifications*> g_active{nullptr};
constexpr int kCaptionedGKeys = 5;
}  // namespace

std::u16string GKeyCaption(int gKey, bool layerB) {
  if (gKey < 0 || gKey >= kCaptionedGKeys) return {};
  std::u16string caption(1, layerB ? u'B' : u'A');
  caption += static_cast<char16_t>(u'1' + gKey);
  return caption;
}

DeviceNotifications::DeviceNotifications(const QuenlinkApi& api, CommandExchange& exchange, NotificationSink& sink,
                                         QuenlinkCallback callback)
    : api_(api), exchange_(exchange), sink_(sink), callback_(callback) {}

void DeviceNotifications::StartDeviceReads() {
  int cons = consRequest_.load();
  (void)SubmitAsyncRead(api_, kConsumerUnit, kTagCons, callback_, cons);
  consRequest_.store(cons);
  int ctrl = ctrlRequest_.load();
  (void)SubmitAsyncRead(api_, kCommandUnit, kTagCtrl, callback_, ctrl);
  ctrlRequest_.store(ctrl);
}

void DeviceNotifications::WriteLedStatus() {
  std::lock_guard lock(ledLock_);
  int request = ledRequest_.load();
  (void)device::WriteLedStatus(api_, led_, callback_, request);
  ledRequest_.store(request);
}

LedStatus DeviceNotifications::Led() const {
  std::lock_guard lock(ledLock_);
  return led_;
}

int DeviceNotifications::OnDeviceEvent(const void* eventRecord) {
  const DecodedEvent event = DecodeEventRecord(eventRecord);
  if (!event.valid) return 1;
  if (event.kind == kEventInputReport) {
    if (event.tag == kTagCons) {
      HandleConsumerCode(ConsumerCodeOf(event));
    } else if (event.tag == kTagCtrl && event.data != nullptr) {
      exchange_.DeliverReply(event.data, event.count);
    }
  } else if (event.kind == kEventDeviceChange && event.tag == kTagCtrl) {
    sink_.StartPresenceThread(static_cast<int>(event.count));
  }
  return 1;
}

void DeviceNotifications::HandleConsumerCode(std::uint16_t code) {
  switch (code) {
    case kCodeLayerToggle:
      ToggleLayer();
      break;
    case kCodeLightingReread:
      sink_.StartTimer(WindowTimer::kLightingReread, 0);
      break;
    case kCodeLightingDefaults:
      sink_.StartTimer(WindowTimer::kLightingDefaults, 0);
      break;
    case kCodePlayShown:
      sink_.StartTrayIconThread(true);
      break;
    case kCodePlayEnded:
      sink_.StartTrayIconThread(false);
      break;
    default:
      break;
  }
}

void DeviceNotifications::ToggleLayer() {
  bool layerB = false;
  {
    std::lock_guard lock(ledLock_);
    led_[1] ^= 1;
    layerB = (led_[1] & 1) != 0;
  }
  WriteLedStatus();
  sink_.LayerChanged(layerB);
}

void SetActiveNotifications(DeviceNotifications* notifications) { g_active.store(notifications); }

int NotificationCallback(const void* eventRecord) {
  if (DeviceNotifications* active = g_active.load()) return active->OnDeviceEvent(eventRecord);
  return 1;
}

}  // namespace mv::device
