// Screenshot program: opens one of the program's windows with its skin and every control placed
// from its layout file, shows it at the screen's top-left corner, writes its size to
// "skinshow-<name>.txt" in the current folder and closes itself after a few seconds.
// Usage: skinshow.exe main|composite|profile|update|about [seconds]
#include <windows.h>
#include <commctrl.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "app/layout.h"
#include "app/paths.h"
#include "platform/ini.h"
#include "platform/system.h"
#include "platform/text.h"
#include "skinshow_placements.h"
#include "ui/framework/dialog.h"
#include "ui/framework/gdiplus_session.h"
#include "ui/framework/wide_text.h"
#include "ui/skin/base_dialog.h"
#include "ui/skin/placement.h"
#include "ui/skin/skin_picture.h"

namespace mv::tools {
namespace {

constexpr UINT_PTR kCloseTimer = 1;

struct WindowSpec {
  const char* name;
  int templateId;
  std::u16string layout;
  std::span<const Placement> placements;
  std::array<const char16_t*, 5> buttonPictures;  // normal, hover, pressed, disabled, alternate
};

// The skinned window being shown, with its pictures and buttons.
class ShowDialog : public ui::CBaseDialog {
 public:
  ShowDialog(const WindowSpec& spec, const app::ProgramPaths& paths, UINT seconds)
      : CBaseDialog(spec.templateId, nullptr, spec.layout, paths.skinsFolder), spec_(spec), seconds_(seconds) {}

 protected:
  BOOL OnInitDialog() override {
    CBaseDialog::OnInitDialog();
    LoadPictures();
    PlaceAll();
    Finish(hwnd(), spec_.name, seconds_);
    return FALSE;
  }

  INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_TIMER && wParam == kCloseTimer) {
      Close(IDOK);
      return TRUE;
    }
    return CBaseDialog::HandleMessage(message, wParam, lParam);
  }

 private:
  void LoadPictures() {
    for (int i = 0; i < 5; ++i) {
      ui::LoadAndDrawSkinPicture(pictures_[i], std::u16string(u"Skins\\") + spec_.buttonPictures[i], hwnd());
    }
    if (spec_.templateId == IDD_COMPOSITE) {
      const char16_t* macro[] = {u"macro_normal.jpg", u"macro_over.jpg", u"macro_down.jpg", u"macro_disable.jpg"};
      for (int i = 0; i < 4; ++i) ui::LoadAndDrawSkinPicture(macro_[i], std::u16string(u"Skins\\") + macro[i], hwnd());
    }
    if (spec_.templateId == IDD_MORVANE_DIALOG) ui::LoadAndDrawSkinPicture(arrow_, u"Skins\\Arrow.jpg", hwnd());
  }

  void PlaceAll() {
    const ui::SkinLooks looks{&pictures_[0], &pictures_[1], &pictures_[2], &pictures_[3], &pictures_[4]};
    const ui::SkinLooks macroLooks{&macro_[0], &macro_[1], &macro_[2], &macro_[3], &macro_[2]};
    for (const Placement& p : spec_.placements) {
      HWND control = Item(p.id);
      if (!control) continue;
      if (p.kind == 'C') {
        ui::PlaceControl(control, layoutFile(), app::kLayoutSection, p.key);
        continue;
      }
      auto button = std::make_unique<ui::CPngButton>();
      button->Attach(control);
      if (p.kind == 'A') {
        const std::u16string imageKey = std::u16string(p.key) + u"_PIC";
        ui::PlaceImageControl(*button, layoutFile(), app::kLayoutSection, p.key, app::kLayoutSection, imageKey, arrow_);
      } else {
        ui::PlaceImageButton(*button, layoutFile(), app::kLayoutSection, p.key, p.kind == 'M' ? macroLooks : looks);
      }
      buttons_.push_back(std::move(button));
    }
  }

  static void Finish(HWND window, const char* name, UINT seconds) {
    ::SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    RECT r{};
    ::GetWindowRect(window, &r);
    char file[64];
    std::snprintf(file, sizeof(file), "skinshow-%s.txt", name);
    if (FILE* f = std::fopen(file, "w")) {
      std::fprintf(f, "%ld %ld\n", r.right - r.left, r.bottom - r.top);
      std::fclose(f);
    }
    ::SetTimer(window, kCloseTimer, seconds * 1000, nullptr);
  }

  const WindowSpec& spec_;
  UINT seconds_;
  ui::OffscreenPicture pictures_[5];
  ui::OffscreenPicture macro_[4];
  ui::OffscreenPicture arrow_;
  std::vector<std::unique_ptr<ui::CPngButton>> buttons_;
};

// The About box is a plain dialog.
class AboutDialog : public ui::Dialog {
 public:
  explicit AboutDialog(UINT seconds) : Dialog(IDD_ABOUTBOX), seconds_(seconds) {}

 protected:
  BOOL OnInitDialog() override {
    ::SetDlgItemTextW(hwnd(), IDC_ABOUT_TEXT, L"Morvane keyboard configuration");
    ::SetDlgItemTextW(hwnd(), IDC_ABOUT_COPYRIGHT, L"Copyright (C) Morvane");
    ::SetDlgItemTextW(hwnd(), IDC_ABOUT_LINK, ui::Wide(std::u16string(app::kDefaultLinkAddress)));
    ::SetWindowPos(hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    RECT r{};
    ::GetWindowRect(hwnd(), &r);
    if (FILE* f = std::fopen("skinshow-about.txt", "w")) {
      std::fprintf(f, "%ld %ld\n", r.right - r.left, r.bottom - r.top);
      std::fclose(f);
    }
    ::SetTimer(hwnd(), kCloseTimer, seconds_ * 1000, nullptr);
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
  UINT seconds_;
};

int Run(const std::string& name, UINT seconds) {
  const app::ProgramPaths paths = app::BuildProgramPaths(platform::ExecutablePath());
  const WindowSpec specs[] = {
      {"main", IDD_MORVANE_DIALOG, paths.mainLayoutFile, kMainPlacements,
       {u"main_normal.jpg", u"main_over.jpg", u"main_down.jpg", u"main_disable.jpg", u"main_down.jpg"}},
      {"composite", IDD_COMPOSITE, paths.compositeLayoutFile, kCompositePlacements,
       {u"key_normal.jpg", u"key_over.jpg", u"key_down.jpg", u"key_normal.jpg", u"key_down.jpg"}},
      {"profile", IDD_PROFILE, paths.profileLayoutFile, kProfilePlacements,
       {u"Profile_normal.jpg", u"Profile_over.jpg", u"Profile_down.jpg", u"Profile_down.jpg", u"Profile_down.jpg"}},
      {"update", IDD_UPDATE, paths.updateLayoutFile, kUpdatePlacements,
       {u"update_normal.jpg", u"update_over.jpg", u"update_over.jpg", u"update_over.jpg", u"update_over.jpg"}},
  };
  if (name == "about") {
    AboutDialog about(seconds);
    return about.RunModal(nullptr) == -1 ? 1 : 0;
  }
  for (const WindowSpec& spec : specs) {
    if (name != spec.name) continue;
    ShowDialog dialog(spec, paths, seconds);
    return dialog.RunModal(nullptr) == -1 ? 1 : 0;
  }
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
