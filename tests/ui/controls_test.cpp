// The control wrappers on real stock controls made at run time (hidden), and the handle wrappers:
// kernel handles with both empty values, hooks and timers.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <chrono>
#include <climits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/files.h"
#include "platform/system.h"
#include "platform/unique_handle_win.h"
#include "ui/framework/controls.h"
#include "ui/framework/gdi_handle.h"
#include "ui/framework/user_handle.h"

namespace mv::ui {
namespace {

using platform::UniqueFindHandle;
using platform::UniqueHandle;

// Texts that catch a wrong width or a missing terminator: CJK, a surrogate pair, and a view cut
// out of a longer string.
constexpr std::u16string_view kChinese = u"\u6fc0\u6d3b\u540d\u79f0";
constexpr std::u16string_view kSurrogates = u"a\U0001F600b";
constexpr std::u16string_view kLonger = u"alphabet";
const std::u16string_view kCut = kLonger.substr(0, 5);  // "alpha", not terminated

class ControlsTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&icc);
  }

  HWND Child(const wchar_t* className, DWORD style, int id = 100) {
    children_.emplace_back(::CreateWindowExW(0, className, L"", WS_CHILD | style, 0, 0, 300, 200, parent_.get(),
                                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr));
    return children_.back().get();
  }

  UniqueWindow parent_{::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 400, 300, nullptr, nullptr, nullptr,
                                         nullptr)};
  std::vector<UniqueWindow> children_;  // destroyed before the parent
};

TEST_F(ControlsTest, MadeFromTheParentAndIdTheyFindTheChild) {
  HWND combo = Child(WC_COMBOBOXW, CBS_DROPDOWNLIST, 41);
  HWND edit = Child(WC_EDITW, 0, 42);
  EXPECT_EQ(ComboBox(parent_.get(), 41).hwnd(), combo);
  EXPECT_EQ(Edit(parent_.get(), 42).hwnd(), edit);
  EXPECT_EQ(Edit(parent_.get(), 42).id(), 42);
  EXPECT_FALSE(ListView(parent_.get(), 43));
}

TEST_F(ControlsTest, TextsRoundTripThroughEveryKind) {
  const HWND windows[] = {Child(WC_EDITW, ES_AUTOHSCROLL), Child(WC_STATICW, SS_LEFT),
                          Child(WC_BUTTONW, BS_AUTOCHECKBOX)};
  for (HWND window : windows) {
    const Control control(window);
    for (std::u16string_view text : {kChinese, kSurrogates, kCut, std::u16string_view()}) {
      control.SetText(text);
      EXPECT_EQ(control.Text(), std::u16string(text));
    }
  }
}

TEST_F(ControlsTest, ComboBoxEntriesSelectionDataAndSearch) {
  const ComboBox box(Child(WC_COMBOBOXW, CBS_DROPDOWNLIST));
  EXPECT_EQ(box.Add(kChinese), 0);
  EXPECT_EQ(box.Add(kCut), 1);
  EXPECT_EQ(box.Insert(0, kSurrogates), 0);
  EXPECT_EQ(box.Insert(-1, u"last"), 3);
  ASSERT_EQ(box.count(), 4);
  EXPECT_EQ(box.ItemText(0), std::u16string(kSurrogates));
  EXPECT_EQ(box.ItemText(1), std::u16string(kChinese));
  EXPECT_EQ(box.ItemText(2), u"alpha");
  EXPECT_EQ(box.ItemText(4), u"");

  struct Find {
    std::u16string_view text;
    int after;
    int found;
  };
  for (const Find& f : {Find{u"ALPHA", -1, 2}, Find{u"alp", -1, -1}, Find{u"last", -1, 3},
                        Find{kChinese, 1, 1}, Find{u"missing", -1, -1}}) {
    EXPECT_EQ(box.FindExact(f.text, f.after), f.found) << std::string(f.text.begin(), f.text.end());
  }

  EXPECT_EQ(box.selection(), -1);
  EXPECT_TRUE(box.SetSelection(2));
  EXPECT_EQ(box.selection(), 2);
  EXPECT_FALSE(box.SetSelection(9));
  EXPECT_TRUE(box.SetSelection(-1));
  EXPECT_EQ(box.selection(), -1);

  EXPECT_TRUE(box.SetItemData(3, 0x5A5A));
  EXPECT_EQ(box.itemData(3), 0x5A5A);
  EXPECT_EQ(box.itemData(0), 0);

  EXPECT_EQ(box.Delete(0), 3);
  EXPECT_EQ(box.ItemText(0), std::u16string(kChinese));
  EXPECT_EQ(box.Delete(7), -1);
  box.Reset();
  EXPECT_EQ(box.count(), 0);
}

TEST_F(ControlsTest, SortedComboBoxAddsInOrderButInsertsWhereTold) {
  const ComboBox box(Child(WC_COMBOBOXW, CBS_DROPDOWNLIST | CBS_SORT));
  EXPECT_EQ(box.Add(u"m"), 0);
  EXPECT_EQ(box.Add(u"c"), 0);
  EXPECT_EQ(box.Add(u"x"), 2);
  EXPECT_EQ(box.Insert(0, u"z"), 0);
  EXPECT_EQ(box.ItemText(0), u"z");
  EXPECT_EQ(box.ItemText(1), u"c");
}

TEST_F(ControlsTest, EditNumbers) {
  const Edit edit(Child(WC_EDITW, ES_AUTOHSCROLL));
  struct Case {
    std::u16string_view text;
    std::optional<int> number;
  };
  for (const Case& c : {Case{u"42", 42}, Case{u"  -7", -7}, Case{u"0", 0}, Case{u"2147483647", INT_MAX},
                        Case{u"", std::nullopt}, Case{u"abc", std::nullopt}, Case{u"-", std::nullopt}}) {
    edit.SetText(c.text);
    EXPECT_EQ(edit.Number(), c.number) << std::string(c.text.begin(), c.text.end());
  }
  for (int value : {0, 255, -15, INT_MIN}) {
    edit.SetNumber(value);
    EXPECT_EQ(edit.Number(), value);
  }
  edit.SetNumber(-15);
  EXPECT_EQ(edit.Text(), u"-15");
}

TEST_F(ControlsTest, EditLimitReadOnlyAndSelection) {
  const Edit edit(Child(WC_EDITW, ES_AUTOHSCROLL));
  edit.LimitText(3);
  // The limit holds for what the user types or pastes (a replaced selection), not for SetText.
  ::SendMessageW(edit.hwnd(), EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(L"abcdef"));
  EXPECT_EQ(edit.Text(), u"abc");

  EXPECT_FALSE(edit.readOnly());
  edit.SetReadOnly(true);
  EXPECT_TRUE(edit.readOnly());
  edit.SetReadOnly(false);
  EXPECT_FALSE(edit.readOnly());

  edit.LimitText(0);
  edit.SetText(u"hello world");
  edit.SetSelection(6, 9);
  EXPECT_EQ(edit.selection(), std::make_pair(6, 9));
  edit.SelectAll();
  EXPECT_EQ(edit.selection(), std::make_pair(0, 11));
  edit.SetSelection(-1, 0);
  const auto [start, end] = edit.selection();
  EXPECT_EQ(start, end);
}

class ListViewTest : public ControlsTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(list);
    ASSERT_EQ(list.InsertColumn(0, u"key", 60), 0);
    ASSERT_EQ(list.InsertColumn(1, kChinese, 80, LVCFMT_RIGHT), 1);
    ASSERT_EQ(list.InsertColumn(2, kCut, 80), 2);
    for (int row = 0; row < 3; ++row) {
      ASSERT_EQ(list.InsertItem(row, u"row" + std::u16string(1, static_cast<char16_t>(u'0' + row)), 100 + row), row);
    }
  }
  ListView list{Child(WC_LISTVIEWW, LVS_REPORT | LVS_SHOWSELALWAYS)};
};

TEST_F(ListViewTest, ColumnsAndHeader) {
  EXPECT_EQ(list.columnCount(), 3);
  EXPECT_EQ(list.ColumnWidth(1), 80);
  const Header header = list.header();
  struct Case {
    int index;
    std::u16string_view title;
    int format;
  };
  for (const Case& c : {Case{0, u"key", HDF_LEFT}, Case{1, kChinese, HDF_RIGHT}, Case{2, u"alpha", HDF_LEFT}}) {
    const std::optional<Header::Item> item = header.GetItem(c.index);
    ASSERT_TRUE(item) << c.index;
    EXPECT_EQ(item->text, std::u16string(c.title));
    EXPECT_EQ(item->format & HDF_JUSTIFYMASK, c.format);
    EXPECT_TRUE(header.ItemRect(c.index));
  }
  EXPECT_FALSE(header.GetItem(3));
  EXPECT_FALSE(header.ItemRect(3));
}

TEST_F(ListViewTest, CellTextsOfAnyLength) {
  const std::u16string long300(300, u'w');
  struct Case {
    int row;
    int column;
    std::u16string text;
  };
  const Case cases[] = {{0, 1, std::u16string(kChinese)}, {1, 2, std::u16string(kSurrogates)}, {2, 0, u"alpha"},
                        {2, 1, std::u16string(127, u'x')}, {1, 1, long300}};
  for (const Case& c : cases) {
    EXPECT_TRUE(list.SetItemText(c.row, c.column, c.text));
    EXPECT_EQ(list.ItemText(c.row, c.column), c.text) << c.row << "," << c.column;
  }
  EXPECT_EQ(list.ItemText(0, 0), u"row0");
  EXPECT_EQ(list.ItemText(0, 2), u"");
  EXPECT_EQ(list.ItemText(7, 0), u"");
}

TEST_F(ListViewTest, RowsDataSelectionAndDeletion) {
  EXPECT_EQ(list.count(), 3);
  EXPECT_EQ(list.itemData(2), 102);
  EXPECT_TRUE(list.SetItemData(2, -5));
  EXPECT_EQ(list.itemData(2), -5);
  EXPECT_FALSE(list.SetItemData(9, 1));

  EXPECT_EQ(list.selection(), -1);
  list.SetSelection(1);
  EXPECT_EQ(list.selection(), 1);
  list.SetSelection(2);  // only one row selected at a time
  EXPECT_EQ(list.selection(), 2);
  EXPECT_EQ(ListView_GetSelectedCount(list.hwnd()), 1u);
  list.SetSelection(-1);
  EXPECT_EQ(list.selection(), -1);
  EXPECT_TRUE(list.EnsureVisible(2));

  EXPECT_TRUE(list.ItemRect(0));
  EXPECT_TRUE(list.SubItemRect(1, 2));
  EXPECT_FALSE(list.ItemRect(5));

  EXPECT_TRUE(list.Delete(0));
  EXPECT_EQ(list.count(), 2);
  EXPECT_EQ(list.ItemText(0, 0), u"row1");
  EXPECT_EQ(list.itemData(0), 101);
  EXPECT_TRUE(list.DeleteAll());
  EXPECT_EQ(list.count(), 0);
}

TEST_F(ListViewTest, ExtendedStylesAndTicks) {
  list.SetExtendedStyle(LVS_EX_FULLROWSELECT);
  EXPECT_EQ(list.extendedStyle() & (LVS_EX_FULLROWSELECT | LVS_EX_CHECKBOXES), DWORD{LVS_EX_FULLROWSELECT});
  list.SetExtendedStyle(LVS_EX_CHECKBOXES, LVS_EX_CHECKBOXES);  // the other bits stay
  EXPECT_EQ(list.extendedStyle() & (LVS_EX_FULLROWSELECT | LVS_EX_CHECKBOXES),
            DWORD{LVS_EX_FULLROWSELECT | LVS_EX_CHECKBOXES});

  for (int row = 0; row < 3; ++row) EXPECT_FALSE(list.checked(row));
  list.SetChecked(1, true);
  EXPECT_FALSE(list.checked(0));
  EXPECT_TRUE(list.checked(1));
  EXPECT_FALSE(list.checked(2));
  list.SetChecked(1, false);
  EXPECT_FALSE(list.checked(1));
}

TEST_F(ListViewTest, Colours) {
  list.SetColours(RGB(1, 2, 3), RGB(200, 201, 202));
  EXPECT_EQ(ListView_GetBkColor(list.hwnd()), RGB(1, 2, 3));
  EXPECT_EQ(ListView_GetTextBkColor(list.hwnd()), RGB(1, 2, 3));
  EXPECT_EQ(ListView_GetTextColor(list.hwnd()), RGB(200, 201, 202));
}

TEST_F(ControlsTest, CheckBoxAndButtonState) {
  const CheckBox box(Child(WC_BUTTONW, BS_AUTOCHECKBOX));
  EXPECT_FALSE(box.checked());
  box.SetChecked(true);
  EXPECT_TRUE(box.checked());
  box.SetChecked(false);
  EXPECT_FALSE(box.checked());

  const Button button(Child(WC_BUTTONW, BS_PUSHBUTTON));
  EXPECT_FALSE(button.pushed());
  button.SetPushed(true);
  EXPECT_TRUE(button.pushed());
  button.SetPushed(false);
  EXPECT_FALSE(button.pushed());
}

TEST_F(ControlsTest, LabelPictureIsLentNotOwned) {
  const Label label(Child(WC_STATICW, SS_BITMAP));
  const UniqueBitmap picture(::CreateBitmap(8, 8, 1, 1, nullptr));
  ASSERT_TRUE(picture);
  EXPECT_EQ(label.SetImage(picture.get()), nullptr);
  EXPECT_EQ(label.image(), picture.get());
  EXPECT_EQ(label.SetImage(nullptr), picture.get());
  EXPECT_EQ(label.image(), nullptr);
  BITMAP info{};
  EXPECT_EQ(::GetObjectW(picture.get(), sizeof(info), &info), static_cast<int>(sizeof(info)));  // still alive
}

TEST_F(ControlsTest, FontIsSetAndRead) {
  const Control edit(Child(WC_EDITW, 0));
  const auto font = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
  edit.SetFont(font, false);
  EXPECT_EQ(edit.Font(), font);
}

// --- handles -------------------------------------------------------------------------------------

bool IsOpen(HANDLE h) {
  DWORD flags = 0;
  return ::GetHandleInformation(h, &flags) != FALSE;
}

HANDLE NewEvent() { return ::CreateEventW(nullptr, TRUE, FALSE, nullptr); }

TEST(UniqueHandleTest, BothEmptyValuesAreEmpty) {
  for (HANDLE empty : {static_cast<HANDLE>(nullptr), INVALID_HANDLE_VALUE}) {
    UniqueHandle handle(empty);
    EXPECT_FALSE(handle);
    EXPECT_EQ(handle.get(), empty);  // as the creator returned it
    handle.Reset();                  // closes nothing
    EXPECT_FALSE(handle);
  }
  // The creators that answer INVALID_HANDLE_VALUE.
  EXPECT_FALSE(UniqueHandle(::CreateFileW(L"C:\\no\\such\\folder\\file", GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                          0, nullptr)));
  WIN32_FIND_DATAW found{};
  EXPECT_FALSE(UniqueFindHandle(::FindFirstFileW(L"C:\\no\\such\\folder\\*", &found)));
}

TEST(UniqueHandleTest, ResetAndDestructionClose) {
  HANDLE raw = NewEvent();
  ASSERT_TRUE(IsOpen(raw));
  {
    UniqueHandle handle(raw);
    EXPECT_TRUE(handle);
    HANDLE second = NewEvent();
    handle.Reset(second);  // closes the first
    EXPECT_FALSE(IsOpen(raw));
    EXPECT_TRUE(IsOpen(second));
    raw = second;
  }
  EXPECT_FALSE(IsOpen(raw));
}

TEST(UniqueHandleTest, MovesHandOverAndReleaseGivesUp) {
  HANDLE raw = NewEvent();
  UniqueHandle first(raw);
  UniqueHandle second(std::move(first));
  EXPECT_FALSE(first);  // NOLINT(bugprone-use-after-move): moved-from state is specified
  EXPECT_EQ(second.get(), raw);
  EXPECT_TRUE(IsOpen(raw));

  HANDLE other = NewEvent();
  UniqueHandle third(other);
  third = std::move(second);  // closes what third held
  EXPECT_FALSE(IsOpen(other));
  EXPECT_TRUE(IsOpen(raw));

  HANDLE released = third.Release();
  EXPECT_FALSE(third);
  EXPECT_EQ(released, raw);
  EXPECT_TRUE(IsOpen(raw));
  UniqueHandle again(released);  // closed by this one
}

TEST(UniqueHandleTest, FindHandleWalksAFolder) {
  const std::u16string pattern = platform::FolderOf(platform::ExecutablePath()) + u"*";
  WIN32_FIND_DATAW found{};
  const UniqueFindHandle find(::FindFirstFileW(reinterpret_cast<const wchar_t*>(pattern.c_str()), &found));
  ASSERT_TRUE(find);
  EXPECT_TRUE(::FindNextFileW(find.get(), &found));
}

int g_hookCalls = 0;

LRESULT CALLBACK CountingHook(int code, WPARAM wParam, LPARAM lParam) {
  if (code >= 0) ++g_hookCalls;
  return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

void PeekOnePostedMessage() {
  ::PostThreadMessageW(::GetCurrentThreadId(), WM_APP + 7, 0, 0);
  MSG msg{};
  while (::PeekMessageW(&msg, nullptr, WM_APP + 7, WM_APP + 7, PM_REMOVE)) {
  }
}

TEST(UniqueHookTest, UnhooksWhenReset) {
  g_hookCalls = 0;
  UniqueHook hook(::SetWindowsHookExW(WH_GETMESSAGE, &CountingHook, nullptr, ::GetCurrentThreadId()));
  ASSERT_TRUE(hook);
  PeekOnePostedMessage();
  const int whileHooked = g_hookCalls;
  EXPECT_GT(whileHooked, 0);
  const HHOOK raw = hook.get();
  hook.Reset();
  PeekOnePostedMessage();
  EXPECT_EQ(g_hookCalls, whileHooked);
  EXPECT_FALSE(::UnhookWindowsHookEx(raw));  // already gone
}

TEST(UniqueTimerTest, WindowTimerFiresUntilStopped) {
  UniqueWindow window(::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr));
  UniqueTimer timer;
  ASSERT_TRUE(timer.Start(window.get(), 7, 10));
  EXPECT_EQ(timer.id(), 7u);
  MSG msg{};
  bool fired = false;
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (!fired && std::chrono::steady_clock::now() < end) {
    if (::PeekMessageW(&msg, window.get(), WM_TIMER, WM_TIMER, PM_REMOVE)) fired = msg.wParam == 7;
    else ::Sleep(5);
  }
  EXPECT_TRUE(fired);
  timer.Stop();
  EXPECT_FALSE(timer);
  EXPECT_FALSE(::KillTimer(window.get(), 7));  // already killed
}

TEST(UniqueTimerTest, ThreadTimerKeepsTheSystemsIdAndDiesWithTheObject) {
  UINT_PTR id = 0;
  {
    UniqueTimer timer;
    ASSERT_TRUE(timer.Start(nullptr, 7, 1000));
    id = timer.id();
    EXPECT_NE(id, 0u);
    ASSERT_TRUE(timer.Start(nullptr, 7, 2000));  // a new period, the same timer
    EXPECT_EQ(timer.id(), id);
    UniqueTimer moved(std::move(timer));
    EXPECT_FALSE(timer);  // NOLINT(bugprone-use-after-move)
    EXPECT_EQ(moved.id(), id);
  }
  EXPECT_FALSE(::KillTimer(nullptr, id));
}

}  // namespace
}  // namespace mv::ui
