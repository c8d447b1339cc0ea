// CMorvaneDlg: the program's only top-level window, a skinned dialog that lives from start to exit.
// It binds the device library, starts the keyboard's reads and the presence handling, places the
// keyboard panel and the window buttons, runs the tray icon, Apply and the shutdown. Worker threads
// reach it only through window messages (see the kMsg constants) and the published pointer.
#pragma once

#include <windows.h>

#include <array>
#include <atomic>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/language.h"
#include "app/paths.h"
#include "app/presence.h"
#include "device/commands.h"
#include "device/exchange.h"
#include "device/notifications.h"
#include "device/quenlink_api.h"
#include "profiles/profile_file.h"
#include "profiles/sync.h"
#include "store/config_store.h"
#include "store/device_state.h"
#include "ui/framework/offscreen_picture.h"
#include "ui/framework/user_handle.h"
#include "ui/main_window/about_box.h"
#include "ui/main_window/busy_indicator.h"
#include "ui/main_window/keyboard_panel.h"
#include "ui/main_window/lighting_panel_layout.h"
#include "ui/res/ui_numbers.h"
#include "ui/skin/base_dialog.h"
#include "ui/skin/png_button.h"
#include "ui/skin/skin_colours.h"
#include "ui/tray/tray_icon.h"

namespace mv::ui {

// Private window messages: numbers that read as two characters, wParams that read as four.
inline constexpr UINT kMsgInit = 0x4D4E;
inline constexpr WPARAM kInitRequest = 0x494E4954;
inline constexpr UINT kMsgReload = 0x5452;
inline constexpr WPARAM kReloadRequest = 0x50524F46;
inline constexpr UINT kMsgLed = 0x5045;
inline constexpr WPARAM kLedRequest = 0x004C4544;
inline constexpr UINT kMsgRemoved = 0x4753;
inline constexpr UINT kMsgPostedApply = 30;  // posted to the window: Apply
inline constexpr UINT kTrayCallback = 1725;
inline constexpr UINT kTrayIconId = 140;
// Our own, for work the library and indicator threads hand over without waiting.
inline constexpr UINT kMsgStartTimer = WM_APP + 0x10;
inline constexpr UINT kMsgBusyFrame = WM_APP + 0x11;
inline constexpr UINT kMsgApplyNow = WM_APP + 0x12;

inline constexpr int kNamedEventCount = 208;

// What the application gives the window.
struct MainWindowSetup {
  const app::ProgramPaths& paths;
  const LanguageTable& texts;
  store::ConfigStores& stores;
  profiles::ProfileLocation location;
  std::vector<std::u16string> arguments;  // after the program name
  std::u16string libraryName = u"Quenlink.dll";
  bool startCompanion = true;
};

class CMorvaneDlg : public CBaseDialog, private device::NotificationSink, private app::PresenceLink,
                    private store::Prompter {
 public:
  // Runs the instance handling: may end the process (exit code 0) for "/Kill" or a second start.
  explicit CMorvaneDlg(MainWindowSetup setup);
  ~CMorvaneDlg() override;

  // The window published for worker threads (null outside its life).
  static CMorvaneDlg* Published();

  void SetModified(bool modified);
  bool modified() const { return modified_.load(); }
  bool ready() const { return ready_.load(); }
  int trayIcon() const {
    const auto icon = icons_.Current();
    return icon ? TrayIconResource(*icon) : 0;
  }
  bool trayCreated() const { return tray_.created(); }
  int lastPresence() const { return presence_.lastPresence.load(); }
  bool firstOpen() const { return presence_.firstOpen.load(); }
  bool layerB() const { return notifications_ && notifications_->LayerB(); }
  bool shutDown() const { return shutDown_; }
  bool busyIndicatorRunning() const { return busy_ && busy_->running(); }
  bool workersFinished() const { return workers_.AllFinished(); }
  KeyboardPanel& panel() { return panel_; }
  store::DeviceState& deviceState() { return deviceState_; }
  const device::QuenlinkApi& api() const { return api_; }

  // The commands, callable by tests as the buttons and menus call them.
  void Apply();
  void Open();
  void Exit();
  void ShowAbout();
  void OpenHelp() const;

 protected:
  BOOL OnInitDialog() override;
  INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  bool OnCommand(int id, int code, HWND control) override;
  void OnOK() override {}
  void OnCancel() override {}
  void OnDestroy() override;

 private:
  // Start-up pieces.
  void HandleInstance();
  void BindDeviceLibrary();
  void StartDeviceLink();
  void CreateWorkingStore();
  void LoadPictures();
  void PlaceControls();
  void PlaceWindowButton(int id, std::u16string_view name);
  void SetWindowStyles();
  void CreateNamedEvents();
  void SetLanguageCaptions();
  void OnDeferredInit();
  void Shutdown();
  void WaitForWorkers();
  void CancelOpenDialogs();
  void ReloadFromDevice();
  void RebuildProfileMenu(bool create);
  void ShowCurrentProfileButton();
  void ShowMainMenu();
  void OnLayerChanged();
  void ShowBusyFrame(int frame);
  int CurrentProfile();
  std::u16string LanguageValue(std::u16string_view key) const;
  void HideFromTaskbar(bool hide);

  // device::NotificationSink (library thread).
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
  bool WindowReady() override { return ready_.load(); }
  void Pause(unsigned ms) override { ::Sleep(ms); }
  void SetTrayIcon(app::TrayIcon icon) override;
  void OpenWindow() override;

  // store::Prompter (user-interface thread).
  void Tell(std::u16string_view text) override;
  bool AskYesNo(std::u16string_view text, bool defaultNo) override;

  static LRESULT CALLBACK FilterKeyboard(int code, WPARAM wParam, LPARAM lParam);

  MainWindowSetup setup_;
  store::ConfigStores& stores_;
  UniqueIcon appIcon_;
  HANDLE mutex_ = nullptr;
  std::atomic<bool> modified_{false};
  std::atomic<bool> ready_{false};
  bool shutDown_ = false;
  int ncPaintsHidden_ = 0;
  std::u16string link_;

  device::QuenlinkApi api_{};
  std::unique_ptr<device::CommandExchange> exchange_;
  std::unique_ptr<device::DeviceCommands> commands_;
  std::unique_ptr<device::DeviceNotifications> notifications_;
  store::DeviceState deviceState_;
  app::PresenceState presence_;
  app::TrayIconChoice icons_;
  app::TrayIconGate iconGate_;
  app::WorkerThreads workers_;

  std::array<OffscreenPicture, 4> keyLooks_;     // normal, over, down, disabled for the panel
  std::array<OffscreenPicture, 4> windowLooks_;  // the same pictures for the window buttons
  OffscreenPicture arrow_;
  OffscreenPicture colour0_;
  OffscreenPicture colour1_;

  KeyboardPanel panel_;
  LightingPanelLayout lighting_;
  SkinColourBrushes skinColours_;  // dark fields for the RGB edits and drop-down lists
  std::map<int, CPngButton> buttons_;
  CTrayIcon tray_;
  UniqueMenu profileMenu_;
  std::unique_ptr<BusyIndicator> busy_;
  std::vector<HANDLE> namedEvents_;
  AboutBox* about_ = nullptr;
  HHOOK keyboardFilter_ = nullptr;
  std::array<HBITMAP, kBusyFrameCount> busyFrames_{};
};

}  // namespace mv::ui
