// The screenshot program's skinned window: skin, placement, colours, showing and closing.
#include "skinshow_dialog.h"

#include <cmath>
#include <cstdio>

#include "ui/framework/device_context.h"
#include "ui/framework/wide_text.h"

namespace mv::tools {

void ShowAtOriginAndReport(HWND window, const char* name, UINT seconds) {
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

ShowDialog::ShowDialog(const WindowSpec& spec, const app::ProgramPaths& paths, UINT seconds)
    : CBaseDialog(spec.templateId, nullptr, ui::LayoutFileOf(spec, paths), paths.skinsFolder),
      spec_(spec),
      paths_(paths),
      seconds_(seconds),
      section_(ChosenSection(paths.languageFile)),
      pictures_(paths.skinsFolder) {
  texts_.LoadLanguageTexts(paths.languageFile);
}

BOOL ShowDialog::OnInitDialog() {
  CBaseDialog::OnInitDialog();
  controls_.Place(hwnd(), spec_, layoutFile(), pictures_);
  Fill();
  ShowAtOriginAndReport(hwnd(), spec_.name, seconds_);
  return FALSE;
}

INT_PTR ShowDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_TIMER:
      if (wParam != kCloseTimer) break;
      Close(IDOK);
      return TRUE;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSTATIC:
      if (HBRUSH brush = brushes_.Answer(message, reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)))
        return reinterpret_cast<INT_PTR>(brush);
      break;
    default:
      break;
  }
  return CBaseDialog::HandleMessage(message, wParam, lParam);
}

std::u16string ShowDialog::LanguageValue(std::u16string_view key) const {
  return ReadLanguageValue(paths_.languageFile, section_, key);
}

void ShowDialog::SetText(int id, const std::u16string& text) const {
  ::SetDlgItemTextW(hwnd(), id, ui::Wide(text));
}

HFONT ShowDialog::MakeFont(const wchar_t* face, int tenthsOfPoint) {
  ui::ClientDc dc(hwnd());
  const int pixelsPerInch = ::GetDeviceCaps(dc.get(), LOGPIXELSY);
  const int height = -static_cast<int>(std::lround(tenthsOfPoint * pixelsPerInch / 720.0));
  fonts_.emplace_back(::CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                    OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                                    DEFAULT_PITCH | FF_DONTCARE, face));
  return fonts_.back().get();
}

}  // namespace mv::tools
