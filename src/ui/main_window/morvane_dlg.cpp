// CMorvaneDlg: start-up, private messages, window buttons, Apply and shutdown of the main window.
#include "ui/main_window/morvane_dlg.h"

#include <cstdio>
#include <string_view>
#include <thread>

#include "app/layout.h"
#include "platform/files.h"
#include "profiles/sync.h"
#include "store/download.h"
#include "store/prompter.h"
#include "ui/app/instance.h"
#include "ui/framework/controls.h"
#include "ui/framework/message_boxes.h"
#include "ui/framework/wide_text.h"
#include "ui/res/resource.h"
#include "ui/res/ui_numbers.h"
#include "ui/skin/window_specs.h"

namespace mv::ui {

namespace {
std::atomic<CMorvaneDlg*> g_window{nullptr};
std::atomic<HWND> g_windowHandle{nullptr};

[[noreturn]] void EndProgram() { ::ExitProcess(0); }

constexpr UINT kProgressPeriodMs = 100;
constexpr auto kProgressAfter = std::chrono::milliseconds(500);

}  // namespace

CMorvaneDlg* CMorvaneDlg::Published() { return g_window.load(); }

CMorvaneDlg::CMorvaneDlg(MainWindowSetup setup)
    : CBaseDialog(IDD_MORVANE_DIALOG, nullptr, setup.paths.mainLayoutFile, setup.paths.skinsFolder),
      setup_(std::move(setup)),
      stores_(setup_.stores),
      pictures_(setup_.paths.skinsFolder),
      keyboard_(KeyboardPanel::Context{setup_.texts, setup_.stores, [this] { return CurrentProfile(); },
                                       [this] { return layerB(); }, [this] { SetModified(true); }}),
      profile_(ProfilePanel::Context{setup_.texts, setup_.location, [this] { return CurrentProfile(); }}),
      tray_(TrayPanel::Actions{[this] { Open(); }, [this] { Exit(); }}) {
  HandleInstance();
  AddPanel(keyboard_);
  AddPanel(lighting_);
  AddPanel(profile_);
  AddPanel(tray_);
}

CMorvaneDlg::~CMorvaneDlg() {
  if (!shutDown_) Shutdown();
  CMorvaneDlg* self = this;
  if (g_window.compare_exchange_strong(self, nullptr)) g_windowHandle = nullptr;
}

// --- instance handling -------------------------------------------------------------------------------

void CMorvaneDlg::HandleInstance() {
  appIcon_.Reset(static_cast<HICON>(::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINFRAME),
                                                 IMAGE_ICON, 0, 0, LR_DEFAULTSIZE)));
  const app::CommandLineSwitches switches = app::ParseCommandLine(setup_.arguments);
  if (switches.kill) {
    if (const DWORD running = FindInstanceProcess(setup_.paths.executableName)) {
      SignalRunningInstance(running, InstanceRequest::kKill);
      EndProgram();
    }
  }
  keepInTray_ = switches.start;
  if (InstanceMutex::Exists()) {
    if (const DWORD running = FindInstanceProcess(setup_.paths.executableName)) {
      SignalRunningInstance(running, InstanceRequest::kOpen);
      EndProgram();
    }
  } else {
    mutex_.Take();
  }
  if (setup_.startCompanion) (void)ShellOpen(setup_.paths.companionExecutable, SW_HIDE);
  modified_ = false;
}

void CMorvaneDlg::SignalRunningInstance(DWORD processId, InstanceRequest request) const {
  if (SignalInstanceWindow(processId, request) == SignalResult::kNoAnswer)
    ::MessageBoxW(nullptr, Wide(std::u16string(setup_.texts.Text(TextId::MAIN_INSTANCE_NO_ANSWER_PROMPT))), L"", MB_OK);
}

// --- start-up --------------------------------------------------------------------------------------------

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

  g_window = this;
  g_windowHandle = hwnd();

  profiles::RemoveInterruptedSave(setup_.location);
  // The store first: the presence worker may read the keyboard into it as soon as the link starts.
  CreateWorkingStore();
  StartDeviceLink();
  LoadPictures();
  PlaceControls();
  SetWindowStyles();
  CreateNamedEvents();
  keyboardFilter_.Reset(::SetWindowsHookExW(WH_GETMESSAGE, &CMorvaneDlg::FilterKeyboard, nullptr, ::GetCurrentThreadId()));
  busy_ = std::make_unique<BusyIndicator>(hwnd(), kMsgBusyFrame);
  (void)busy_->Start();

  ::PostMessageW(hwnd(), kMsgInit, kInitRequest, 0);
  SetLanguageCaptions();
  lighting_.Start();
  return TRUE;
}

void CMorvaneDlg::StartDeviceLink() {
  device_ = std::make_unique<DeviceLink>(
      DeviceLink::WindowLink{hwnd(), [this](app::TrayIcon icon) { tray_.ShowIcon(icon); }},
      DeviceLink::Configuration{stores_, setup_.texts, setup_.location});
  if (!device_->Bind(setup_.libraryName)) EndProgram();
  device_->Start(keepInTray_);
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
  looks_.Load(kMainWindowSpec.looks, pictures_, hwnd());
  for (int i = 0; i < kBusyFrameCount; ++i) {
    wchar_t name[32];
    std::swprintf(name, 32, L"jdt%d.bmp", i + 1);
    busyFrames_[static_cast<std::size_t>(i)] = pictures_.Bitmap(FromWide(name));
  }
}

CPngButton& CMorvaneDlg::WindowButton(int id) {
  CPngButton* button = skin_.Button(id);
  return button ? *button : unplacedButton_;
}

void CMorvaneDlg::PlaceControls() {
  const std::u16string& layout = setup_.paths.mainLayoutFile;
  link_ = app::ReadLinkAddress(layout);
  // The panels attach their controls, then the window's description places every control, the
  // panels' buttons with them.
  keyboard_.LayoutKeyButtons(hwnd(), looks_.Looks());
  lighting_.AttachControls({hwnd(), layout, IsEnglish(setup_.paths.languageFile), pictures_, background()});
  profile_.AttachButtons(hwnd());
  skin_.Place(hwnd(), kMainWindowSpec, layout, pictures_, [this](int id) {
    if (CPngButton* button = keyboard_.ButtonOf(id)) return button;
    if (CPngButton* button = profile_.ButtonOf(id)) return button;
    return lighting_.ButtonOf(id);
  });
  lighting_.ShowPlaced(ReadLampSwitch());

  const auto& texts = setup_.texts;
  auto caption = [this](int id, const std::u16string& text, int points, const char16_t* face, COLORREF colour) {
    CPngButton& button = WindowButton(id);
    SetWindowTextU16(button.hwnd(), text);
    button.SetCaptionStyle(true, points, face, colour, CPngButton::kDefaultCaptionFormat);
  };
  caption(IDC_VOLSKA_LINK, link_, 8, u"Verdana", RGB(0xE4, 0xE4, 0xE4));
  caption(IDC_VOLSKA_VER, std::u16string(texts.Text(TextId::MAIN_BUTTON_VOLSKA_VER)), 8, u"Verdana", 0xE4E4E4);
  ::EnableWindow(Item(IDC_VOLSKA_VER), FALSE);
  WindowButton(IDC_CONTROL_HELP).SetTooltip(std::u16string(texts.Text(TextId::MAIN_HELP_PROMPT)), true);
  WindowButton(IDC_CONTROL_CLOSE).SetTooltip(std::u16string(texts.Text(TextId::MAIN_CLOSE_PROMPT)), true);
  WindowButton(IDC_CONTROL_MINIMIZE).SetTooltip(std::u16string(texts.Text(TextId::MAIN_MINIMIZE_PROMPT)), true);
  WindowButton(IDC_CONTROL_MENU).SetTooltip(std::u16string(texts.Text(TextId::MAIN_MENU_PROMPT)), true);
  keyboard_.ApplyFlip();
  keyboard_.SetGKeyCaptions(false);
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
    if (platform::UniqueHandle event(::CreateEventW(nullptr, FALSE, FALSE, name)); event)
      namedEvents_.push_back(std::move(event));
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
    CPngButton& button = WindowButton(c.id);
    SetWindowTextU16(button.hwnd(), LanguageValue(c.key));
    button.SetCaptionStyle(true, 9, u"Arial", 0xE4E4E4, CPngButton::kDefaultCaptionFormat);
  }
  WindowButton(IDC_CONTROL_MINIMIZE).SetTooltip(LanguageValue(u"MAIN_MINIMIZE_PROMPT"), true);
  WindowButton(IDC_CONTROL_MENU).SetTooltip(LanguageValue(u"MAIN_MENU_PROMPT"), true);
  WindowButton(IDC_CONTROL_CLOSE).SetTooltip(LanguageValue(u"MAIN_CLOSE_PROMPT"), true);
  tray_.SetMenuTexts({LanguageValue(u"MENU_11"), LanguageValue(u"MENU_22"), LanguageValue(u"MENU_33")});
}

void CMorvaneDlg::OnDeferredInit() {
  (void)tray_.Create(hwnd(), std::u16string(setup_.texts.Text(TextId::KEYBOARD_TRAY_DESC)), appIcon_.get());
  device_->ShowInitialTrayIcon();
  profile_.RebuildProfileMenu(true);
  device_->SetWindowReady();
  ::ShowWindow(hwnd(), SW_HIDE);
}

// --- messages --------------------------------------------------------------------------------------------

bool CMorvaneDlg::OnPrivateMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case kMsgInit:
      if (wParam == kInitRequest) OnDeferredInit();
      return true;
    case kMsgOpen:
      // The asking process is let go first: what opening shows (a box) must not hold it.
      if (::InSendMessage()) ::ReplyMessage(0);
      if (wParam == kOpenRequest) Open();
      return true;
    case kMsgKill:
      if (::InSendMessage()) ::ReplyMessage(0);
      if (wParam == kKillRequest) Exit();
      return true;
    case kMsgReload:
      if (wParam == kReloadRequest && !shutDown_) ShowKeyboardRead(lParam != 0);
      return true;
    case kMsgLed:
      if (wParam == kLedRequest && !shutDown_) keyboard_.ShowLayer(layerB());
      return true;
    case kMsgRemoved:
      if (!shutDown_) KeyboardRemoved();
      return true;
    default:
      return false;
  }
}

INT_PTR CMorvaneDlg::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (OnPrivateMessage(message, wParam, lParam)) {
    SetMessageResult(0);
    return TRUE;
  }
  switch (message) {
    case kMsgApplyNow:
      Apply();
      return TRUE;
    case kMsgStartTimer:
      if (!shutDown_) ::SetTimer(hwnd(), wParam, static_cast<UINT>(lParam), nullptr);
      return TRUE;
    case kMsgBusyFrame:
      // While a long Apply shows its progress, the indicator's own frames only hide it at the end.
      if (!showingProgress_ || static_cast<int>(wParam) < 0) ShowBusyFrame(static_cast<int>(wParam));
      return TRUE;
    case WM_TIMER:
      if (wParam != kTimerApplyProgress) break;
      ShowApplyProgress();
      return TRUE;
    case kMsgOpenAfterRead:
      // Handled late, the keyboard may have gone meanwhile: then there is nothing to open.
      if (lastPresence() != 0 && !shutDown_) Show();
      return TRUE;
    case kMsgTell:
      if (wParam < static_cast<WPARAM>(kTextCount) && !shutDown_) Tell(setup_.texts.Text(static_cast<TextId>(wParam)));
      return TRUE;
    case WM_WINDOWPOSCHANGING:
      // The dialog manager shows a modal dialog the first time its queue runs empty, which may
      // come before or after the deferred initialisation and the keyboard's read. Until the
      // window is opened on purpose, no show goes through, whatever the order.
      if (!opened_) {
        auto* pos = reinterpret_cast<WINDOWPOS*>(lParam);
        if (pos->flags & SWP_SHOWWINDOW) pos->flags = (pos->flags & ~SWP_SHOWWINDOW) | SWP_NOACTIVATE;
      }
      break;
    case WM_SYSCOMMAND:
      if ((wParam & 0xFFF0) == IDM_ABOUTBOX) {
        ShowAbout();
        return TRUE;
      }
      if ((wParam & 0xFFF0) == SC_MINIMIZE) {
        // Minimising hides to the tray as Cancel does: the window has no taskbar button to come
        // back from, and without a window manager a minimised window would stay in the way.
        ::ShowWindow(hwnd(), SW_HIDE);
        return TRUE;
      }
      break;
    case WM_HELP:
      OpenHelp();
      return TRUE;
    case WM_QUERYDRAGICON:
      SetMessageResult(reinterpret_cast<LRESULT>(appIcon_.get()));
      return TRUE;
    case WM_PAINT:
      if (::IsIconic(hwnd())) {
        PaintMinimisedIcon();
        return TRUE;
      }
      break;
    default:
      break;
  }
  return CBaseDialog::HandleMessage(message, wParam, lParam);
}

void CMorvaneDlg::PaintMinimisedIcon() {
  PAINTSTRUCT paint;
  HDC dc = ::BeginPaint(hwnd(), &paint);
  RECT client;
  ::GetClientRect(hwnd(), &client);
  const int cx = ::GetSystemMetrics(SM_CXICON), cy = ::GetSystemMetrics(SM_CYICON);
  ::DrawIcon(dc, (client.right - cx + 1) / 2, (client.bottom - cy + 1) / 2, appIcon_.get());
  ::EndPaint(hwnd(), &paint);
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

// --- window buttons and menus ---------------------------------------------------------------------------

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
    case ID_MENU_EXIT:
      Exit();
      return true;
    case IDC_CONTROL_MENU:
      ShowMainMenu();
      return true;
    case ID_APP_ABOUT:
      ShowAbout();
      return true;
    default:
      return false;  // the panels' commands
  }
}

void CMorvaneDlg::SetModified(bool modified) {
  modified_ = modified;
  if (hwnd()) ::EnableWindow(Item(IDC_CONTROL2_APPLY), modified ? TRUE : FALSE);
}

void CMorvaneDlg::Open() {
  if (device_ && device_->DeferOpenWhileReading()) return;  // it opens when the read ends
  if (lastPresence() == 0) {
    TellNoKeyboard();
    // The keyboard's arrival closes the box: the request it answered is met once the read ends.
    if (shutDown_ || (device_ && device_->DeferOpenWhileReading()) || lastPresence() == 0) return;
  }
  Show();
}

void CMorvaneDlg::Show() {
  opened_ = true;
  HideFromTaskbar(false);
  ::ShowWindow(hwnd(), ::IsIconic(hwnd()) ? SW_RESTORE : SW_SHOW);
  ::SetForegroundWindow(hwnd());
}

void CMorvaneDlg::TellNoKeyboard() {
  if (noKeyboardBox_) return;  // asked again while the box is open: still one box
  noKeyboardBox_ = true;
  Tell(setup_.texts.Text(TextId::MAIN_NO_DEVICE_PROMPT));
  noKeyboardBox_ = false;
}

void CMorvaneDlg::CloseNoKeyboardBox() const {
  if (!noKeyboardBox_) return;
  const std::u16string text(setup_.texts.Text(TextId::MAIN_NO_DEVICE_PROMPT));
  for (HWND box : OwnedStandardDialogs(hwnd()))
    if (ShowsText(box, text)) ::PostMessageW(box, WM_COMMAND, IDOK, 0);
}

void CMorvaneDlg::Apply() {
  if (applying_) return;  // asked again while the window serves its messages during an Apply
  applying_ = true;
  if (busy_) busy_->Show();  // its thread is ready since the window opened: no wait
  if (modified_.load() && RunApply() == 1) SetModified(false);
  if (busy_) busy_->Hide();
  applying_ = false;
}

int CMorvaneDlg::RunApply() {
  // The keyboard is written on a worker while this thread keeps the window painted, the busy
  // indicator moving and sent messages answered; the window takes no input meanwhile. Messages
  // for the user are kept and shown afterwards, in order, so the worker never waits on a box.
  struct KeptMessages final : store::Prompter {
    void Tell(std::u16string_view text) override { texts.emplace_back(text); }
    bool AskYesNo(std::u16string_view, bool) override { return false; }  // the download asks nothing
    std::vector<std::u16string> texts;
  } kept;
  std::atomic<bool> finished{false};
  int result = 0;
  const bool wasEnabled = ::IsWindowEnabled(hwnd()) != FALSE;
  ::EnableWindow(hwnd(), FALSE);
  applyPlanned_ = 0;
  applyFirstReport_ = device_->reportsExchanged();
  applyStart_ = std::chrono::steady_clock::now();
  UniqueTimer progress;
  (void)progress.Start(hwnd(), kTimerApplyProgress, kProgressPeriodMs);
  std::thread download([&] {
    profiles::SyncContext context{stores_,       device_->state(), device_->commands(), kept,
                                  setup_.texts, setup_.location,  {},
                                  [this](int reports) { applyPlanned_ = reports; }};
    result = profiles::ApplyCurrentProfile(context);
    finished = true;
    ::PostMessageW(hwnd(), WM_NULL, 0, 0);  // wakes the loop below
  });
  ServeMessagesUntil(finished);
  download.join();
  progress.Stop();
  showingProgress_ = false;
  if (wasEnabled) ::EnableWindow(hwnd(), TRUE);
  if (!shutDown_)
    for (const std::u16string& text : kept.texts) Tell(text);
  return result;
}

void CMorvaneDlg::ShowApplyProgress() {
  // Short downloads keep the moving picture; a longer one shows how much has been written.
  const int planned = applyPlanned_.load();
  if (planned <= 0 || std::chrono::steady_clock::now() - applyStart_ < kProgressAfter) return;
  showingProgress_ = true;
  ++progressShown_;
  ShowBusyFrame(store::ProgressStep(device_->reportsExchanged() - applyFirstReport_, planned, kBusyFrameCount));
}

void CMorvaneDlg::ShowBusyFrame(int frame) {
  HWND picture = Item(IDC_CONTROL_JDTStatic);
  if (!picture) return;
  if (frame < 0 || frame >= kBusyFrameCount) {
    ::ShowWindow(picture, SW_HIDE);
    return;
  }
  (void)Label(picture).SetImage(busyFrames_[static_cast<std::size_t>(frame)]);
  ::ShowWindow(picture, SW_SHOW);
}

void CMorvaneDlg::ShowAbout() {
  if (about_) return;
  AboutBox about({LanguageValue(u"GUANYU_TITLE"), LanguageValue(u"GUANYU_JIESHAO"), LanguageValue(u"GUANYU_BANQUAN"),
                  LanguageValue(u"GUANYU_OK")},
                 link_, [this] { OpenHelp(); });
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

// --- the keyboard's arrival and removal ----------------------------------------------------------------

int CMorvaneDlg::trayIcon() const {
  const auto icon = device_ ? device_->trayIcon() : std::nullopt;
  return icon ? TrayIconResource(*icon) : 0;
}

// The profile known from the last read: the window's thread never asks the keyboard.
int CMorvaneDlg::CurrentProfile() { return device_ ? device_->state().CachedProfile() : -1; }

void CMorvaneDlg::ShowKeyboardRead(bool read) {
  keyboard_.RefreshKeyButtons();
  // Posted: the presence worker waits for this message's answer and must not wait on the user.
  if (!read) ::PostMessageW(hwnd(), kMsgTell, static_cast<WPARAM>(TextId::MAIN_KEYBOARD_NOT_READ_PROMPT), 0);
  SetModified(false);
  profile_.ShowCurrentProfile();
  profile_.RebuildProfileMenu(false);
  CloseNoKeyboardBox();
}

void CMorvaneDlg::KeyboardRemoved() {
  CancelOpenDialogs();
  if (::IsWindowVisible(hwnd())) ::ShowWindow(hwnd(), SW_MINIMIZE);
  ::ShowWindow(hwnd(), SW_HIDE);
}

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
  Close(IDOK);
}

void CMorvaneDlg::CancelOpenDialogs() {
  if (about_) about_->Close(IDCANCEL);
  // The key editor and the profile manager close here once they exist as real dialogs.
}

void CMorvaneDlg::CloseMessageBoxes() const {
  // A box of ours holds this thread in its own loop: the program ends only once it has closed.
  for (HWND box : OwnedStandardDialogs(hwnd())) ::EndDialog(box, IDCANCEL);
}

void CMorvaneDlg::Shutdown() {
  if (shutDown_) return;
  shutDown_ = true;
  CancelOpenDialogs();
  CloseMessageBoxes();
  mutex_.Release();
  namedEvents_.clear();
  if (device_) device_->Stop();
  if (busy_) busy_->Stop();
  keyboardFilter_.Reset();
  tray_.Remove();
  lighting_.Stop();
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
