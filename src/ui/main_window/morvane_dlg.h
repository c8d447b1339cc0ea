// CMorvaneDlg: the program's only top-level window, a skinned dialog that lives from start to exit.
// It keeps the window's life: the instance handling, the start-up order, its private messages, the
// window buttons, Apply and the shutdown. Its parts handle their own controls (the keyboard,
// lighting, profile and tray panels) and the keyboard is reached through the device link, whose
// workers reach the window only through its private messages.
#pragma once

#include <windows.h>

#include <array>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "app/language.h"
#include "app/paths.h"
#include "profiles/profile_file.h"
#include "store/config_store.h"
#include "store/device_state.h"
#include "ui/framework/gdi_handle.h"
#include "ui/framework/offscreen_picture.h"
#include "ui/app/instance.h"
#include "ui/framework/user_handle.h"
#include "ui/main_window/about_box.h"
#include "ui/main_window/busy_indicator.h"
#include "ui/main_window/device_link.h"
#include "ui/main_window/keyboard_panel.h"
#include "ui/main_window/lighting_panel.h"
#include "ui/main_window/profile_panel.h"
#include "ui/main_window/tray_panel.h"
#include "ui/main_window/window_messages.h"
#include "ui/skin/base_dialog.h"
#include "ui/skin/png_button.h"
#include "ui/skin/skin_pictures.h"
#include "ui/skin/window_spec.h"

namespace mv::ui {

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

class CMorvaneDlg : public CBaseDialog, private store::Prompter {
 public:
  // Runs the instance handling: may end the process (exit code 0) for "/Kill" or a second start.
  explicit CMorvaneDlg(MainWindowSetup setup);
  ~CMorvaneDlg() override;

  // The window published for worker threads (null outside its life).
  static CMorvaneDlg* Published();

  void SetModified(bool modified);
  bool modified() const { return modified_.load(); }
  bool ready() const { return device_ && device_->windowReady(); }
  // The icon resource the tray shows, 0 for none.
  int trayIcon() const;
  bool trayCreated() const { return tray_.icon().created(); }
  int lastPresence() const { return device_ ? device_->lastPresence() : 0; }
  bool readingKeyboard() const { return device_ && device_->readingKeyboard(); }
  bool firstOpen() const { return device_ && device_->firstOpen(); }
  bool layerB() const { return device_ && device_->layerB(); }
  bool shutDown() const { return shutDown_; }
  bool busyIndicatorRunning() const { return busy_ && busy_->running(); }
  // How often a long Apply showed its progress (for tests).
  int progressShown() const { return progressShown_; }
  bool workersFinished() const { return !device_ || device_->workersFinished(); }
  KeyboardPanel& panel() { return keyboard_; }
  TrayPanel& tray() { return tray_; }
  store::DeviceState& deviceState() { return device_->state(); }
  const device::QuenlinkApi& api() const { return device_->api(); }

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
  // Start-up pieces, in their order.
  void HandleInstance();
  // Asks the running instance; says so when it does not answer.
  void SignalRunningInstance(DWORD processId, InstanceRequest request) const;
  void StartDeviceLink();
  void CreateWorkingStore();
  void LoadPictures();
  void PlaceControls();
  // The window's own image button of a control (a detached one when the template lacks it).
  CPngButton& WindowButton(int id);
  void SetWindowStyles();
  void CreateNamedEvents();
  void SetLanguageCaptions();
  void OnDeferredInit();

  bool OnPrivateMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void Shutdown();
  void CancelOpenDialogs();
  // The presence worker has read the arriving keyboard into the store (read: successfully).
  void ShowKeyboardRead(bool read);
  void KeyboardRemoved();
  // Shows the window in the taskbar and in front: the part of Open past its checks.
  void Show();
  // "No keyboard detected", one box at a time; closed by the keyboard's arrival.
  void TellNoKeyboard();
  void CloseNoKeyboardBox() const;
  // At exit: every message box the window shows is closed (answered No where it asks).
  void CloseMessageBoxes() const;
  void ShowMainMenu();
  void ShowBusyFrame(int frame);
  // Apply's download on a worker; its result.
  int RunApply();
  void ShowApplyProgress();
  void PaintMinimisedIcon();
  int CurrentProfile();
  std::u16string LanguageValue(std::u16string_view key) const;
  void HideFromTaskbar(bool hide);

  // store::Prompter (user-interface thread).
  void Tell(std::u16string_view text) override;
  bool AskYesNo(std::u16string_view text, bool defaultNo) override;

  static LRESULT CALLBACK FilterKeyboard(int code, WPARAM wParam, LPARAM lParam);

  MainWindowSetup setup_;
  store::ConfigStores& stores_;
  UniqueIcon appIcon_;
  InstanceMutex mutex_;
  bool keepInTray_ = false;  // "/Start": the first keyboard read does not open the window
  std::atomic<bool> modified_{false};
  bool opened_ = false;  // opened on purpose once: from then on the window may be shown
  bool noKeyboardBox_ = false;
  bool applying_ = false;
  // A long Apply's progress: reports planned and the count when it began.
  std::atomic<int> applyPlanned_{0};
  std::uint64_t applyFirstReport_ = 0;
  std::chrono::steady_clock::time_point applyStart_;
  bool showingProgress_ = false;
  int progressShown_ = 0;
  bool shutDown_ = false;
  std::u16string link_;

  std::unique_ptr<DeviceLink> device_;

  // Before the panels and buttons that paint with them.
  SkinPictures pictures_;
  LookSet looks_;

  KeyboardPanel keyboard_;
  LightingPanel lighting_;
  ProfilePanel profile_;
  TrayPanel tray_;
  SkinnedControls skin_;  // places every control; owns the window's own image buttons
  CPngButton unplacedButton_;
  std::unique_ptr<BusyIndicator> busy_;
  std::vector<platform::UniqueHandle> namedEvents_;
  AboutBox* about_ = nullptr;
  UniqueHook keyboardFilter_;
  std::array<HBITMAP, kBusyFrameCount> busyFrames_{};  // owned by pictures_
};

}  // namespace mv::ui
