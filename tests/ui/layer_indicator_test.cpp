// The layer indicator of the shipped main window skin: the keyboard panel shows the layer button
// selected in layer B and not selected in layer A, so each of its looks must light the letter of
// its own layer and dim the other. Read from the button placed by the main window's description
// over the shipped pictures, as the program places it.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "app/paths.h"
#include "platform/system.h"
#include "ui/framework/gdiplus_session.h"
#include "ui/framework/offscreen_picture.h"
#include "ui/res/resource.h"
#include "ui/skin/base_dialog.h"
#include "ui/skin/skin_pictures.h"
#include "ui/skin/window_spec.h"
#include "ui/skin/window_specs.h"

namespace mv::ui {
namespace {

enum class Letter { kA, kB };

class LayerIndicatorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&icc);
    ASSERT_TRUE(gdiplus_.ok());
    const app::ProgramPaths paths = app::BuildProgramPaths(platform::ExecutablePath());
    dialog_ = std::make_unique<CBaseDialog>(IDD_MORVANE_DIALOG, nullptr, paths.mainLayoutFile, paths.skinsFolder);
    ASSERT_NE(dialog_->Create(), nullptr);
    pictures_ = std::make_unique<SkinPictures>(paths.skinsFolder);
    controls_.Place(dialog_->hwnd(), kMainWindowSpec, paths.mainLayoutFile, *pictures_);
    button_ = controls_.Button(IDC_LOCK_AB);
    ASSERT_NE(button_, nullptr);
    ASSERT_TRUE(::IsWindowEnabled(button_->hwnd())) << "no LOCK_AB entry in Main.ini";
  }

  // The brightest pixel (R + G + B) of each letter's half of the button, above its caption.
  std::pair<int, int> LetterPeaks() {
    RECT client{};
    ::GetClientRect(button_->hwnd(), &client);
    OffscreenPicture canvas;
    EXPECT_TRUE(canvas.CreateDib32(client.right, client.bottom));
    button_->Draw(canvas.dc(), client);
    int peak[2] = {0, 0};
    for (int y = 0; y < client.bottom * 6 / 10; ++y)
      for (int x = 0; x < client.right; ++x) {
        const COLORREF c = ::GetPixel(canvas.dc(), x, y);
        int& p = peak[x < client.right / 2 ? 0 : 1];
        p = std::max(p, GetRValue(c) + GetGValue(c) + GetBValue(c));
      }
    return {peak[0], peak[1]};
  }

  GdiplusSession gdiplus_;
  std::unique_ptr<CBaseDialog> dialog_;
  std::unique_ptr<SkinPictures> pictures_;
  SkinnedControls controls_;
  CPngButton* button_ = nullptr;
};

TEST_F(LayerIndicatorTest, EachLookLightsTheLetterOfItsLayer) {
  struct Case {
    const char* look;
    bool selected, hover, enabled;
    Letter lit;
  };
  const Case cases[] = {
      {"layer A", false, false, true, Letter::kA},
      {"layer B (selected)", true, false, true, Letter::kB},
      {"hover in layer A", false, true, true, Letter::kA},
      {"disabled", false, false, false, Letter::kA},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.look);
    ::EnableWindow(button_->hwnd(), c.enabled);
    button_->SetSelected(c.selected, false);
    if (c.hover) {
      ::SendMessageW(button_->hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
      ::SendMessageW(button_->hwnd(), WM_MOUSEHOVER, 0, MAKELPARAM(5, 5));
      ASSERT_EQ(button_->CurrentLook(), app::ButtonLook::kHover);
    }
    const auto [a, b] = LetterPeaks();
    // The dim letter stays readable, so ask for a plain step rather than an absolute colour.
    if (c.lit == Letter::kA) {
      EXPECT_GT(a, b + 100) << "A " << a << ", B " << b;
    } else {
      EXPECT_GT(b, a + 100) << "A " << a << ", B " << b;
    }
    if (c.hover) ::SendMessageW(button_->hwnd(), WM_MOUSELEAVE, 0, 0);
  }
}

}  // namespace
}  // namespace mv::ui
