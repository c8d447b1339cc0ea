// The screenshot program's windows with content: the key editor on one of its pages, the profile
// manager with its rows and the update dialog, each filled as the program fills it when it opens.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <string>

#include "keys/key_codes.h"
#include "profiles/profile_file.h"
#include "skinshow_dialog.h"
#include "ui/framework/controls.h"
#include "ui/framework/wide_text.h"
#include "ui/res/resource.h"

namespace mv::tools {
namespace {

// The key editor's pages, numbered by the assignment type each one stores.
enum class Page { kSingleKey = 2, kMacro = 4, kMedia = 7, kFunction = 8 };

struct PageControl {
  int id;
  Page page;
};

// Controls that belong to one page; every other control shows on every page. The cycles caption
// goes with its edit: left on the other pages it would stand alone over their pictures.
constexpr PageControl kPageControls[] = {
    {IDC_TISHI_SINGLE_STATIC, Page::kSingleKey},
    {IDC_FUNC_KEY_INPUT, Page::kSingleKey},
    {IDC_MEDIA_SETTING_TISHI, Page::kMedia},
    {IDC_FUNC_MEDIA_SELECT, Page::kMedia},
    {IDC_FUNCTION_KEY_SETTING_TISHI, Page::kFunction},
    {IDC_FUNC_FUNCTION_SELECT, Page::kFunction},
    {IDC_MARCO_NAME_SETTING, Page::kMacro},
    {IDC_FUNC_MACRO_LIST, Page::kMacro},
    {IDC_FUNC_MACRO_ADD, Page::kMacro},
    {IDC_FUNC_MACRO_DELETE, Page::kMacro},
    {IDC_FUNC_MACRO_LIST2, Page::kMacro},
    {IDC_FUNC_MACRO_RECORD, Page::kMacro},
    {IDC_FUNC_MACRO_DELETE2, Page::kMacro},
    {IDC_FUNC_MACRO_CLEAR, Page::kMacro},
    {IDC_FUNC_MACRO_UP_TOP, Page::kMacro},
    {IDC_FUNC_MACRO_UP, Page::kMacro},
    {IDC_FUNC_MACRO_DOWN, Page::kMacro},
    {IDC_FUNC_MACRO_DOWN_BOTTOM, Page::kMacro},
    {IDC_FUNC_MACRO_CYCLES, Page::kMacro},
    {IDC_FUNC_MACRO_CYCLES_PROMPT, Page::kMacro},
    {IDC_FUNC_MACRO_RECORD_DELAY, Page::kMacro},
    {IDC_FUNC_MACRO_RECORD_DELAY2, Page::kMacro},
};

struct TextOf {
  int id;
  const char16_t* key;
};

constexpr TextOf kEditorTexts[] = {
    {IDC_CONTROL_KEY, u"SINGLE_KEY"},
    {IDC_CONTROL_MACRO, u"MACRO_SETTING"},
    {IDC_CONTROL_MEDIA, u"MULTI_MEDIA"},
    {IDC_CONTROL_FUNCTION, u"FUNCTION_KEY"},
    {IDC_KEY_SETTING, u"KEY_SETTING_TISHI"},
    {IDC_MARCO_NAME_SETTING, u"MACRO_NAME_SETTING"},
    {IDC_TISHI_SINGLE_STATIC, u"SINGLE_STATIC"},
    {IDC_MEDIA_SETTING_TISHI, u"MEDIA_EDIT_TISHI"},
    {IDC_FUNCTION_KEY_SETTING_TISHI, u"FUNCTION_TISHI"},
    {IDC_CONTROL_OK, u"MACRO_OK"},
    {IDC_CONTROL_CANCEL, u"MACRO_CANCLE"},
    {IDC_FUNC_MACRO_RECORD, u"A_RECORD"},
    {IDC_FUNC_MACRO_DELETE2, u"A_DELETE"},
    {IDC_FUNC_MACRO_CLEAR, u"A_CLEAR"},
    {IDC_FUNC_MACRO_UP_TOP, u"A_TOP"},
    {IDC_FUNC_MACRO_UP, u"A_UP"},
    {IDC_FUNC_MACRO_DOWN, u"A_DOWN"},
    {IDC_FUNC_MACRO_DOWN_BOTTOM, u"A_BOTTOM"},
    {IDC_FUNC_MACRO_CYCLES_PROMPT, u"MACRO_CYCLES"},
    {IDC_FUNC_MACRO_RECORD_DELAY2, u"RECORD_DELAY"},
};

// Buttons whose caption the editor draws in white Tahoma, with its point size.
constexpr struct {
  int id;
  int pointSize;
} kCaptionedButtons[] = {
    {IDC_CONTROL_KEY, 9},         {IDC_CONTROL_MACRO, 9},       {IDC_CONTROL_MEDIA, 9},
    {IDC_CONTROL_FUNCTION, 9},    {IDC_CONTROL_OK, 9},          {IDC_CONTROL_CANCEL, 9},
    {IDC_FUNC_MACRO_RECORD, 8},   {IDC_FUNC_MACRO_DELETE2, 9},  {IDC_FUNC_MACRO_CLEAR, 9},
    {IDC_FUNC_MACRO_UP_TOP, 9},   {IDC_FUNC_MACRO_UP, 9},       {IDC_FUNC_MACRO_DOWN, 9},
    {IDC_FUNC_MACRO_DOWN_BOTTOM, 9},
};

constexpr int kLabels[] = {IDC_KEY_SETTING,         IDC_MARCO_NAME_SETTING,        IDC_TISHI_SINGLE_STATIC,
                           IDC_MEDIA_SETTING_TISHI, IDC_FUNCTION_KEY_SETTING_TISHI};

// A recorded macro: Ctrl+C with its delays.
struct ShownAction {
  keys::KeyCode key;
  int state;  // 0 down, 1 up
  int delayMs;
};
constexpr ShownAction kShownActions[] = {
    {0x01D, 0, 0}, {0x02E, 0, 60}, {0x02E, 1, 90}, {0x01D, 1, 40}, {0x02F, 0, 500}, {0x02F, 1, 80},
};
constexpr int kShownMacros = 3;
constexpr int kShownMediaIndex = 1;      // play / pause
constexpr int kShownFunctionIndex = 4;   // copy
constexpr keys::KeyCode kShownCapturedKey = 0x03F;  // F5

void AddColumn(HWND list, int index, const std::u16string& title, int width) {
  ui::ListView(list).InsertColumn(index, title, width);
}

void AddRow(HWND list, int row, std::initializer_list<std::u16string> cells) {
  const ui::ListView view(list);
  int column = 0;
  for (const std::u16string& cell : cells) {
    if (column == 0) view.InsertItem(row, cell);
    else view.SetItemText(row, column, cell);
    ++column;
  }
}

void AddComboEntry(HWND combo, const std::u16string& text) { ui::ComboBox(combo).Add(text); }

std::u16string Decimal(int value) {
  char buffer[16];
  std::snprintf(buffer, sizeof(buffer), "%d", value);
  return std::u16string(buffer, buffer + std::char_traits<char>::length(buffer));
}

class CompositeEditorShow : public ShowDialog {
 public:
  CompositeEditorShow(const WindowSpec& spec, const app::ProgramPaths& paths, UINT seconds, Page page)
      : ShowDialog(spec, paths, seconds), page_(page) {}

 protected:
  void Fill() override {
    // The macro page's looks are the description's second looks; these two pages have their own.
    media_.Load({u"media_normal.jpg", u"media_over.jpg", u"media_down.jpg", u"media_normal.jpg", u"media_down.jpg"},
                pictures(), hwnd());
    function_.Load({u"function_normal.jpg", u"function_over.jpg", u"function_down.jpg", u"function_normal.jpg",
                    u"function_down.jpg"}, pictures(), hwnd());
    SetTexts();
    SetFonts();
    FillSingleKeyPage();
    FillMacroPage();
    FillListPages();
    SkinCommonControls();
    ShowPage();
  }

  INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_NOTIFY) {
      auto* header = reinterpret_cast<NMHDR*>(lParam);
      if (header->idFrom == IDC_FUNC_MACRO_LIST2 && header->code == NM_CUSTOMDRAW) {
        // The key and state columns are the greyed ones.
        SetMessageResult(ui::SkinListCustomDraw(header, {0b011u, ui::kSkinColours.field, true}));
        return TRUE;
      }
    }
    return ShowDialog::HandleMessage(message, wParam, lParam);
  }

 private:
  void SetTexts() {
    for (const TextOf& t : kEditorTexts) SetText(t.id, LanguageValue(t.key));
    // The check box's own caption stays empty: its label carries the text.
    SetText(IDC_FUNC_MACRO_RECORD_DELAY, u"");
    for (const auto& b : kCaptionedButtons)
      if (ui::CPngButton* button = Button(b.id))
        button->SetCaptionStyle(true, b.pointSize, u"Tahoma", RGB(255, 255, 255), ui::CPngButton::kDefaultCaptionFormat);
    if (ui::CPngButton* clear = Button(IDC_CONTROL_CLEAR)) clear->SetTooltip(LanguageValue(u"COMPOSITE_PROMPT_CLEAR"), true);
    if (ui::CPngButton* osk = Button(IDC_CONTROL_OSK)) osk->SetTooltip(LanguageValue(u"COMPOSITE_PROMPT_OSK"), true);
  }

  void SetFonts() {
    SendFont(IDC_FUNC_KEY_INPUT, MakeFont(L"Verdana", 180));
    HFONT listFont = MakeFont(L"Verdana", 120);
    for (int id : {IDC_FUNC_MEDIA_SELECT, IDC_FUNC_FUNCTION_SELECT, IDC_FUNC_MACRO_LIST}) SendFont(id, listFont);
    HFONT labelFont = MakeFont(L"Tahoma", 108);
    for (int id : kLabels) SendFont(id, labelFont);
  }

  void SendFont(int id, HFONT font) const {
    ui::Control(Item(id)).SetFont(font, false);
  }

  void FillSingleKeyPage() {
    HWND edit = Item(IDC_FUNC_KEY_INPUT);
    ui::DropControlFrame(edit);
    if (page_ == Page::kSingleKey) SetText(IDC_FUNC_KEY_INPUT, keys::KeyName(kShownCapturedKey, texts()));
  }

  void FillMacroPage() {
    HWND names = Item(IDC_FUNC_MACRO_LIST);
    const std::u16string prefix(texts().Text(TextId::MACRO_NEW_PREFIX));
    for (int i = 1; i <= kShownMacros; ++i) AddComboEntry(names, prefix + Decimal(i));
    ui::ComboBox(names).SetSelection(0);
    SetText(IDC_FUNC_MACRO_CYCLES, u"1");
    ::CheckDlgButton(hwnd(), IDC_FUNC_MACRO_RECORD_DELAY, BST_CHECKED);

    HWND actions = Item(IDC_FUNC_MACRO_LIST2);
    ui::DropControlFrame(actions);
    ListView_SetExtendedListViewStyle(actions, LVS_EX_FULLROWSELECT);
    ui::ThemeListView(actions, ui::kSkinColours.field);
    header_.Attach(ListView_GetHeader(actions));
    AddColumn(actions, 0, std::u16string(texts().Text(TextId::MACRO_KEYS_TISHI)), 70);
    AddColumn(actions, 1, std::u16string(texts().Text(TextId::MACRO_ACTION_TISHI)), 60);
    AddColumn(actions, 2, std::u16string(texts().Text(TextId::MACRO_DELAY_MS)), 70);
    int row = 0;
    for (const ShownAction& a : kShownActions)
      AddRow(actions, row++, {keys::KeyName(a.key, texts()), a.state == 0 ? u"\u2193" : u"  \u2191", Decimal(a.delayMs)});
  }

  void FillListPages() {
    HWND media = Item(IDC_FUNC_MEDIA_SELECT);
    for (int i = 0; i < keys::kMediaKeyCount; ++i) AddComboEntry(media, keys::MediaKeyName(i, texts()));
    ui::ComboBox(media).SetSelection(kShownMediaIndex);
    HWND functions = Item(IDC_FUNC_FUNCTION_SELECT);
    for (int i = 0; i < keys::kFunctionKeyCount; ++i) AddComboEntry(functions, keys::FunctionKeyName(i, texts()));
    ui::ComboBox(functions).SetSelection(kShownFunctionIndex);
  }

  void SkinCommonControls() {
    const int combos[] = {IDC_FUNC_MACRO_LIST, IDC_FUNC_MEDIA_SELECT, IDC_FUNC_FUNCTION_SELECT};
    for (int i = 0; i < 3; ++i) combos_[i].Attach(Item(combos[i]));
    cyclesFrame_.Attach(Item(IDC_FUNC_MACRO_CYCLES));
  }

  void ShowPage() {
    for (const PageControl& c : kPageControls) ::ShowWindow(Item(c.id), c.page == page_ ? SW_SHOW : SW_HIDE);
    constexpr std::pair<int, Page> pageButtons[] = {{IDC_CONTROL_KEY, Page::kSingleKey},
                                                    {IDC_CONTROL_MACRO, Page::kMacro},
                                                    {IDC_CONTROL_MEDIA, Page::kMedia},
                                                    {IDC_CONTROL_FUNCTION, Page::kFunction}};
    for (const auto& [id, page] : pageButtons)
      if (ui::CPngButton* button = Button(id)) button->SetSelected(page == page_, false);
    if (ui::CPngButton* mask = Button(IDC_CONTROL_MASK)) mask->SetLookPictures(MaskLooks());
    // The page's picture lies under the page's controls and never paints over them, whichever
    // of the siblings paints last.
    HWND maskWindow = Item(IDC_CONTROL_MASK);
    ::SetWindowLongPtrW(maskWindow, GWL_STYLE, ::GetWindowLongPtrW(maskWindow, GWL_STYLE) | WS_CLIPSIBLINGS);
    ::SetWindowPos(maskWindow, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  }

  ui::SkinLooks MaskLooks() const {
    switch (page_) {
      case Page::kMacro: return SecondLooks();
      case Page::kMedia: return media_.Looks();
      case Page::kFunction: return function_.Looks();
      case Page::kSingleKey: break;
    }
    return WindowLooks();
  }

  Page page_;
  ui::LookSet media_;
  ui::LookSet function_;
  ui::SkinHeader header_;
  ui::SkinComboBox combos_[3];
  ui::SkinEditFrame cyclesFrame_;
};

// The profile list as the program fills it: one row per keyboard profile, each showing the one
// profile file, the active profile ticked.
class ProfileManagerShow : public ShowDialog {
 public:
  using ShowDialog::ShowDialog;

 protected:
  void Fill() override {
    HWND list = Item(IDC_PROGRAM_LIST);
    ui::DropControlFrame(list);
    ListView_SetExtendedListViewStyle(list, LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
    ui::ThemeListView(list);
    header_.Attach(ListView_GetHeader(list));
    AddColumn(list, 0, u"\u6fc0\u6d3b", 60);   // active
    AddColumn(list, 1, u"\u540d\u79f0", 120);  // name
    AddColumn(list, 2, u"\u8def\u5f84", 230);  // path
    const profiles::ProfileLocation location = profiles::DefaultProfileLocation();
    for (int k = 0; k < kProfileRows; ++k) {
      const std::u16string path = profiles::ProfileFilePath(k, location);
      const std::size_t split = path.find_last_of(u"\\/") + 1;  // npos + 1 = 0: no folder
      AddRow(list, k, {u"", path.substr(split), path.substr(0, split)});
    }
    ListView_SetCheckState(list, kActiveProfile, TRUE);
  }

  INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_NOTIFY) {
      auto* header = reinterpret_cast<NMHDR*>(lParam);
      if (header->idFrom == IDC_PROGRAM_LIST && header->code == NM_CUSTOMDRAW) {
        SetMessageResult(ui::SkinListCustomDraw(header, {0b100u, ui::kSkinColours.panel, true}));
        return TRUE;
      }
    }
    return ShowDialog::HandleMessage(message, wParam, lParam);
  }

 private:
  static constexpr int kProfileRows = 3;
  static constexpr int kActiveProfile = 0;
  ui::SkinHeader header_;
};

// The update dialog reopened after an update program was chosen: the label shows its path.
class UpdateDialogShow : public ShowDialog {
 public:
  using ShowDialog::ShowDialog;

 protected:
  void Fill() override {
    SetText(IDC_CONTROL_UPStatic, paths().firmwarePackageFolder + u"\\QT7_Update.exe");
    ui::Label(Item(IDC_CONTROL_UPStatic)).SetFont(MakeFont(L"Tahoma", 90), false);
    ::ShowWindow(Item(IDC_CONTROL_UPCombox), SW_HIDE);
  }
};

// The main window's captions, and its drop-down lists and colour edits in the skin's colours.
class MainWindowShow : public ShowDialog {
 public:
  using ShowDialog::ShowDialog;

 protected:
  void Fill() override {
    static constexpr TextOf kCaptions[] = {
        {IDC_FUNC_PROFILE1, u"PROFILE_1"},   {IDC_FUNC_PROFILE2, u"PROFILE_2"},
        {IDC_FUNC_PROFILE3, u"PROFILE_3"},   {IDC_FUNC_MACRO, u"PROFILE_MACRO"},
        {IDC_FUNC_DEFAULT, u"PROFILE_DEFAULT"}, {IDC_CONTROL_OK, u"PROFILE_OK"},
        {IDC_CONTROL_CANCEL, u"PROFILE_CANCLE"}, {IDC_CONTROL2_APPLY, u"PROFILE_APPLY"},
    };
    for (const TextOf& c : kCaptions) {
      SetText(c.id, LanguageValue(c.key));
      if (ui::CPngButton* button = Button(c.id))
        button->SetCaptionStyle(true, 9, u"Arial", RGB(228, 228, 228), ui::CPngButton::kDefaultCaptionFormat);
    }
    combos_[0].Attach(Item(IDC_CONTROL_XGcombox));
    combos_[1].Attach(Item(IDC_CONTROL_umCombo));
    const int edits[] = {IDC_m_edit_rgbr, IDC_m_edit_rgbg, IDC_m_edit_rgbb};
    for (int i = 0; i < 3; ++i) edits_[i].Attach(Item(edits[i]));
  }

 private:
  ui::SkinComboBox combos_[2];
  ui::SkinEditFrame edits_[3];
};

}  // namespace

int RunMainWindow(const WindowSpec& spec, const app::ProgramPaths& paths, UINT seconds) {
  MainWindowShow dialog(spec, paths, seconds);
  return dialog.RunModal(nullptr) == -1 ? 1 : 0;
}

int RunCompositeEditor(const WindowSpec& spec, const app::ProgramPaths& paths, UINT seconds, int page) {
  CompositeEditorShow dialog(spec, paths, seconds, static_cast<Page>(page));
  return dialog.RunModal(nullptr) == -1 ? 1 : 0;
}

int RunProfileManager(const WindowSpec& spec, const app::ProgramPaths& paths, UINT seconds) {
  ProfileManagerShow dialog(spec, paths, seconds);
  return dialog.RunModal(nullptr) == -1 ? 1 : 0;
}

int RunUpdateDialog(const WindowSpec& spec, const app::ProgramPaths& paths, UINT seconds) {
  UpdateDialogShow dialog(spec, paths, seconds);
  return dialog.RunModal(nullptr) == -1 ? 1 : 0;
}

}  // namespace mv::tools
