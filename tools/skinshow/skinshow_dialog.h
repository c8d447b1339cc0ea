// The screenshot program's skinned window: the skin, the button pictures and every control placed
// from the layout file, common controls in the skin's colours, shown at the screen's top-left
// corner; its size goes to "skinshow-<name>.txt" and it closes itself after a few seconds.
// Windows that show content derive from it and fill their controls in Fill.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "app/language.h"
#include "app/paths.h"
#include "ui/framework/gdi_handle.h"
#include "ui/skin/base_dialog.h"
#include "ui/skin/png_button.h"
#include "ui/skin/skin_colours.h"
#include "ui/skin/skin_pictures.h"
#include "ui/skin/window_spec.h"

namespace mv::tools {

inline constexpr UINT_PTR kCloseTimer = 1;

using ui::WindowSpec;

// The window's size goes to "skinshow-<name>.txt" once it is shown; the timer closes it.
void ShowAtOriginAndReport(HWND window, const char* name, UINT seconds);

class ShowDialog : public ui::CBaseDialog {
 public:
  ShowDialog(const WindowSpec& spec, const app::ProgramPaths& paths, UINT seconds);

 protected:
  BOOL OnInitDialog() override;
  INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  // Runs after the controls are placed and before the window is shown.
  virtual void Fill() {}

  const app::ProgramPaths& paths() const { return paths_; }
  ui::SkinPictures& pictures() { return pictures_; }
  ui::SkinLooks WindowLooks() const { return controls_.looks().Looks(); }
  ui::SkinLooks SecondLooks() const { return controls_.secondLooks().Looks(); }
  const LanguageTable& texts() const { return texts_; }
  // The window's own text read from the chosen section of the language file.
  std::u16string LanguageValue(std::u16string_view key) const;
  // The button attached to the control, or null.
  ui::CPngButton* Button(int id) const { return controls_.Button(id); }
  void SetText(int id, const std::u16string& text) const;
  // A font of face at a point size (tenths of a point) for this screen; the window keeps it.
  HFONT MakeFont(const wchar_t* face, int tenthsOfPoint);

  const WindowSpec& spec_;

 private:
  const app::ProgramPaths& paths_;
  UINT seconds_;
  LanguageTable texts_;
  std::u16string section_;
  ui::SkinPictures pictures_;
  ui::SkinnedControls controls_;
  std::vector<ui::UniqueFont> fonts_;
  ui::SkinColourBrushes brushes_;
};

// The windows with content of their own.
int RunMainWindow(const WindowSpec& spec, const app::ProgramPaths& paths, UINT seconds);
// page: the assignment type of the page shown (2 single key, 4 macro, 7 media, 8 function).
int RunCompositeEditor(const WindowSpec& spec, const app::ProgramPaths& paths, UINT seconds, int page);
int RunProfileManager(const WindowSpec& spec, const app::ProgramPaths& paths, UINT seconds);
int RunUpdateDialog(const WindowSpec& spec, const app::ProgramPaths& paths, UINT seconds);

}  // namespace mv::tools
