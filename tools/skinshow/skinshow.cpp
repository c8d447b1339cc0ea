// Screenshot program: opens one of the program's windows as a user first sees it, with its skin,
// every control placed from its layout file and filled as the program fills it, shows it at the
// screen's top-left corner, writes its size to "skinshow-<name>.txt" in the current folder and
// closes itself after a few seconds. The composite-* names show the key editor's other pages.
// Usage: skinshow.exe main|composite|composite-macro|composite-media|composite-function|
//                     profile|update|about [seconds]
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/layout.h"
#include "app/paths.h"
#include "platform/system.h"
#include "platform/text.h"
#include "skinshow_dialog.h"
#include "ui/framework/dialog.h"
#include "ui/framework/gdiplus_session.h"
#include "ui/framework/wide_text.h"
#include "ui/res/resource.h"
#include "ui/skin/window_specs.h"

namespace mv::tools {
namespace {

// The About box is a plain dialog.
class AboutDialog : public ui::Dialog {
 public:
  AboutDialog(const app::ProgramPaths& paths, UINT seconds) : Dialog(IDD_ABOUTBOX), paths_(paths), seconds_(seconds) {}

 protected:
  BOOL OnInitDialog() override {
    const std::u16string_view section = ChosenSection(paths_.languageFile);
    ::SetDlgItemTextW(hwnd(), IDC_ABOUT_TEXT, ui::Wide(ReadLanguageValue(paths_.languageFile, section, u"GUANYU_JIESHAO")));
    ::SetDlgItemTextW(hwnd(), IDC_ABOUT_COPYRIGHT, ui::Wide(ReadLanguageValue(paths_.languageFile, section, u"GUANYU_BANQUAN")));
    ::SetDlgItemTextW(hwnd(), IDC_ABOUT_LINK, ui::Wide(std::u16string(app::kDefaultLinkAddress)));
    ShowAtOriginAndReport(hwnd(), "about", seconds_);
    return TRUE;
  }
  INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_TIMER && wParam == kCloseTimer) {
      Close(IDOK);
      return TRUE;
    }
    return Dialog::HandleMessage(message, wParam, lParam);
  }

 private:
  const app::ProgramPaths& paths_;
  UINT seconds_;
};

// The key editor's pages by window name; "composite" is the page it opens on for a key that
// sends another key or none.
constexpr struct {
  const char* name;
  int page;
} kEditorPages[] = {
    {"composite", 2}, {"composite-macro", 4}, {"composite-media", 7}, {"composite-function", 8}};

int Run(const std::string& name, UINT seconds) {
  const app::ProgramPaths paths = app::BuildProgramPaths(platform::ExecutablePath());
  const WindowSpec* specs[] = {&ui::kMainWindowSpec, &ui::kCompositeEditorSpec, &ui::kProfileManagerSpec,
                                &ui::kUpdateDialogSpec};
  if (name == "about") {
    AboutDialog about(paths, seconds);
    return about.RunModal(nullptr) == -1 ? 1 : 0;
  }
  for (const auto& editor : kEditorPages) {
    if (name != editor.name) continue;
    WindowSpec spec = *specs[1];
    spec.name = editor.name;
    return RunCompositeEditor(spec, paths, seconds, editor.page);
  }
  if (name == "profile") return RunProfileManager(*specs[2], paths, seconds);
  if (name == "update") return RunUpdateDialog(*specs[3], paths, seconds);
  if (name == "main") return RunMainWindow(*specs[0], paths, seconds);
  return 2;
}

}  // namespace
}  // namespace mv::tools

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
  ::InitCommonControlsEx(&icc);
  mv::ui::GdiplusSession gdiplus;
  if (!gdiplus.ok()) return 1;
  const std::string name = __argc > 1 ? mv::Utf16ToUtf8(mv::ui::FromWide(__wargv[1])) : "main";
  const UINT seconds = __argc > 2 ? static_cast<UINT>(std::wcstoul(__wargv[2], nullptr, 10)) : 4;
  return mv::tools::Run(name, seconds == 0 ? 4 : seconds);
}
