// DeviceLink: the library, the exchange, the notifications and the presence workers.
#include "ui/main_window/device_link.h"

#include "device/quenlink_loader.h"
#include "profiles/sync.h"
#include "store/prompter.h"
#include "ui/main_window/window_messages.h"
#include "ui/res/ui_numbers.h"

namespace mv::ui {

namespace {
// The presence workers wait this long for the window to take a reload or removal.
constexpr UINT kWindowAnswerMs = 60000;
}  // namespace

DeviceLink::DeviceLink(WindowLink window, Configuration configuration)
    : window_(std::move(window)),
      configuration_(configuration),
      presenceWorker_([this](int count) { (void)app::PresenceUpdate(count, presence_, icons_, *this); }) {}

DeviceLink::~DeviceLink() { Stop(); }

bool DeviceLink::Bind(const std::u16string& libraryName) {
  return device::LoadQuenlink(libraryName, api_) == 1 && api_.Init(0) > 0;
}

void DeviceLink::Start(bool keepInTray) {
  presence_.firstOpen = keepInTray;
  exchange_ = std::make_unique<device::CommandExchange>(api_);
  commands_ = std::make_unique<device::DeviceCommands>(*exchange_);
  notifications_ = std::make_unique<device::DeviceNotifications>(
      api_, *exchange_, static_cast<device::NotificationSink&>(*this), &device::NotificationCallback);
  device::SetActiveNotifications(notifications_.get());
  notifications_->StartDeviceReads();
  const int count = api_.RequestGetDeviceCount(
      device::kCommandUnit.data(), &device::NotificationCallback, device::kTagCtrl,
      device::RequestChecksum(device::kCommandUnit, &device::NotificationCallback, device::kTagCtrl), 0);
  if (count == 0) presence_.firstOpen = true;
  StartPresenceThread(count);
}

void DeviceLink::ShowInitialTrayIcon() {
  if (const auto icon = icons_.Show(app::TrayIcon::kNoKeyboard)) window_.setTrayIcon(*icon);
}

void DeviceLink::Stop() {
  if (stopped_) return;
  stopped_ = true;
  presence_.stopping = true;
  // No more events from the library: nothing starts threads or posts work after this.
  device::SetActiveNotifications(nullptr);
  presenceWorker_.Stop();
  if (exchange_) exchange_->Cancel();  // a read waiting on a silent keyboard ends now
  if (api_.End) api_.End();
  WaitForWorkers();
  icons_.Clear();
}

void DeviceLink::WaitForWorkers() {
  // Presence workers may be sending the window a message: keep serving them while waiting.
  while (!workersFinished()) {
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_SENDMESSAGE);
    MSG msg;
    ::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
  }
  presenceWorker_.Join();
  workers_.JoinAll();
}

// --- device::NotificationSink: never waits -------------------------------------------------------------

void DeviceLink::StartTimer(device::WindowTimer timer, unsigned periodMs) {
  ::PostMessageW(window_.window, kMsgStartTimer, static_cast<WPARAM>(TimerId(timer)), static_cast<LPARAM>(periodMs));
}

void DeviceLink::LayerChanged(bool /*layerB*/) {
  // Posted, not sent: the library thread must stay free to deliver the replies an Apply waits for.
  ::PostMessageW(window_.window, kMsgLed, kLedRequest, 0);
}

void DeviceLink::StartTrayIconThread(bool play) {
  if (presence_.stopping.load()) return;
  workers_.Start([this, play] {
    app::RunTrayIconThread(play, iconGate_, icons_, presence_.stopping, window_.setTrayIcon,
                           [](unsigned ms) { ::Sleep(ms); });
  });
}

void DeviceLink::StartPresenceThread(int deviceCount) { presenceWorker_.Post(deviceCount); }

// --- app::PresenceLink: presence workers -----------------------------------------------------------------

bool DeviceLink::ReadDefaultKeyBlock() { return profiles::ReadDefaultKeyBlockInto(*commands_, state_); }
bool DeviceLink::ReadMacroCapacity() { return profiles::ReadMacroCapacityInto(*commands_, state_); }

void DeviceLink::Tell(TextId text) {
  // The window's thread shows it: a worker never waits on the user.
  ::PostMessageW(window_.window, kMsgTell, static_cast<WPARAM>(text), 0);
}

void DeviceLink::ReloadFromKeyboard() {
  // The keyboard is read here, on the worker; the window only shows the result. The read tells
  // the user nothing itself: a failure reaches the window with the message.
  store::SilentPrompter quiet;
  profiles::SyncContext context{configuration_.stores, state_,  *commands_, quiet, configuration_.texts,
                                configuration_.location, {}};
  const int read = profiles::SyncFromKeyboard(context);
  DWORD_PTR result = 0;
  // The window keeps serving sent messages while Stop waits for the workers.
  ::SendMessageTimeoutW(window_.window, kMsgReload, kReloadRequest, read == 1 ? 1 : 0, SMTO_NORMAL, kWindowAnswerMs,
                        &result);
}

void DeviceLink::KeyboardRemoved() {
  state_.ForgetProfile();
  DWORD_PTR result = 0;
  ::SendMessageTimeoutW(window_.window, kMsgRemoved, 0, 0, SMTO_NORMAL, kWindowAnswerMs, &result);
}

void DeviceLink::OpenWindow() { ::PostMessageW(window_.window, kMsgOpenAfterRead, 0, 0); }

}  // namespace mv::ui
