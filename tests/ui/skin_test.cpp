// Skinned windows under Wine: window shape from the mask, region batching, placement from layout
// entries, the image button's looks, frame level and click handling, skin pictures decoded once
// and shared, and a window placed from its description.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cmath>

#include "platform/ini.h"
#include "skin_fixture.h"
#include "ui/framework/gdi_handle.h"
#include "ui/framework/gdiplus_session.h"
#include "ui/res/resource.h"
#include "ui/skin/base_dialog.h"
#include "ui/skin/make_region.h"
#include "ui/skin/placement.h"
#include "ui/skin/png_button.h"
#include "ui/skin/skin_picture.h"
#include "ui/skin/skin_pictures.h"
#include "ui/skin/window_spec.h"

namespace mv::ui {
namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

// A skinned dialog on the update template that counts the clicks of one button.
class CountingDialog : public CBaseDialog {
 public:
  using CBaseDialog::CBaseDialog;
  int clicks = 0;

 protected:
  bool OnCommand(int id, int code, HWND) override {
    if (id == IDC_CONTROL_UPButton && code == BN_CLICKED) ++clicks;
    return id == IDC_CONTROL_UPButton;
  }
};

class SkinWindowTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&icc);
  }

  // A 100 x 100 skin: grey background, mask white except a disc of radius 40 in the middle.
  void WriteDiscSkin() {
    ASSERT_TRUE(test::WriteBmp(scratch_.File(u"bg.bmp"), 100, 100,
                               [](int, int) { return RGB(90, 90, 90); }));
    ASSERT_TRUE(test::WriteBmp(scratch_.File(u"mask.bmp"), 100, 100, [](int x, int y) {
      const double dx = x - 49.5, dy = y - 49.5;
      return std::sqrt(dx * dx + dy * dy) <= 40.0 ? kBlack : kWhite;
    }));
    ASSERT_TRUE(platform::WriteIniString(layout(), u"SCREEN", u"Main", u"bg.bmp"));
    ASSERT_TRUE(platform::WriteIniString(layout(), u"SCREEN", u"Mask", u"mask.bmp"));
  }

  std::u16string layout() const { return scratch_.File(u"Test.ini"); }

  test::ScratchFolder scratch_;
};

TEST_F(SkinWindowTest, DiscMaskGivesCircularWindowSizedToBackground) {
  WriteDiscSkin();
  CountingDialog dialog(IDD_UPDATE, nullptr, layout(), scratch_.path());
  ASSERT_NE(dialog.Create(), nullptr);
  RECT window{};
  ::GetWindowRect(dialog.hwnd(), &window);
  EXPECT_EQ(window.right - window.left, 100);
  EXPECT_EQ(window.bottom - window.top, 100);
  EXPECT_FALSE(::IsWindowVisible(dialog.hwnd()));
  EXPECT_FALSE(dialog.busy());

  UniqueRegion region(::CreateRectRgn(0, 0, 0, 0));
  ASSERT_NE(::GetWindowRgn(dialog.hwnd(), region.get()), ERROR);
  EXPECT_TRUE(::PtInRegion(region.get(), 50, 50));
  EXPECT_TRUE(::PtInRegion(region.get(), 50, 12));
  EXPECT_FALSE(::PtInRegion(region.get(), 2, 2));    // corner: outside the disc
  EXPECT_FALSE(::PtInRegion(region.get(), 95, 50));  // right of the disc
  EXPECT_FALSE(::PtInRegion(region.get(), 85, 85));
}

TEST_F(SkinWindowTest, AlternatingRowGivesMoreThan2000RectanglesInOneRegion) {
  OffscreenPicture mask;
  ASSERT_TRUE(mask.CreateDib32(4001, 1));
  for (int x = 0; x < 4001; ++x) mask.pixels()[x] = (x % 2 == 0) ? 0x000000u : 0xFFFFFFu;
  UniqueRegion region = MakeRegion(mask, kWhite, 0);
  ASSERT_TRUE(region);
  const DWORD bytes = ::GetRegionData(region.get(), 0, nullptr);
  std::vector<std::uint8_t> buffer(bytes);
  auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
  ASSERT_EQ(::GetRegionData(region.get(), bytes, data), bytes);
  EXPECT_EQ(data->rdh.nCount, 2001u);
  EXPECT_TRUE(::PtInRegion(region.get(), 0, 0));
  EXPECT_FALSE(::PtInRegion(region.get(), 1, 0));
  EXPECT_TRUE(::PtInRegion(region.get(), 4000, 0));
}

TEST_F(SkinWindowTest, AllWhiteMaskGivesEmptyRegion) {
  OffscreenPicture mask;
  ASSERT_TRUE(test::FillPicture(mask, 8, 8, kWhite));
  UniqueRegion region = MakeRegion(mask, kWhite, 0);
  ASSERT_TRUE(region);
  RECT box{};
  EXPECT_EQ(::GetRgnBox(region.get(), &box), NULLREGION);
}

// A dialog with one image button whose five looks are distinct solid colours.
class ImageButtonTest : public SkinWindowTest {
 protected:
  static constexpr COLORREF kNormal = RGB(10, 20, 30);
  static constexpr COLORREF kHover = RGB(200, 0, 0);
  static constexpr COLORREF kPressed = RGB(0, 200, 0);
  static constexpr COLORREF kDisabled = RGB(0, 0, 200);
  static constexpr COLORREF kAlternate = RGB(200, 200, 0);

  void SetUp() override {
    WriteDiscSkin();
    dialog_ = std::make_unique<CountingDialog>(IDD_UPDATE, nullptr, layout(), scratch_.path());
    ASSERT_NE(dialog_->Create(), nullptr);
    const COLORREF colours[5] = {kNormal, kHover, kPressed, kDisabled, kAlternate};
    for (int i = 0; i < 5; ++i) ASSERT_TRUE(test::FillPicture(pictures_[i], 200, 200, colours[i]));
    ASSERT_TRUE(button_.AttachItem(dialog_->hwnd(), IDC_CONTROL_UPButton));
  }

  SkinLooks Looks() const {
    return SkinLooks{&pictures_[0], &pictures_[1], &pictures_[2], &pictures_[3], &pictures_[4]};
  }

  void SetEntry(const std::u16string& key, const std::u16string& value) {
    ASSERT_TRUE(platform::WriteIniString(layout(), u"BUTTONINFO", key, value));
  }

  // What the button's paint routine draws in the middle of a 20 x 20 area.
  COLORREF DrawnColour() {
    OffscreenPicture canvas;
    EXPECT_TRUE(canvas.CreateDib32(20, 20));
    const RECT r{0, 0, 20, 20};
    button_.Draw(canvas.dc(), r);
    return ::GetPixel(canvas.dc(), 10, 10);
  }

  RECT Placed() const {
    RECT r{};
    ::GetWindowRect(button_.hwnd(), &r);
    ::MapWindowPoints(HWND_DESKTOP, dialog_->hwnd(), reinterpret_cast<POINT*>(&r), 2);
    return r;
  }

  std::unique_ptr<CountingDialog> dialog_;
  OffscreenPicture pictures_[5];
  CPngButton button_;
};

TEST_F(ImageButtonTest, EntriesPlaceAndDisableAsTheirPositionSays) {
  struct Case {
    const char16_t* value;  // null: no entry
    RECT expected;
    bool enabled;
  };
  const Case cases[] = {
      {u"10,20,30,40", {10, 20, 40, 60}, true},
      {u"10,20,30,40,x", {10, 20, 40, 60}, true},
      {u"1,1,80,20", {1, 1, 81, 21}, false},
      {nullptr, {1, 1, 2, 2}, false},
  };
  int n = 0;
  for (const Case& c : cases) {
    const std::u16string key = u"ENTRY_" + std::u16string(1, static_cast<char16_t>(u'A' + n++));
    if (c.value) SetEntry(key, c.value);
    ::EnableWindow(button_.hwnd(), TRUE);
    PlaceImageButton(button_, layout(), u"BUTTONINFO", key, Looks());
    const RECT r = Placed();
    EXPECT_EQ(r.left, c.expected.left) << n;
    EXPECT_EQ(r.top, c.expected.top) << n;
    EXPECT_EQ(r.right, c.expected.right) << n;
    EXPECT_EQ(r.bottom, c.expected.bottom) << n;
    EXPECT_EQ(::IsWindowEnabled(button_.hwnd()) != FALSE, c.enabled) << n;
  }
}

TEST_F(ImageButtonTest, ButtonAtOneOneShowsItsDisabledLook) {
  SetEntry(u"CONTROL_UPButton", u"1,1,80,20");
  PlaceImageButton(button_, layout(), u"BUTTONINFO", u"CONTROL_UPButton", Looks());
  EXPECT_EQ(button_.CurrentLook(), app::ButtonLook::kDisabled);
  EXPECT_EQ(DrawnColour(), kDisabled);
}

TEST_F(ImageButtonTest, LooksFollowSelectionAndHover) {
  SetEntry(u"CONTROL_UPButton", u"20,20,40,20");
  PlaceImageButton(button_, layout(), u"BUTTONINFO", u"CONTROL_UPButton", Looks());
  EXPECT_EQ(DrawnColour(), kNormal);
  button_.SetSelected(true, true);
  EXPECT_EQ(DrawnColour(), kAlternate);
  ::SendMessageW(button_.hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  ::SendMessageW(button_.hwnd(), WM_MOUSEHOVER, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(button_.CurrentLook(), app::ButtonLook::kHover);
  EXPECT_EQ(DrawnColour(), kHover);  // hover wins over the selection
  ::SendMessageW(button_.hwnd(), WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(DrawnColour(), kAlternate);
}

TEST_F(ImageButtonTest, OverrideLooksReplaceTheFiveUntilDisabled) {
  SetEntry(u"CONTROL_UPButton", u"20,20,40,20");
  PlaceImageButton(button_, layout(), u"BUTTONINFO", u"CONTROL_UPButton", Looks());
  button_.SetOverrideLooks(&pictures_[2], &pictures_[4], true, false);
  EXPECT_EQ(DrawnColour(), kPressed);
  button_.SetOverrideLooks(&pictures_[2], &pictures_[4], true, true);
  EXPECT_EQ(DrawnColour(), kAlternate);
  ::EnableWindow(button_.hwnd(), FALSE);
  EXPECT_EQ(DrawnColour(), kDisabled);
}

TEST_F(ImageButtonTest, ColourFrameLevelIsCappedAndDrawsOnlyTheFrame) {
  button_.SetColourFrame(RGB(0, 255, 0), 150, true);
  EXPECT_EQ(button_.frameLevel(), 100);
  EXPECT_TRUE(button_.frameOn());
  OffscreenPicture canvas;
  ASSERT_TRUE(test::FillPicture(canvas, 20, 20, kWhite));
  button_.Draw(canvas.dc(), RECT{0, 0, 20, 20});
  EXPECT_EQ(::GetPixel(canvas.dc(), 1, 10), RGB(0, 255, 0));
  EXPECT_EQ(::GetPixel(canvas.dc(), 10, 10), kWhite);  // no fill inside the frame
}

TEST_F(ImageButtonTest, DoubleClickGivesTwoClicks) {
  SetEntry(u"CONTROL_UPButton", u"20,20,40,20");
  PlaceImageButton(button_, layout(), u"BUTTONINFO", u"CONTROL_UPButton", Looks());
  ::ShowWindow(dialog_->hwnd(), SW_SHOWNOACTIVATE);
  const LPARAM at = MAKELPARAM(5, 5);
  ::SendMessageW(button_.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, at);
  ::SendMessageW(button_.hwnd(), WM_LBUTTONUP, 0, at);
  ::SendMessageW(button_.hwnd(), WM_LBUTTONDBLCLK, MK_LBUTTON, at);
  ::SendMessageW(button_.hwnd(), WM_LBUTTONUP, 0, at);
  EXPECT_EQ(dialog_->clicks, 2);
}

TEST_F(ImageButtonTest, PaintCallbackSaysWhetherTheNormalLookWasDrawn) {
  SetEntry(u"CONTROL_UPButton", u"20,20,40,20");
  PlaceImageButton(button_, layout(), u"BUTTONINFO", u"CONTROL_UPButton", Looks());
  int calls = 0;
  bool normal = false;
  button_.SetPaintCallback([&](HWND, bool isNormal) {
    ++calls;
    normal = isNormal;
  });
  DrawnColour();
  EXPECT_EQ(calls, 1);
  EXPECT_TRUE(normal);
  button_.SetSelected(true, false);
  DrawnColour();
  EXPECT_FALSE(normal);
}

TEST_F(ImageButtonTest, TooltipIsCreatedOnFirstUseWithTheLongDelay) {
  EXPECT_EQ(button_.tooltip(), nullptr);
  button_.SetTooltip(u"Help", true);
  ASSERT_NE(button_.tooltip(), nullptr);
  EXPECT_EQ(::SendMessageW(button_.tooltip(), TTM_GETDELAYTIME, TTDT_INITIAL, 0), 2000);
  HWND first = button_.tooltip();
  button_.SetTooltip(u"Other", true);
  EXPECT_EQ(button_.tooltip(), first);
}

TEST_F(ImageButtonTest, MarksStartAtZeroAndIgnoreProfilesOutOfRange) {
  for (int p = 0; p < 3; ++p) EXPECT_EQ(button_.Mark(p), 0);
  button_.SetMark(2, 7);
  button_.SetMark(3, 9);
  button_.SetMark(-1, 9);
  EXPECT_EQ(button_.Mark(2), 7);
  EXPECT_EQ(button_.Mark(3), 0);
}

// A skinned dialog and full-window pictures "<colour>.bmp" of one solid colour each, loaded
// through the shared picture cache.
class SkinDescriptionTest : public SkinWindowTest {
 protected:
  static constexpr COLORREF kNormal = RGB(10, 20, 30);
  static constexpr COLORREF kHover = RGB(200, 0, 0);
  static constexpr COLORREF kPressed = RGB(0, 200, 0);
  static constexpr COLORREF kDisabled = RGB(0, 0, 200);
  static constexpr COLORREF kSecond = RGB(200, 200, 0);

  void SetUp() override {
    ASSERT_TRUE(gdiplus_.ok());
    WriteDiscSkin();
    for (const auto& [name, colour] : {std::pair{u"normal.bmp", kNormal}, std::pair{u"hover.bmp", kHover},
                                       std::pair{u"pressed.bmp", kPressed}, std::pair{u"disabled.bmp", kDisabled},
                                       std::pair{u"second.bmp", kSecond}}) {
      const COLORREF c = colour;
      ASSERT_TRUE(test::WriteBmp(scratch_.File(name), 100, 100, [c](int, int) { return c; }));
    }
    dialog_ = std::make_unique<CountingDialog>(IDD_UPDATE, nullptr, layout(), scratch_.path());
    ASSERT_NE(dialog_->Create(), nullptr);
  }

  void SetEntry(const std::u16string& key, const std::u16string& value) {
    ASSERT_TRUE(platform::WriteIniString(layout(), u"BUTTONINFO", key, value));
  }

  static COLORREF DrawnColour(CPngButton& button) {
    OffscreenPicture canvas;
    EXPECT_TRUE(canvas.CreateDib32(20, 20));
    button.Draw(canvas.dc(), RECT{0, 0, 20, 20});
    return ::GetPixel(canvas.dc(), 10, 10);
  }

  RECT Placed(int id) const {
    RECT r{};
    ::GetWindowRect(dialog_->Item(id), &r);
    ::MapWindowPoints(HWND_DESKTOP, dialog_->hwnd(), reinterpret_cast<POINT*>(&r), 2);
    return r;
  }

  GdiplusSession gdiplus_;
  std::unique_ptr<CountingDialog> dialog_;
  SkinPictures pictures_{scratch_.path()};
};

TEST_F(SkinDescriptionTest, EachPictureIsDecodedOnceAndSharedByEveryLook) {
  const HWND window = dialog_->hwnd();
  LookSet first;
  first.Load({u"normal.bmp", u"hover.bmp", u"pressed.bmp", u"normal.bmp", u"pressed.bmp"}, pictures_, window);
  LookSet second;
  second.Load({u"normal.bmp", u"hover.bmp", u"pressed.bmp", u"disabled.bmp", u"pressed.bmp"}, pictures_, window);
  EXPECT_EQ(pictures_.decodes(), 4);
  const SkinLooks a = first.Looks();
  const SkinLooks b = second.Looks();
  EXPECT_EQ(a.normal, b.normal);
  EXPECT_EQ(a.normal, a.disabled);
  EXPECT_EQ(a.pressed, a.alternate);
  EXPECT_NE(b.normal, b.disabled);
  const SIZE extent = SkinPictureExtent(window);
  EXPECT_EQ(a.normal->width(), extent.cx);
  EXPECT_EQ(a.normal->height(), extent.cy);
  EXPECT_EQ(::GetPixel(a.hover->dc(), 50, 50), kHover);
}

TEST_F(SkinDescriptionTest, LargerWindowRedrawsThePictureInPlaceAndItOutlivesTheCache) {
  LookSet looks;
  looks.Load({u"normal.bmp", u"normal.bmp", u"normal.bmp", u"normal.bmp", u"normal.bmp"}, pictures_, dialog_->hwnd());
  const OffscreenPicture* handedOut = looks.Looks().normal;
  ::SetWindowPos(dialog_->hwnd(), nullptr, 0, 0, 300, 250, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  const SIZE larger = SkinPictureExtent(dialog_->hwnd());
  EXPECT_EQ(pictures_.Get(u"normal.bmp", dialog_->hwnd()).get(), handedOut);
  EXPECT_EQ(pictures_.decodes(), 2);
  EXPECT_EQ(handedOut->width(), larger.cx);
  EXPECT_EQ(handedOut->height(), larger.cy);
  pictures_.Clear();
  EXPECT_TRUE(handedOut->valid());  // the look set still holds it
  EXPECT_EQ(::GetPixel(handedOut->dc(), 50, 50), kNormal);
}

TEST_F(SkinDescriptionTest, SingleBitmapsAreLoadedOnceAndMissingOnesAreNull) {
  HBITMAP bitmap = pictures_.Bitmap(u"hover.bmp");
  ASSERT_NE(bitmap, nullptr);
  EXPECT_EQ(pictures_.Bitmap(u"hover.bmp"), bitmap);
  EXPECT_EQ(pictures_.Bitmap(u"nothing.bmp"), nullptr);
}

TEST_F(SkinDescriptionTest, DescriptionPlacesEveryKindWithItsLooks) {
  static constexpr Placement kTable[] = {
      {IDC_CONTROL_UPButton, u"UP", PlacementKind::kButton},
      {IDC_CONTROL_CUPButton, u"CUP", PlacementKind::kSecondButton},
      {IDC_CONTROL_UPStatic, u"STATIC", PlacementKind::kControl},
      {IDC_CONTROL_OPENButton, u"NO_ENTRY", PlacementKind::kButton},
      {IDC_CONTROL_BACKUPButton, u"BACKUP", PlacementKind::kButton},
      {IDC_KEY_001, u"NOT_IN_THIS_TEMPLATE", PlacementKind::kButton},
  };
  const WindowSpec spec{"test", IDD_UPDATE, &app::ProgramPaths::updateLayoutFile, kTable,
                        {u"normal.bmp", u"hover.bmp", u"pressed.bmp", u"disabled.bmp", u"pressed.bmp"},
                        {u"second.bmp", u"second.bmp", u"second.bmp", u"second.bmp", u"second.bmp"}};
  SetEntry(u"UP", u"10,12,30,20");
  SetEntry(u"CUP", u"10,40,30,20");
  SetEntry(u"STATIC", u"50,12,40,30");
  SetEntry(u"BACKUP", u"50,50,20,20");
  CPngButton windowsOwn;  // a button the window keeps, as the main window's panels do
  SkinnedControls controls;
  controls.Place(dialog_->hwnd(), spec, layout(), pictures_,
                 [&](int id) { return id == IDC_CONTROL_BACKUPButton ? &windowsOwn : nullptr; });

  struct Expected {
    int id;
    RECT rect;
    bool enabled;
    COLORREF look;  // drawn in the normal state; 0: a plain control
  };
  const Expected cases[] = {
      {IDC_CONTROL_UPButton, {10, 12, 40, 32}, true, kNormal},
      {IDC_CONTROL_CUPButton, {10, 40, 40, 60}, true, kSecond},
      {IDC_CONTROL_UPStatic, {50, 12, 90, 42}, true, 0},
      {IDC_CONTROL_OPENButton, {1, 1, 2, 2}, false, kDisabled},
      {IDC_CONTROL_BACKUPButton, {50, 50, 70, 70}, true, kNormal},
  };
  for (const Expected& c : cases) {
    SCOPED_TRACE(c.id);
    const RECT r = Placed(c.id);
    EXPECT_EQ(r.left, c.rect.left);
    EXPECT_EQ(r.top, c.rect.top);
    EXPECT_EQ(r.right, c.rect.right);
    EXPECT_EQ(r.bottom, c.rect.bottom);
    EXPECT_EQ(::IsWindowEnabled(dialog_->Item(c.id)) != FALSE, c.enabled);
    CPngButton* button = controls.Button(c.id);
    if (c.look == 0) {
      EXPECT_EQ(button, nullptr);
      continue;
    }
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(DrawnColour(*button), c.look);
  }
  EXPECT_EQ(controls.Button(IDC_CONTROL_BACKUPButton), &windowsOwn);
  EXPECT_EQ(controls.Button(IDC_KEY_001), nullptr);
  EXPECT_EQ(pictures_.decodes(), 5);
}

}  // namespace
}  // namespace mv::ui
