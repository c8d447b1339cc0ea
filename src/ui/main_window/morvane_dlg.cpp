// CMorvaneDlg: start-up, messages, commands, Apply and shutdown of the main window.
#include "ui/main_window/morvane_dlg.h"

#include <cstdio>

#include "app/layout.h"
#include "device/quenlink_loader.h"
#include "platform/files.h"
#include "ui/app/instance.h"
#include "ui/framework/wide_text.h"
#include "ui/res/resource.h"
#include "ui/skin/placement.h"
#include "ui/skin/skin_picture.h"

namespace mv::ui {

namespace {
std::atomic<CMorvaneDlg*> g_window{nullptr};
std::atomic<HWND> g_windowHandle{nullptr};

constexpr int kColourEdits[] = {IDC_m_edit_rgbr, IDC_m_edit_rgbg, IDC_m_edit_rgbb};

// Window buttons placed from the layout file with the window's looks.
struct NamedButton {
  int id;
  std::u16string_view name;
};
constexpr NamedButton kWindowButtons[] = {
    {IDC_VOLSKA_LINK, u"VOLSKA_LINK"},   {IDC_FUNC_PROFILES, u"FUNC_PROFILES"},
    {IDC_FUNC_MACRO, u"FUNC_MACRO"},     {IDC_CONTROL_OK, u"CONTROL_OK"},
    {IDC_CONTROL_CANCEL, u"CONTROL_CANCEL"}, {IDC_CONTROL_HELP, u"CONTROL_HELP"},
    {IDC_CONTROL_CLOSE, u"CONTROL_CLOSE"}, {IDC_CONTROL_MINIMIZE, u"CONTROL_MINIMIZE"},
    {IDC_CONTROL_MENU, u"CONTROL_MENU"}, {IDC_CONTROL2_APPLY, u"CONTROL2_APPLY"},
    {IDC_LOCK_CAPS, u"LOCK_CAPS"},       {IDC_LOCK_NUM, u"LOCK_NUM"},
    {IDC_LOCK_SCROLL, u"LOCK_SCROLL"},   {IDC_LOCK_AB, u"LOCK_AB"},
    {IDC_FLIP_0, u"FLIP_0"},             {IDC_FLIP_1, u"FLIP_1"},
    {IDC_FLIP_2, u"FLIP_2"},             {IDC_VOLSKA_VER, u"VOLSKA_VER"},
    {IDC_FUNC_PROFILE1, u"FUNC_PROFILE1"}, {IDC_FUNC_PROFILE2, u"FUNC_PROFILE2"},
    {IDC_FUNC_PROFILE3, u"FUNC_PROFILE3"}, {IDC_FUNC_DEFAULT, u"FUNC_DEFAULT"},
    {IDC_FUNC_SWITCH, u"FUNC_SWITCH"},   {IDC_FUNC_REPORT1, u"FUNC_REPORT1"},
    {IDC_FUNC_REPORT2, u"FUNC_REPORT2"}, {IDC_FUNC_REPORT3, u"FUNC_REPORT3"},
    {IDC_FUNC_REPORT4, u"FUNC_REPORT4"}, {IDC_KEY_FN, u"KEY_FN"},
};

constexpr int kProfileButtons[] = {IDC_FUNC_PROFILE1, IDC_FUNC_PROFILE2, IDC_FUNC_PROFILE3};

[[noreturn]] void EndProgram() { ::ExitProcess(0); }

}  // namespace

CMorvaneDlg* CMorvaneDlg::Published() { return g_window.load(); }

CMorvaneDlg::CMorvaneDlg(MainWindowSetup setup)
    : CBaseDialog(IDD_MORVANE_DIALOG, nullptr, setup.paths.mainLayoutFile, setup.paths.skinsFolder),
      setup_(std::move(setup)),
      stores_(setup_.stores),
      panel_(KeyboardPanel::Context{setup_.texts, setup_.stores, [this] { return CurrentProfile(); },
                                    [this] { return layerB(); }, [this] { SetModified(true); }}) {
  HandleInstance();
}

CMorvaneDlg::~CMorvaneDlg() {
  if (!shutDown_) Shutdown();
  CMorvaneDlg* self = this;
  if (g_window.compare_exchange_strong(self, nullptr)) g_windowHandle = nullptr;
  for (HBITMAP frame : busyFrames_)
    if (frame) ::DeleteObject(frame);
}

// --- instance handling -------------------------------------------------------------------------------

void CMorvaneDlg::HandleInstance() {
  appIcon_.Reset(static_cast<HICON>(::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINFRAME),
                                                 IMAGE_ICON, 0, 0, LR_DEFAULTSIZE)));
  presence_.firstOpen = false;
  const app::CommandLineSwitches switches = app::ParseCommandLine(setup_.arguments);
  if (switches.kill) {
    if (const DWORD running = FindInstanceProcess(setup_.paths.executableName)) {
      (void)SignalInstanceWindow(running, InstanceRequest::kKill);
      EndProgram();
    }
  }
  if (switches.start) presence_.firstOpen = true;
  if (HANDLE existing = ::OpenMutexW(MUTEX_ALL_ACCESS, FALSE, kInstanceMutexName)) {
    ::CloseHandle(existing);
    if (const DWORD running = FindInstanceProcess(setup_.paths.executableName)) {
      (void)SignalInstanceWindow(running, InstanceRequest::kOpen);
      EndProgram();
    }
  } else {
    mutex_ = ::CreateMutexW(nullptr, TRUE, kInstanceMutexName);
  }
  if (setup_.startCompanion) (void)ShellOpen(setup_.paths.companionExecutable, SW_HIDE);
  modified_ = false;
}

// --- initialisation ---------------------------------------------------------------------------------

BOOL CMorvaneDlg::OnInitDialog() {
  CBaseDialog::OnInitDialog();
  wchar_t about[64] = {};
  if (::LoadStringW(::GetModuleHandleW(nullptr), IDS_ABOUTBOX, about, 64) > 0) {
    if (HMENU system = ::GetSystemMenu(hwnd(), FALSE)) {
      ::AppendMenuW(system, MF_SEPARATOR, 0, nullptr);
      ::AppendMenuW(system, MF_STRING, IDM_ABOUTBOX, about);
    }
  }
  ::SendMessageW(hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(appIcon_.get()));
  ::SendMessageW(hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(appIcon_.get()));

  ready_ = false;
  g_window = this;
  g_windowHandle = hwnd();
  deviceState_.ForgetProfile();
  for (int id : kColourEdits) ::SetDlgItemTextW(hwnd(), id, L"0");

  BindDeviceLibrary();
  StartDeviceLink();
  CreateWorkingStore();
  LoadPictures();
  PlaceControls();
  SetWindowStyles();
  CreateNamedEvents();
  keyboardFilter_ = ::SetWindowsHookExW(WH_GETMESSAGE, &CMorvaneDlg::FilterKeyboard, nullptr, ::GetCurrentThreadId());
  busy_ = std::make_unique<BusyIndicator>(hwnd(), kMsgBusyFrame);
  (void)busy_->Start();

  ::PostMessageW(hwnd(), kMsgInit, kInitRequest, 0);
  SetLanguageCaptions();
  ::SetTimer(hwnd(), kTimerLightingStep, 100, nullptr);
  return TRUE;
}

void CMorvaneDlg::BindDeviceLibrary() {
  if (device::LoadQuenlink(setup_.libraryName, api_) != 1 || api_.Init(0) <= 0) EndProgram();
}

void CMorvaneDlg::StartDeviceLink() {
  exchange_ = std::make_unique<device::CommandExchange>(api_);
  commands_ = std::make_unique<device::DeviceCommands>(*exchange_);
  notifications_ = std::make_unique<device::DeviceNotifications>(api_, *exchange_, static_cast<device::NotificationSink&>(*this),
                                                                 &device::NotificationCallback);
  device::SetActiveNotifications(notifications_.get());
  notifications_->StartDeviceReads();
  const int count = api_.RequestGetDeviceCount(device::kCommandUnit.data(), &device::NotificationCallback,
                                               device::kTagCtrl,
                                               device::RequestChecksum(device::kCommandUnit, &device::NotificationCallback,
                                                                       device::kTagCtrl),
                                               0);
  if (count == 0) presence_.firstOpen = true;
  StartPresenceThread(count);
}

void CMorvaneDlg::CreateWorkingStore() {
  {
    auto guard = stores_.working.Lock();
    (void)stores_.working.AllocateSlots();
    stores_.working.mainBlock = store::CreateDefaultMainBlock();
  }
  SetModified(false);
}

void CMorvaneDlg::LoadPictures() {
  static constexpr std::u16string_view kLooks[] = {u"Skins\\main_normal.jpg", u"Skins\\main_over.jpg",
                                                   u"Skins\\main_down.jpg", u"Skins\\main_disable.jpg"};
  for (std::size_t i = 0; i < keyLooks_.size(); ++i) {
    LoadAndDrawSkinPicture(keyLooks_[i], std::u16string(kLooks[i]), hwnd());
    LoadAndDrawSkinPicture(windowLooks_[i], std::u16string(kLooks[i]), hwnd());
  }
  LoadAndDrawSkinPicture(arrow_, u"Skins\\Arrow.jpg", hwnd());
  LoadAndDrawSkinPicture(colour0_, u"Skins\\main_color0.jpg", hwnd());
  LoadAndDrawSkinPicture(colour1_, u"Skins\\main_color1.jpg", hwnd());
  for (int i = 0; i < kBusyFrameCount; ++i) {
    wchar_t name[32];
    std::swprintf(name, 32, L"jdt%d.bmp", i + 1);
    const std::u16string path = setup_.paths.skinsFolder + FromWide(name);
    busyFrames_[static_cast<std::size_t>(i)] =
        static_cast<HBITMAP>(::LoadImageW(nullptr, Wide(path), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
  }
}

void CMorvaneDlg::PlaceWindowButton(int id, std::u16string_view name) {
  CPngButton& button = buttons_[id];
  if (!button.AttachItem(hwnd(), id)) return;
  const SkinLooks looks{&windowLooks_[0], &windowLooks_[1], &windowLooks_[2], &windowLooks_[3], &windowLooks_[2]};
  (void)PlaceImageButton(button, setup_.paths.mainLayoutFile, app::kLayoutSection, name, looks);
}

void CMorvaneDlg::PlaceControls() {
  const std::u16string& layout = setup_.paths.mainLayoutFile;
  link_ = app::ReadLinkAddress(layout);
  const SkinLooks keyLooks{&keyLooks_[0], &keyLooks_[1], &keyLooks_[2], &keyLooks_[3], &keyLooks_[2]};
  panel_.LayoutKeyButtons(hwnd(), layout, keyLooks);
  for (const NamedButton& b : kWindowButtons) PlaceWindowButton(b.id, b.name);
  const SkinLooks windowLooks{&windowLooks_[0], &windowLooks_[1], &windowLooks_[2], &windowLooks_[3], &windowLooks_[2]};
  lighting_.Lay({hwnd(), layout, setup_.paths.skinsFolder, IsEnglish(setup_.paths.languageFile), arrow_, windowLooks},
                ReadLampSwitch());

  const auto& texts = setup_.texts;
  auto caption = [this](int id, const std::u16string& text, int points, const char16_t* face, COLORREF colour) {
    CPngButton& button = buttons_[id];
    SetWindowTextU16(button.hwnd(), text);
    button.SetCaptionStyle(true, points, face, colour, CPngButton::kDefaultCaptionFormat);
  };
  caption(IDC_VOLSKA_LINK, link_, 8, u"Verdana", RGB(0xE4, 0xE4, 0xE4));
  caption(IDC_FUNC_PROFILES, u"", 10, u"Arial", 0xE4E4E4);
  caption(IDC_VOLSKA_VER, std::u16string(texts.Text(TextId::MAIN_BUTTON_VOLSKA_VER)), 8, u"Verdana", 0xE4E4E4);
  ::EnableWindow(Item(IDC_VOLSKA_VER), FALSE);
  buttons_[IDC_CONTROL_HELP].SetTooltip(std::u16string(texts.Text(TextId::MAIN_HELP_PROMPT)), true);
  buttons_[IDC_CONTROL_CLOSE].SetTooltip(std::u16string(texts.Text(TextId::MAIN_CLOSE_PROMPT)), true);
  buttons_[IDC_CONTROL_MINIMIZE].SetTooltip(std::u16string(texts.Text(TextId::MAIN_MINIMIZE_PROMPT)), true);
  buttons_[IDC_CONTROL_MENU].SetTooltip(std::u16string(texts.Text(TextId::MAIN_MENU_PROMPT)), true);
  panel_.ApplyFlip();
  panel_.SetGKeyCaptions(false);
}

void CMorvaneDlg::SetWindowStyles() {
  HideFromTaskbar(true);
  ::SetWindowLongPtrW(hwnd(), GWLP_USERDATA, kMainWindowTag);
  const LONG_PTR style = ::GetWindowLongPtrW(hwnd(), GWL_STYLE);
  ::SetWindowLongPtrW(hwnd(), GWL_STYLE, style | WS_MINIMIZEBOX | WS_SYSMENU);
  SetWindowTextU16(hwnd(), std::u16string(setup_.texts.Text(TextId::MAIN_CAPTION)));
}

void CMorvaneDlg::HideFromTaskbar(bool hide) {
  LONG_PTR ex = ::GetWindowLongPtrW(hwnd(), GWL_EXSTYLE);
  ex = hide ? (ex & ~WS_EX_APPWINDOW) | WS_EX_TOOLWINDOW : (ex & ~WS_EX_TOOLWINDOW) | WS_EX_APPWINDOW;
  ::SetWindowLongPtrW(hwnd(), GWL_EXSTYLE, ex);
}

void CMorvaneDlg::CreateNamedEvents() {
  for (int i = 1; i <= kNamedEventCount; ++i) {
    wchar_t name[64];
    std::swprintf(name, 64, L"%lsMain_%02d", L"Morvane_Event_", i);
    if (HANDLE event = ::CreateEventW(nullptr, FALSE, FALSE, name)) namedEvents_.push_back(event);
  }
}

std::u16string CMorvaneDlg::LanguageValue(std::u16string_view key) const {
  const std::u16string& file = setup_.paths.languageFile;
  return ReadLanguageValue(file, ChosenSection(file), key);
}

void CMorvaneDlg::SetLanguageCaptions() {
  // Captions of the profile, macro, default, OK, cancel and apply buttons, read when the window
  // opens; then the tooltips of the minimise, menu and close buttons from the same section.
  static constexpr struct {
    int id;
    std::u16string_view key;
  } kCaptions[] = {
      {IDC_FUNC_PROFILE1, u"PROFILE_1"},     {IDC_FUNC_PROFILE2, u"PROFILE_2"}, {IDC_FUNC_PROFILE3, u"PROFILE_3"},
      {IDC_FUNC_MACRO, u"PROFILE_MACRO"},    {IDC_FUNC_DEFAULT, u"PROFILE_DEFAULT"},
      {IDC_CONTROL_OK, u"PROFILE_OK"},       {IDC_CONTROL_CANCEL, u"PROFILE_CANCLE"},
      {IDC_CONTROL2_APPLY, u"PROFILE_APPLY"},
  };
  for (const auto& c : kCaptions) {
    CPngButton& button = buttons_[c.id];
    SetWindowTextU16(button.hwnd(), LanguageValue(c.key));
    button.SetCaptionStyle(true, 9, u"Arial", 0xE4E4E4, CPngButton::kDefaultCaptionFormat);
  }
  buttons_[IDC_CONTROL_MINIMIZE].SetTooltip(LanguageValue(u"MAIN_MINIMIZE_PROMPT"), true);
  buttons_[IDC_CONTROL_MENU].SetTooltip(LanguageValue(u"MAIN_MENU_PROMPT"), true);
  buttons_[IDC_CONTROL_CLOSE].SetTooltip(LanguageValue(u"MAIN_CLOSE_PROMPT"), true);
  tray_.SetMenuTexts({LanguageValue(u"MENU_11"), LanguageValue(u"MENU_22"), LanguageValue(u"MENU_33")});
}

void CMorvaneDlg::OnDeferredInit() {
  (void)tray_.Create(hwnd(), kTrayCallback, std::u16string(setup_.texts.Text(TextId::KEYBOARD_TRAY_DESC)),
                     appIcon_.get(), kTrayIconId);
  if (const auto icon = icons_.Show(app::TrayIcon::kNoKeyboard)) SetTrayIcon(*icon);
  RebuildProfileMenu(true);
  ready_ = true;
  ::ShowWindow(hwnd(), SW_HIDE);
}

// --- messages --------------------------------------------------------------------------------------------

INT_PTR CMorvaneDlg::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case kMsgInit:
      if (wParam == kInitRequest) OnDeferredInit();
      SetMessageResult(0);
      return TRUE;
    case kMsgOpen:
      if (wParam == kOpenRequest) Open();
      SetMessageResult(0);
      return TRUE;
    case kMsgKill:
      if (wParam == kKillRequest) Exit();
      SetMessageResult(0);
      return TRUE;
    case kMsgReload:
      if (wParam == kReloadRequest && !shutDown_) ReloadFromDevice();
      SetMessageResult(0);
      return TRUE;
    case kMsgLed:
      if (wParam == kLedRequest && !shutDown_) OnLayerChanged();
      SetMessageResult(0);
      return TRUE;
    case kMsgRemoved:
      if (!shutDown_) {
        CancelOpenDialogs();
        if (::IsWindowVisible(hwnd())) ::ShowWindow(hwnd(), SW_MINIMIZE);
        ::ShowWindow(hwnd(), SW_HIDE);
      }
      SetMessageResult(0);
      return TRUE;
    case kMsgApplyNow:
      Apply();
      return TRUE;
    case kMsgStartTimer:
      if (!shutDown_) ::SetTimer(hwnd(), wParam, static_cast<UINT>(lParam), nullptr);
      return TRUE;
    case kMsgBusyFrame:
      ShowBusyFrame(static_cast<int>(wParam));
      return TRUE;
    case WM_TIMER:
      if (wParam == kTimerLightingStep) {
        ::KillTimer(hwnd(), wParam);
        // The lighting panel's periodic step joins here.
        if (!shutDown_) ::SetTimer(hwnd(), kTimerLightingStep, 50, nullptr);
      } else if (WindowTimerOf(wParam)) {
        ::KillTimer(hwnd(), wParam);
        // The lighting panel re-reads or restores its values here.
      }
      return TRUE;
    case WM_NCPAINT:
      // Only while starting: the dialog manager shows a modal dialog once, before INIT hides it.
      if (!ready_.load() && ncPaintsHidden_ < 2) {
        ++ncPaintsHidden_;
        ::ShowWindow(hwnd(), SW_HIDE);
        return TRUE;
      }
      break;
    case WM_SYSCOMMAND:
      if ((wParam & 0xFFF0) == IDM_ABOUTBOX) {
        ShowAbout();
        return TRUE;
      }
      break;
    case WM_HELP:
      OpenHelp();
      return TRUE;
    case WM_CTLCOLORSTATIC:
      if (HBRUSH brush = lighting_.ColourLabel(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam), background()))
        return reinterpret_cast<INT_PTR>(brush);
      break;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
      if (HBRUSH brush = skinColours_.Answer(message, reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)))
        return reinterpret_cast<INT_PTR>(brush);
      break;
    case WM_QUERYDRAGICON:
      SetMessageResult(reinterpret_cast<LRESULT>(appIcon_.get()));
      return TRUE;
    case WM_PAINT:
      if (::IsIconic(hwnd())) {
        PAINTSTRUCT paint;
        HDC dc = ::BeginPaint(hwnd(), &paint);
        RECT client;
        ::GetClientRect(hwnd(), &client);
        const int cx = ::GetSystemMetrics(SM_CXICON), cy = ::GetSystemMetrics(SM_CYICON);
        ::DrawIcon(dc, (client.right - cx + 1) / 2, (client.bottom - cy + 1) / 2, appIcon_.get());
        ::EndPaint(hwnd(), &paint);
        return TRUE;
      }
      break;
    default:
      break;
  }
  return CBaseDialog::HandleMessage(message, wParam, lParam);
}

LRESULT CALLBACK CMorvaneDlg::FilterKeyboard(int code, WPARAM wParam, LPARAM lParam) {
  auto* msg = reinterpret_cast<MSG*>(lParam);
  HWND main = g_windowHandle.load();
  if (code == HC_ACTION && wParam == PM_REMOVE && msg && main) {
    const bool ours = msg->hwnd == main || ::IsChild(main, msg->hwnd);
    if (msg->message == kMsgPostedApply && msg->hwnd == main) {
      msg->message = kMsgApplyNow;
    } else if (ours && (msg->message == WM_KEYDOWN || msg->message == WM_KEYUP)) {
      const bool enterOrEscape = msg->wParam == VK_RETURN || msg->wParam == VK_ESCAPE;
      const bool arrow = msg->wParam >= VK_LEFT && msg->wParam <= VK_DOWN;
      const HWND effects = ::GetDlgItem(main, IDC_CONTROL_XGcombox);
      const HWND focus = ::GetFocus();
      const bool onEffects = focus && (focus == effects || ::IsChild(effects, focus));
      if (enterOrEscape || (arrow && onEffects)) msg->message = WM_NULL;
    }
  }
  return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

// --- commands ----------------------------------------------------------------------------------------

bool CMorvaneDlg::OnCommand(int id, int code, HWND /*control*/) {
  switch (id) {
    case IDC_CONTROL_OK:
      if (code != BN_CLICKED) return true;
      Apply();
      ::ShowWindow(hwnd(), SW_HIDE);
      return true;
    case IDC_CONTROL_CANCEL:
      ::ShowWindow(hwnd(), SW_HIDE);
      return true;
    case IDC_CONTROL2_APPLY:
      Apply();
      return true;
    case IDC_VOLSKA_LINK:
      (void)ShellOpen(link_, SW_SHOWNORMAL);
      return true;
    case IDC_CONTROL_HELP:
      OpenHelp();
      return true;
    case IDC_CONTROL_MINIMIZE:
      ::PostMessageW(hwnd(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
      return true;
    case IDC_CONTROL_CLOSE:
    case ID_TRAY_EXIT:
    case ID_MENU_EXIT:
      Exit();
      return true;
    case IDC_CONTROL_MENU:
      ShowMainMenu();
      return true;
    case ID_TRAY_OPEN:
      Open();
      return true;
    case ID_APP_ABOUT:
      ShowAbout();
      return true;
    case IDC_FLIP_1:
    case IDC_FLIP_2:
      panel_.ToggleFlip();
      return true;
    case IDC_FLIP_0:
    case IDC_LOCK_AB:
      return true;
    default:
      return panel_.OnKeyButtonCommand(id, false);
  }
}

void CMorvaneDlg::SetModified(bool modified) {
  modified_ = modified;
  if (hwnd()) ::EnableWindow(Item(IDC_CONTROL2_APPLY), modified ? TRUE : FALSE);
}

void CMorvaneDlg::Open() {
  if (presence_.lastPresence.load() == 0) {
    Tell(setup_.texts.Text(TextId::MAIN_NO_DEVICE_PROMPT));
    return;
  }
  HideFromTaskbar(false);
  ::ShowWindow(hwnd(), ::IsIconic(hwnd()) ? SW_RESTORE : SW_SHOW);
  ::SetForegroundWindow(hwnd());
}

void CMorvaneDlg::Apply() {
  if (busy_) {
    ::Sleep(100);
    busy_->Show();
  }
  if (modified_.load()) {
    profiles::SyncContext context{stores_,       deviceState_,  *commands_, *this,
                                  setup_.texts, setup_.location, [this] { panel_.RefreshKeyButtons(); }};
    if (profiles::ApplyCurrentProfile(context) == 1) SetModified(false);
  }
  if (busy_) busy_->Hide();
}

void CMorvaneDlg::ShowBusyFrame(int frame) {
  HWND picture = Item(IDC_CONTROL_JDTStatic);
  if (!picture) return;
  if (frame < 0 || frame >= kBusyFrameCount) {
    ::ShowWindow(picture, SW_HIDE);
    return;
  }
  ::SendMessageW(picture, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(busyFrames_[static_cast<std::size_t>(frame)]));
  ::ShowWindow(picture, SW_SHOW);
}

void CMorvaneDlg::ShowAbout() {
  if (about_) return;
  AboutBox about(LanguageValue(u"GUANYU_JIESHAO"), LanguageValue(u"GUANYU_BANQUAN"), link_, [this] { OpenHelp(); });
  about_ = &about;
  (void)about.RunModal(hwnd());
  about_ = nullptr;
}

void CMorvaneDlg::OpenHelp() const { (void)ShellOpen(setup_.paths.helpFolder + u"index.html", SW_SHOWNORMAL); }

void CMorvaneDlg::ShowMainMenu() {
  UniqueMenu menu(::LoadMenuW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAIN_MENU)));
  HMENU popup = menu ? ::GetSubMenu(menu.get(), 0) : nullptr;
  if (!popup) return;
  static constexpr UINT kIds[] = {ID_MENU_IMPORT, ID_MENU_EXPORT, ID_APP_ABOUT, ID_MENU_EXIT};
  static constexpr std::u16string_view kKeys[] = {u"MENU_1", u"MENU_2", u"MENU_3", u"MENU_4"};
  for (UINT i = 0; i < 4; ++i) {
    const std::u16string text = LanguageValue(kKeys[i]);
    ::ModifyMenuW(popup, i, MF_BYPOSITION | MF_STRING, kIds[i], Wide(text));
  }
  POINT at{};
  ::GetCursorPos(&at);
  ::TrackPopupMenu(popup, TPM_LEFTBUTTON, at.x, at.y, 0, hwnd(), nullptr);
}

// --- keyboard arrival and the layer --------------------------------------------------------------------

int CMorvaneDlg::CurrentProfile() {
  if (!commands_) return -1;
  return store::CurrentProfileIndex(deviceState_, *commands_);
}

void CMorvaneDlg::ReloadFromDevice() {
  profiles::SyncContext context{stores_,       deviceState_,  *commands_, *this,
                                setup_.texts, setup_.location, [this] { panel_.RefreshKeyButtons(); }};
  (void)profiles::SyncFromKeyboard(context);
  SetModified(false);
  ShowCurrentProfileButton();
  RebuildProfileMenu(false);
}

void CMorvaneDlg::ShowCurrentProfileButton() {
  const int selected = profiles::SelectedProfileButton(deviceState_.CachedProfile());
  for (int i = 0; i < 3; ++i) buttons_[kProfileButtons[i]].SetSelected(i == selected, true);
}

void CMorvaneDlg::RebuildProfileMenu(bool create) {
  if (create || !profileMenu_) profileMenu_.Reset(::CreatePopupMenu());
  HMENU menu = profileMenu_.get();
  if (!menu) return;
  while (::GetMenuItemCount(menu) > 0) ::DeleteMenu(menu, 0, MF_BYPOSITION);
  const profiles::ProfileMenuModel model =
      profiles::BuildProfileMenu(deviceState_.CachedProfile(), setup_.texts, setup_.location);
  for (const profiles::ProfileMenuItem& item : model.items) {
    if (item.command == 0) {
      ::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    } else {
      ::AppendMenuW(menu, MF_STRING, item.command, Wide(item.text));
    }
  }
  ::CheckMenuItem(menu, static_cast<UINT>(model.checkedPosition), MF_BYPOSITION | MF_CHECKED);
  CPngButton& button = buttons_[IDC_FUNC_PROFILES];
  SetWindowTextU16(button.hwnd(), model.buttonText);
  button.SetTooltip(model.buttonTooltip, true);
  button.Redraw();
}

void CMorvaneDlg::OnLayerChanged() {
  const bool b = layerB();
  panel_.RefreshGKeyIndicators();
  buttons_[IDC_LOCK_AB].SetSelected(b, true);
  panel_.SetGKeyCaptions(b);
}

// --- device::NotificationSink: never waits -------------------------------------------------------------

void CMorvaneDlg::StartTimer(device::WindowTimer timer, unsigned periodMs) {
  ::PostMessageW(g_windowHandle.load(), kMsgStartTimer, static_cast<WPARAM>(TimerId(timer)), static_cast<LPARAM>(periodMs));
}

void CMorvaneDlg::LayerChanged(bool /*layerB*/) {
  // Posted, not sent: the library thread must stay free to deliver the replies an Apply waits for.
  ::PostMessageW(g_windowHandle.load(), kMsgLed, kLedRequest, 0);
}

void CMorvaneDlg::StartTrayIconThread(bool play) {
  if (presence_.stopping.load()) return;
  workers_.Start([this, play] {
    app::RunTrayIconThread(
        play, iconGate_, icons_, presence_.stopping, [this](app::TrayIcon icon) { SetTrayIcon(icon); },
        [](unsigned ms) { ::Sleep(ms); });
  });
}

void CMorvaneDlg::StartPresenceThread(int deviceCount) {
  if (presence_.stopping.load()) return;
  workers_.Start([this, deviceCount] { (void)app::PresenceUpdate(deviceCount, presence_, icons_, *this); });
}

// --- app::PresenceLink: presence threads -----------------------------------------------------------------

bool CMorvaneDlg::ReadDefaultKeyBlock() { return profiles::ReadDefaultKeyBlockInto(*commands_, deviceState_); }
bool CMorvaneDlg::ReadMacroCapacity() { return profiles::ReadMacroCapacityInto(*commands_, deviceState_); }

void CMorvaneDlg::Tell(TextId text) {
  if (presence_.stopping.load()) return;
  ::MessageBoxW(nullptr, Wide(std::u16string(setup_.texts.Text(text))), L"", MB_OK);
}

void CMorvaneDlg::ReloadFromKeyboard() {
  HWND window = g_windowHandle.load();
  DWORD_PTR result = 0;
  // The user-interface thread keeps serving sent messages while it waits for the workers at exit.
  ::SendMessageTimeoutW(window, kMsgReload, kReloadRequest, 0, SMTO_NORMAL, 60000, &result);
}

void CMorvaneDlg::KeyboardRemoved() {
  deviceState_.ForgetProfile();
  HWND window = g_windowHandle.load();
  DWORD_PTR result = 0;
  ::SendMessageTimeoutW(window, kMsgRemoved, 0, 0, SMTO_NORMAL, 60000, &result);
}

void CMorvaneDlg::SetTrayIcon(app::TrayIcon icon) { (void)tray_.SetIconResource(TrayIconResource(icon)); }

void CMorvaneDlg::OpenWindow() { ::PostMessageW(g_windowHandle.load(), kMsgOpen, kOpenRequest, 0); }

// --- store::Prompter ---------------------------------------------------------------------------------

void CMorvaneDlg::Tell(std::u16string_view text) {
  ::MessageBoxW(hwnd(), Wide(std::u16string(text)), L"", MB_OK);
}

bool CMorvaneDlg::AskYesNo(std::u16string_view text, bool defaultNo) {
  const UINT flags = MB_YESNO | (defaultNo ? MB_DEFBUTTON2 : MB_DEFBUTTON1);
  return ::MessageBoxW(hwnd(), Wide(std::u16string(text)), L"", flags) == IDYES;
}

// --- exit ------------------------------------------------------------------------------------------------

void CMorvaneDlg::Exit() {
  if (shutDown_) return;
  ::ShowWindow(hwnd(), SW_HIDE);
  Shutdown();
  for (auto& picture : keyLooks_) picture.Reset();
  Close(IDOK);
}

void CMorvaneDlg::CancelOpenDialogs() {
  if (about_) about_->Close(IDCANCEL);
  // The key editor and the profile manager close here once they exist as real dialogs.
}

void CMorvaneDlg::WaitForWorkers() {
  // Presence threads may be sending this window a message: keep serving them while waiting.
  while (!workers_.AllFinished()) {
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_SENDMESSAGE);
    MSG msg;
    ::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
  }
  workers_.JoinAll();
}

void CMorvaneDlg::Shutdown() {
  if (shutDown_) return;
  shutDown_ = true;
  presence_.stopping = true;
  CancelOpenDialogs();
  if (mutex_) {
    ::ReleaseMutex(mutex_);
    ::CloseHandle(mutex_);
    mutex_ = nullptr;
  }
  for (HANDLE event : namedEvents_) ::CloseHandle(event);
  namedEvents_.clear();
  // No more events from the library: nothing starts threads or posts work after this.
  device::SetActiveNotifications(nullptr);
  if (api_.End) api_.End();
  WaitForWorkers();
  if (busy_) busy_->Stop();
  if (keyboardFilter_) ::UnhookWindowsHookEx(keyboardFilter_);
  keyboardFilter_ = nullptr;
  tray_.Remove();
  icons_.Clear();
  if (hwnd()) {
    ::KillTimer(hwnd(), kTimerLightingStep);
    ::KillTimer(hwnd(), TimerId(device::WindowTimer::kLightingReread));
    ::KillTimer(hwnd(), TimerId(device::WindowTimer::kLightingDefaults));
  }
  SetModified(false);
  {
    auto working = stores_.working.Lock();
    stores_.working.FreeAll();
    std::vector<store::TextSlot>().swap(stores_.working.slots);
  }
  {
    auto applied = stores_.applied.Lock();
    stores_.applied.FreeAll();
    stores_.applied.FreeAppliedTexts();
  }
}

void CMorvaneDlg::OnDestroy() {
  if (!shutDown_) Shutdown();
  g_window = nullptr;
  g_windowHandle = nullptr;
}

}  // namespace mv::ui
