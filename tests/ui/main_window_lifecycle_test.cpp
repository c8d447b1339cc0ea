// The main window in this process, with the simulated keyboard of Quenlink.dll beside the test
// program: what a present keyboard reads at start, unplug and plug, the layer key, the play icon,
// Apply, hiding and exit, and the key editor's record.
#include <gtest/gtest.h>

#include <windows.h>
#include <shellapi.h>

#include <array>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <set>
#include <vector>
#include <string_view>
#include <thread>

#include "app/paths.h"
#include "device/commands.h"
#include "platform/system.h"
#include "platform/unique_handle_win.h"
#include "scratch_folder.h"
#include "ui/framework/gdiplus_session.h"
#include "ui/framework/message_boxes.h"
#include "ui/framework/wide_text.h"
#include "ui/main_window/morvane_dlg.h"
#include "ui/res/resource.h"

namespace mv::ui {
namespace {

using Report = std::array<std::uint8_t, 64>;

// The control exports of the simulated library this process loads.
struct Simulator {
  HMODULE module = ::LoadLibraryW(L"Quenlink.dll");
  template <typename F>
  F Get(const char* name) const {
    return reinterpret_cast<F>(reinterpret_cast<void*>(::GetProcAddress(module, name)));
  }
  void Plug() const { Get<void (*)()>("SimPlug")(); }
  void Unplug() const { Get<void (*)()>("SimUnplug")(); }
  void Consumer(int code) const { Get<void (*)(int)>("SimConsumerCode")(code); }
  void ClearLog() const { Get<void (*)()>("SimClearLog")(); }
  std::vector<Report> Log() const {
    std::vector<Report> reports;
    const int n = Get<int (*)()>("SimLogCount")();
    for (int i = 0; i < n; ++i) {
      Report r{};
      if (Get<int (*)(int, std::uint8_t*)>("SimLogReport")(i, r.data())) reports.push_back(r);
    }
    return reports;
  }
};

int Opcode(const Report& r) { return r[device::kOpcodeByte]; }
int Offset(const Report& r) { return r[device::kOffsetByte] | r[device::kOffsetByte + 1] << 8; }

int CountReports(const std::vector<Report>& log, int opcode, int offset = -1) {
  int n = 0;
  for (const Report& r : log) n += Opcode(r) == opcode && (offset < 0 || Offset(r) == offset);
  return n;
}

// Serves the window's messages until the condition holds or the time is up.
bool PumpUntil(const std::function<bool()>& condition, int timeoutMs = 10000) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  while (!condition()) {
    if (std::chrono::steady_clock::now() > end) return false;
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      ::TranslateMessage(&msg);
      ::DispatchMessageW(&msg);
    }
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
  }
  return true;
}

// The visible message boxes a window owns.
std::vector<HWND> OwnedBoxes(HWND owner) {
  std::vector<HWND> boxes = OwnedStandardDialogs(owner);
  std::erase_if(boxes, [](HWND box) { return !::IsWindowVisible(box); });
  return boxes;
}

// Answers every box the window shows until told to stop, so that a box cannot hold the test.
class BoxAnswerer {
 public:
  explicit BoxAnswerer(HWND owner)
      : thread_([this, owner] {
          while (!stop_.load()) {
            for (HWND box : OwnedBoxes(owner)) {
              answered_ = true;
              ::PostMessageW(box, WM_COMMAND, IDOK, 0);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
          }
        }) {}
  ~BoxAnswerer() { Stop(); }
  void Stop() {
    stop_ = true;
    if (thread_.joinable()) thread_.join();
  }
  bool answered() const { return answered_.load(); }

 private:
  std::atomic<bool> stop_{false};
  std::atomic<bool> answered_{false};
  std::thread thread_;
};

// Waits on its own thread (the window's thread is inside the box) until the condition holds.
bool WaitOnThisThread(const std::function<bool()>& condition, int timeoutMs = 10000) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  while (!condition()) {
    if (std::chrono::steady_clock::now() > end) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return true;
}

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(sim.module) << "Quenlink.dll must be beside the test program";
    ASSERT_TRUE(gdiplus.ok());
    sim.Plug();
    sim.ClearLog();
  }

  void TearDown() override {
    if (window && window->hwnd()) window->Exit();
    window.reset();
  }

  // Creates the window and waits until its deferred initialisation ran.
  void Start() {
    paths = app::BuildProgramPaths(platform::ExecutablePath());
    texts.LoadLanguageTexts(paths.languageFile);
    window = std::make_unique<CMorvaneDlg>(
        MainWindowSetup{paths, texts, stores, profiles::ProfileLocation{docs.Path(), {}}, {}, u"Quenlink.dll", false});
    window->panel().SetEditorOpener([this](HWND, const EditorRequest& r) {
      editorRequests.push_back(r);
      return INT_PTR{IDCANCEL};
    });
    ASSERT_NE(window->CreateModeless(nullptr), nullptr);
    ASSERT_TRUE(PumpUntil([&] { return window->ready(); }));
  }

  bool Visible() const { return ::IsWindowVisible(window->hwnd()) != FALSE; }
  void Command(int id) const { ::SendMessageW(window->hwnd(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }
  bool KeyboardReadDone() const { return window->lastPresence() == 1 && window->trayIcon() == 141; }

  Simulator sim;
  GdiplusSession gdiplus;
  mv::test::ScratchFolder docs;
  app::ProgramPaths paths;
  LanguageTable texts;
  store::ConfigStores stores;
  std::unique_ptr<CMorvaneDlg> window;
  std::vector<EditorRequest> editorRequests;
};

TEST_F(MainWindowTest, PresentKeyboardIsReadOnceAndTheWindowOpensByItself) {
  Start();
  ASSERT_TRUE(PumpUntil([&] { return Visible(); }));
  EXPECT_TRUE(KeyboardReadDone());
  const auto log = sim.Log();
  EXPECT_EQ(CountReports(log, device::kOpReadDefaultKeyBlock, 0), 1);
  EXPECT_GE(CountReports(log, device::kOpReadSettingsBlock), 1);
  std::set<int> banks;
  for (const Report& r : log)
    if (Opcode(r) == device::kOpReadKeyBlock) banks.insert(Offset(r) / device::kKeyBankStride);
  EXPECT_EQ(banks, (std::set<int>{0, 1, 2}));
  EXPECT_EQ(CountReports(log, device::kOpReadMacroArea, 0), 1);
  EXPECT_EQ(::GetWindowLongPtrW(window->hwnd(), GWLP_USERDATA), 0x4D41494E);
  EXPECT_FALSE(window->modified());
}

TEST_F(MainWindowTest, EveryShownControlHasBeenPlacedFromTheLayout) {
  // A control the window forgets to place stays where the template put it, at the window's
  // top-left corner, and is drawn over the skin there.
  Start();
  ASSERT_TRUE(PumpUntil([&] { return Visible(); }));
  std::vector<int> unplaced;
  ::EnumChildWindows(
      window->hwnd(),
      [](HWND child, LPARAM found) -> BOOL {
        RECT r{};
        ::GetWindowRect(child, &r);
        ::MapWindowPoints(HWND_DESKTOP, ::GetParent(child), reinterpret_cast<POINT*>(&r), 2);
        if (::IsWindowVisible(child) && r.left == 0 && r.top == 0)
          reinterpret_cast<std::vector<int>*>(found)->push_back(::GetDlgCtrlID(child));
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&unplaced));
  EXPECT_TRUE(unplaced.empty()) << "first unplaced control: " << unplaced.front();
}

TEST_F(MainWindowTest, UnplugHidesAndPlugReadsAgainWithoutOpening) {
  Start();
  ASSERT_TRUE(PumpUntil([&] { return Visible() && KeyboardReadDone(); }));
  sim.Unplug();
  ASSERT_TRUE(PumpUntil([&] { return window->trayIcon() == 128 && window->lastPresence() == 0; }));
  EXPECT_FALSE(Visible());
  EXPECT_EQ(window->deviceState().CachedProfile(), -1);
  sim.ClearLog();
  sim.Plug();
  ASSERT_TRUE(PumpUntil([&] { return KeyboardReadDone(); }));
  EXPECT_EQ(CountReports(sim.Log(), device::kOpReadDefaultKeyBlock, 0), 1);
  PumpUntil([] { return false; }, 300);  // an Open request would have arrived by now
  EXPECT_FALSE(Visible());
}

TEST_F(MainWindowTest, OpeningDuringTheArrivalReadOpensAfterTheReadWithoutABox) {
  Start();
  ASSERT_TRUE(PumpUntil([&] { return Visible() && KeyboardReadDone(); }));
  Command(IDC_CONTROL_CANCEL);
  sim.Unplug();
  ASSERT_TRUE(PumpUntil([&] { return window->lastPresence() == 0; }));
  sim.Get<void (*)(int)>("SimSetReplyDelayMs")(40);  // a slow keyboard: the read takes a while
  sim.Plug();
  ASSERT_TRUE(PumpUntil([&] { return window->readingKeyboard(); }));

  BoxAnswerer user(window->hwnd());  // a wrong box cannot hold the test
  ::PostMessageW(window->hwnd(), kMsgOpen, kOpenRequest, 0);  // as a tray double-click or a second start
  const bool shown = PumpUntil([&] { return Visible(); }, 20000);
  user.Stop();
  sim.Get<void (*)(int)>("SimSetReplyDelayMs")(0);
  EXPECT_TRUE(shown);
  EXPECT_FALSE(user.answered()) << "no keyboard is missing: it is being read";
  EXPECT_EQ(window->lastPresence(), 1);
}

TEST_F(MainWindowTest, TheWindowAnswersWhileASilentKeyboardIsRead) {
  Start();
  ASSERT_TRUE(PumpUntil([&] { return KeyboardReadDone(); }));
  sim.Unplug();
  ASSERT_TRUE(PumpUntil([&] { return window->lastPresence() == 0; }));
  sim.Get<void (*)(int)>("SimDropNextReplies")(1000000);  // the keyboard stops answering
  sim.Plug();
  ASSERT_TRUE(PumpUntil([&] { return window->readingKeyboard(); }));

  // Another thread asks the window while the read waits for answers that never come.
  const HWND main = window->hwnd();
  std::atomic<int> answered{0};
  std::atomic<bool> done{false};
  BoxAnswerer boxes(main);  // the failed read's message may come up in a box meanwhile
  std::thread asker([&] {
    for (int i = 0; i < 10; ++i) {
      DWORD_PTR result = 0;
      if (::SendMessageTimeoutW(main, WM_NULL, 0, 0, SMTO_NORMAL, 100, &result)) ++answered;
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    done = true;
  });
  PumpUntil([&] { return done.load(); }, 20000);
  asker.join();
  boxes.Stop();
  EXPECT_TRUE(window->readingKeyboard()) << "the read was still waiting";
  EXPECT_EQ(answered.load(), 10);
  sim.Get<void (*)(int)>("SimDropNextReplies")(0);
}

TEST_F(MainWindowTest, OneTrayDoubleClickWhileUnpluggedGivesOneBoxThatTheArrivalCloses) {
  Start();
  ASSERT_TRUE(PumpUntil([&] { return KeyboardReadDone(); }));
  Command(IDC_CONTROL_CANCEL);
  sim.Unplug();
  ASSERT_TRUE(PumpUntil([&] { return window->lastPresence() == 0; }));

  const HWND main = window->hwnd();
  std::size_t mostBoxes = 0;
  bool closedByArrival = false;
  std::thread user([&] {
    if (!WaitOnThisThread([&] { return !OwnedBoxes(main).empty(); })) return;
    ::PostMessageW(main, kMsgOpen, kOpenRequest, 0);  // asked again while the box is open
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    mostBoxes = OwnedBoxes(main).size();
    sim.Plug();
    closedByArrival = WaitOnThisThread([&] { return OwnedBoxes(main).empty(); }, 20000);
    for (HWND box : OwnedBoxes(main)) ::PostMessageW(box, WM_COMMAND, IDOK, 0);  // leave no box behind
  });
  ::PostMessageW(main, kTrayCallback, kTrayIconId, WM_LBUTTONDBLCLK);
  const bool shown = PumpUntil([&] { return Visible(); }, 30000);
  user.join();
  EXPECT_EQ(mostBoxes, 1u);
  EXPECT_TRUE(closedByArrival);
  EXPECT_TRUE(shown) << "the request the box answered is met once the keyboard has been read";
}

TEST_F(MainWindowTest, ThreeLayerPressesLeaveLayerBAndItsCaptions) {
  Start();
  ASSERT_TRUE(PumpUntil([&] { return KeyboardReadDone(); }));
  for (int i = 0; i < 3; ++i) sim.Consumer(0x02FF);
  ASSERT_TRUE(PumpUntil([&] { return WindowText(window->Item(IDC_FUNC_G1)) == u"B1"; }));
  EXPECT_TRUE(window->layerB());
  const int gKeys[] = {IDC_FUNC_G1, IDC_FUNC_G2, IDC_FUNC_G3, IDC_FUNC_G4, IDC_FUNC_G5};
  const char16_t* captions[] = {u"B1", u"B2", u"B3", u"B4", u"B5"};
  ASSERT_TRUE(PumpUntil([&] { return WindowText(window->Item(IDC_FUNC_G5)) == u"B5"; }));
  for (int i = 0; i < 5; ++i) EXPECT_EQ(WindowText(window->Item(gKeys[i])), captions[i]);
  EXPECT_EQ(WindowText(window->Item(IDC_FUNC_G6)), u"");
  std::array<std::uint8_t, 2> led{};
  EXPECT_EQ(sim.Get<int (*)(std::uint8_t*)>("SimLedStatus")(led.data()), 3);
  EXPECT_EQ(led, (std::array<std::uint8_t, 2>{0x05, 0x03}));
}

TEST_F(MainWindowTest, PlayThenEndLeavesThePresenceIcon) {
  Start();
  ASSERT_TRUE(PumpUntil([&] { return KeyboardReadDone(); }));
  sim.Consumer(0x1811);
  ASSERT_TRUE(PumpUntil([&] { return window->trayIcon() == 142; }));
  sim.Consumer(0x1810);
  ASSERT_TRUE(PumpUntil([&] { return window->trayIcon() == 141 && window->workersFinished(); }));
}

TEST_F(MainWindowTest, ApplySendsNothingUnlessModifiedThenWritesTheMacroAreaAndTheCurrentBank) {
  Start();
  ASSERT_TRUE(PumpUntil([&] { return KeyboardReadDone(); }));
  sim.ClearLog();
  window->Apply();
  EXPECT_TRUE(sim.Log().empty());

  const int profile = window->deviceState().CachedProfile();
  ASSERT_GE(profile, 0);
  {
    auto guard = stores.working.Lock();
    keys::KeyAssignment disabled;
    disabled.type = static_cast<std::uint16_t>(keys::AssignmentType::Disabled);
    ASSERT_TRUE(stores.working.SetRecordFor(profile, 0x1E, disabled));
  }
  window->SetModified(true);
  EXPECT_TRUE(::IsWindowEnabled(window->Item(IDC_CONTROL2_APPLY)));
  Command(IDC_CONTROL2_APPLY);
  const auto log = sim.Log();
  EXPECT_GE(CountReports(log, device::kOpWriteMacroArea), 1);
  std::set<int> banks;
  for (const Report& r : log)
    if (Opcode(r) == device::kOpWriteKeyBlock) banks.insert(Offset(r) / device::kKeyBankStride);
  EXPECT_EQ(banks, (std::set<int>{profile}));
  EXPECT_FALSE(window->modified());
  EXPECT_FALSE(::IsWindowEnabled(window->Item(IDC_CONTROL2_APPLY)));
  EXPECT_TRUE(window->busyIndicatorRunning());  // one indicator thread, kept between Applies
}

TEST_F(MainWindowTest, TheBusyIndicatorMovesAndShowsProgressWhileASlowApplyWritesTheKeyboard) {
  Start();
  ASSERT_TRUE(PumpUntil([&] { return KeyboardReadDone(); }));
  const int profile = window->deviceState().CachedProfile();
  ASSERT_GE(profile, 0);
  {
    auto guard = stores.working.Lock();
    keys::KeyAssignment disabled;
    disabled.type = static_cast<std::uint16_t>(keys::AssignmentType::Disabled);
    ASSERT_TRUE(stores.working.SetRecordFor(profile, 0x1E, disabled));
  }
  window->SetModified(true);
  sim.Get<void (*)(int)>("SimSetReplyDelayMs")(100);  // a slow keyboard: the download takes a second or so
  sim.ClearLog();

  // Another thread watches the indicator while this one is inside Apply.
  const HWND picture = window->Item(IDC_CONTROL_JDTStatic);
  std::atomic<bool> applying{true};
  std::atomic<bool> shown{false};
  std::set<LRESULT> frames;
  std::thread watcher([&] {
    while (applying.load()) {
      if (::IsWindowVisible(picture)) shown = true;
      DWORD_PTR image = 0;
      if (::SendMessageTimeoutW(picture, STM_GETIMAGE, IMAGE_BITMAP, 0, SMTO_NORMAL, 200, &image) && image)
        frames.insert(static_cast<LRESULT>(image));
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
  });
  Command(IDC_CONTROL2_APPLY);
  applying = false;
  watcher.join();
  sim.Get<void (*)(int)>("SimSetReplyDelayMs")(0);

  EXPECT_GE(CountReports(sim.Log(), device::kOpWriteKeyBlock), 1);
  EXPECT_FALSE(window->modified());
  EXPECT_TRUE(shown.load()) << "the indicator shows while the keyboard is written";
  EXPECT_GE(frames.size(), 2u) << "and it moves";
  EXPECT_GT(window->progressShown(), 0) << "past half a second it shows the share written";
  EXPECT_TRUE(::IsWindowEnabled(window->hwnd()));
}

TEST_F(MainWindowTest, CancelHidesAndTheCloseButtonExitsLeavingNoThread) {
  Start();
  ASSERT_TRUE(PumpUntil([&] { return Visible(); }));
  Command(IDC_CONTROL_CANCEL);
  EXPECT_FALSE(Visible());
  EXPECT_FALSE(window->shutDown());
  window->Open();
  EXPECT_TRUE(Visible());
  Command(IDC_CONTROL_CLOSE);
  EXPECT_TRUE(window->shutDown());
  EXPECT_EQ(window->hwnd(), nullptr);
  EXPECT_TRUE(window->workersFinished());
  EXPECT_FALSE(window->busyIndicatorRunning());
  EXPECT_EQ(window->trayIcon(), 0);
  EXPECT_EQ(CMorvaneDlg::Published(), nullptr);
}

TEST_F(MainWindowTest, ColourEditsTakeDigitsOnlyAndAtMost255) {
  Start();
  ASSERT_TRUE(PumpUntil([&] { return KeyboardReadDone(); }));
  const HWND red = window->Item(IDC_m_edit_rgbr);
  ASSERT_NE(red, nullptr);
  EXPECT_EQ(WindowText(red), u"0");
  ::SetWindowTextW(red, L"abc999");  // as a paste would bring it
  EXPECT_EQ(WindowText(red), u"255");
  ::SetWindowTextW(red, L"");
  for (wchar_t c : std::wstring(L"1x2")) ::SendMessageW(red, WM_CHAR, c, 0);
  EXPECT_EQ(WindowText(red), u"12");
  for (wchar_t c : std::wstring(L"99")) ::SendMessageW(red, WM_CHAR, c, 0);
  EXPECT_EQ(WindowText(red), u"129") << "three digits at most";
}

TEST_F(MainWindowTest, MinimiseHidesToTheTrayAndTheWindowStaysResponsive) {
  Start();
  ASSERT_TRUE(PumpUntil([&] { return Visible(); }));
  Command(IDC_CONTROL_MINIMIZE);
  EXPECT_TRUE(PumpUntil([&] { return !Visible(); }));
  EXPECT_FALSE(::IsIconic(window->hwnd()));
  window->Open();
  EXPECT_TRUE(Visible());
  ::SendMessageW(window->hwnd(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
  EXPECT_FALSE(Visible());
}

TEST_F(MainWindowTest, G3OpensTheEditorOnItsRecordOfTheShownLayer) {
  Start();
  ASSERT_TRUE(PumpUntil([&] { return KeyboardReadDone(); }));
  Command(IDC_FUNC_G3);
  ASSERT_EQ(editorRequests.size(), 1u);
  EXPECT_EQ(editorRequests[0].record, 258);
  EXPECT_EQ(editorRequests[0].controlId, IDC_FUNC_G3);
  EXPECT_FALSE(editorRequests[0].macroOnly);

  sim.Consumer(0x02FF);
  ASSERT_TRUE(PumpUntil([&] { return window->layerB(); }));
  Command(IDC_FUNC_G3);
  ASSERT_EQ(editorRequests.size(), 2u);
  EXPECT_EQ(editorRequests[1].record, 267);

  Command(IDC_FUNC_MACRO);  // the macro-edit button: G9 in macro-only mode
  ASSERT_EQ(editorRequests.size(), 3u);
  EXPECT_EQ(editorRequests[2].record, 273);
  EXPECT_TRUE(editorRequests[2].macroOnly);

  Command(IDC_KEY_01E);  // A: its key index
  ASSERT_EQ(editorRequests.size(), 4u);
  EXPECT_EQ(editorRequests[3].record, 0x1E);
  EXPECT_EQ(window->panel().lastEditorRequest().record, 0x1E);
}

TEST_F(MainWindowTest, PostedMessage30RunsApplyAndTheNamedEventsLiveWithTheWindow) {
  Start();
  ASSERT_TRUE(PumpUntil([&] { return KeyboardReadDone(); }));
  {
    const platform::UniqueHandle first(::OpenEventW(SYNCHRONIZE, FALSE, L"Morvane_Event_Main_01"));
    const platform::UniqueHandle last(::OpenEventW(SYNCHRONIZE, FALSE, L"Morvane_Event_Main_208"));
    EXPECT_NE(first.get(), nullptr);
    EXPECT_NE(last.get(), nullptr);
  }  // closed again, or the events would outlive the window

  window->SetModified(true);
  ASSERT_TRUE(::PostMessageW(window->hwnd(), 30, 0, 0));
  EXPECT_TRUE(PumpUntil([&] { return !window->modified(); }));

  window->Exit();
  const platform::UniqueHandle after(::OpenEventW(SYNCHRONIZE, FALSE, L"Morvane_Event_Main_01"));
  EXPECT_EQ(after.get(), nullptr);
}

TEST_F(MainWindowTest, TheTrayIconComesBackAfterTheShellRestarts) {
  Start();
  ASSERT_TRUE(PumpUntil([&] { return KeyboardReadDone(); }));
  ASSERT_TRUE(window->trayCreated());
  // A restarting shell forgets every icon: the window must add its own again when told.
  NOTIFYICONDATAW icon{};
  icon.cbSize = sizeof(icon);
  icon.hWnd = window->hwnd();
  icon.uID = kTrayIconId;
  ASSERT_TRUE(::Shell_NotifyIconW(NIM_DELETE, &icon));
  ASSERT_FALSE(::Shell_NotifyIconW(NIM_MODIFY, &icon)) << "the icon is gone";
  ::SendMessageW(window->hwnd(), ::RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
  EXPECT_TRUE(::Shell_NotifyIconW(NIM_MODIFY, &icon)) << "the icon is back";
  EXPECT_TRUE(window->trayCreated());
  EXPECT_EQ(window->trayIcon(), 141);
}

TEST(EditorRequest, RecordsOfTheKeysAndNothingForOtherControls) {
  EXPECT_EQ(MakeEditorRequest(IDC_FUNC_G1, false).record, 256);
  EXPECT_EQ(MakeEditorRequest(IDC_FUNC_G9, true).record, 273);
  EXPECT_TRUE(MakeEditorRequest(IDC_FUNC_G9, false).macroOnly);
  EXPECT_EQ(MakeEditorRequest(IDC_KEY_0DB, false).record, 0xDB);  // Win
  EXPECT_EQ(MakeEditorRequest(IDC_KEY_D1, false).record, -1);
  EXPECT_EQ(MakeEditorRequest(IDC_CONTROL_OK, false).record, -1);
  std::set<int> controls;
  for (const PanelKey& k : kPanelKeys) controls.insert(k.controlId);
  EXPECT_EQ(controls.size(), kPanelKeys.size());
}

}  // namespace
}  // namespace mv::ui
