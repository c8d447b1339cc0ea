// Chinese mode under Wine: every font a Chinese text is drawn with has the glyphs of that text (an
// image button's caption, a skinned dialog's controls, the About box, and the system fonts of
// message boxes, menus and tooltips), and a skinned window shows its background in the language
// of the language file. Boxes instead of characters are what these catch.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "platform/ini.h"
#include "platform/text.h"
#include "skin_fixture.h"
#include "ui/framework/gdi_handle.h"
#include "ui/framework/wide_text.h"
#include "ui/main_window/about_box.h"
#include "ui/res/resource.h"
#include "ui/skin/base_dialog.h"
#include "ui/skin/png_button.h"

namespace mv::ui {
namespace {

// Texts as the Chinese section of the language file has them.
constexpr std::u16string_view kChineseCaption = u"\u5E94\u7528";                 // Apply
constexpr std::u16string_view kChineseSentence = u"\u786E\u5B9A\u8981\u6062\u590D\u5F53\u524D\u914D\u7F6E"
                                                 u"\u7684\u9ED8\u8BA4\u8BBE\u7F6E\u5417\uFF1F";  // Restore the defaults?
constexpr COLORREF kEnglishBackground = RGB(90, 90, 90);
constexpr COLORREF kChineseBackground = RGB(30, 120, 60);

// The characters of text that font has no glyph for, as GetGlyphIndicesW marks them.
std::u16string MissingGlyphs(HFONT font, std::u16string_view text) {
  HDC dc = ::GetDC(nullptr);
  HGDIOBJ old = ::SelectObject(dc, font ? static_cast<HGDIOBJ>(font) : ::GetStockObject(SYSTEM_FONT));
  const std::u16string s(text);
  std::vector<WORD> glyphs(s.size());
  const DWORD count = ::GetGlyphIndicesW(dc, Wide(s), static_cast<int>(s.size()), glyphs.data(),
                                         GGI_MARK_NONEXISTING_GLYPHS);
  ::SelectObject(dc, old);
  ::ReleaseDC(nullptr, dc);
  if (count == GDI_ERROR) return s;
  std::u16string missing;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (glyphs[i] == 0xFFFF) missing.push_back(s[i]);
  }
  return missing;
}

std::u16string FaceOf(HFONT font) {
  LOGFONTW lf{};
  ::GetObjectW(font, sizeof(lf), &lf);
  return FromWide(lf.lfFaceName);
}

HFONT FontOf(HWND window) { return reinterpret_cast<HFONT>(::SendMessageW(window, WM_GETFONT, 0, 0)); }

// A skins folder with a language file and a 60 x 60 skin whose English and Chinese backgrounds
// differ in colour.
class ChineseSkin : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&icc);
  }

  void WriteSkin(std::u16string_view languageSwitch, bool chineseBackground) {
    ::DeleteFileW(Wide(layout()));
    ASSERT_TRUE(test::WriteBmp(scratch_.File(u"bg.bmp"), 60, 60, [](int, int) { return kEnglishBackground; }));
    ASSERT_TRUE(test::WriteBmp(scratch_.File(u"bg_cn.bmp"), 60, 60, [](int, int) { return kChineseBackground; }));
    ASSERT_TRUE(test::WriteBmp(scratch_.File(u"mask.bmp"), 60, 60, [](int, int) { return RGB(0, 0, 0); }));
    ASSERT_TRUE(platform::WriteIniString(layout(), u"SCREEN", u"Main", u"bg.bmp"));
    ASSERT_TRUE(platform::WriteIniString(layout(), u"SCREEN", u"Mask", u"mask.bmp"));
    if (chineseBackground) {
      ASSERT_TRUE(platform::WriteIniString(layout(), u"SCREEN", u"MainChinese", u"bg_cn.bmp"));
    }
    ASSERT_TRUE(platform::WriteIniString(scratch_.File(u"language.ini"), u"LANGUAGE", u"language",
                                         std::u16string(languageSwitch)));
  }

  std::u16string layout() const { return scratch_.File(u"Test.ini"); }

  test::ScratchFolder scratch_;
};

TEST_F(ChineseSkin, BackgroundAndControlFontFollowTheLanguageSwitch) {
  struct Case {
    std::u16string_view languageSwitch;
    bool chineseBackground;  // whether the layout file names one
    COLORREF shown;
    bool chineseFont;
  } const cases[] = {
      {u"1", true, kEnglishBackground, false},
      {u"0", true, kChineseBackground, true},
      {u"0", false, kEnglishBackground, true},  // an older skin: the English picture, still readable
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "switch " << (c.languageSwitch == u"1" ? "1" : "0")
                                      << (c.chineseBackground ? " with" : " without") << " MainChinese");
    WriteSkin(c.languageSwitch, c.chineseBackground);
    CBaseDialog dialog(IDD_UPDATE, nullptr, layout(), scratch_.path());
    ASSERT_NE(dialog.Create(), nullptr);
    EXPECT_EQ(::GetPixel(dialog.background().dc(), 30, 30), c.shown);

    HWND label = dialog.Item(IDC_CONTROL_UPStatic);
    ASSERT_NE(label, nullptr);
    if (c.chineseFont) {
      EXPECT_EQ(MissingGlyphs(FontOf(label), kChineseSentence), u"") << "face " << Utf16ToUtf8(FaceOf(FontOf(label)));
    } else {
      EXPECT_EQ(FaceOf(FontOf(label)), u"Tahoma") << "English keeps the template's font";
    }
  }
}

TEST_F(ChineseSkin, ButtonCaptionTakesAChineseFaceOnlyForTextItsFaceCannotDraw) {
  WriteSkin(u"1", false);
  CBaseDialog dialog(IDD_UPDATE, nullptr, layout(), scratch_.path());
  ASSERT_NE(dialog.Create(), nullptr);
  CPngButton button;
  ASSERT_TRUE(button.AttachItem(dialog.hwnd(), IDC_CONTROL_UPButton));

  for (const char16_t* face : {u"Arial", u"Verdana", u"Tahoma"}) {
    SCOPED_TRACE(Utf16ToUtf8(face));
    button.SetCaptionStyle(true, 9, face, RGB(0xE4, 0xE4, 0xE4), CPngButton::kDefaultCaptionFormat);
    SetWindowTextU16(button.hwnd(), u"Apply");
    EXPECT_EQ(FaceOf(button.CaptionFont()), face) << "a Latin caption keeps the skin's face";
    for (std::u16string_view text : {kChineseCaption, kChineseSentence, std::u16string_view(u"\u7248\u672C 1.0")}) {
      SetWindowTextU16(button.hwnd(), std::u16string(text));
      const HFONT font = button.CaptionFont();
      EXPECT_EQ(MissingGlyphs(font, text), u"") << "face " << Utf16ToUtf8(FaceOf(font));
    }
  }
}

TEST(ChineseAboutBox, TitleTextsAndOkComeFromItsTextsInAFontThatDrawsThem) {
  const AboutTexts texts{u"\u5173\u4E8E\u952E\u76D8\u8BBE\u7F6E", u"Morvane \u952E\u76D8\u8BBE\u7F6E 1.0 \u7248",
                         u"\u7248\u6743\u6240\u6709 (C) Morvane", u"\u786E\u5B9A"};
  AboutBox about(texts, u"https://maker.test/", nullptr);
  ASSERT_NE(about.CreateModeless(nullptr), nullptr);
  EXPECT_EQ(WindowText(about.hwnd()), texts.title);
  EXPECT_EQ(WindowText(about.Item(IDOK)), texts.ok);
  const struct {
    int id;
    const std::u16string& text;
  } items[] = {{IDC_ABOUT_TEXT, texts.description}, {IDC_ABOUT_COPYRIGHT, texts.copyright}, {IDOK, texts.ok}};
  for (const auto& item : items) {
    EXPECT_EQ(WindowText(about.Item(item.id)), item.text);
    EXPECT_EQ(MissingGlyphs(FontOf(about.Item(item.id)), item.text), u"")
        << "face " << Utf16ToUtf8(FaceOf(FontOf(about.Item(item.id))));
  }
}

// Message boxes, menus (the tray menu), tooltips (the tray's and the buttons') and captions are
// drawn by the system with its own fonts: the prefix the tests and the program run in must give
// them faces that cover Chinese.
TEST(ChineseSystemFonts, MessageMenuTooltipAndCaptionFontsDrawChinese) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  ASSERT_TRUE(::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0));
  const struct {
    const char* name;
    const LOGFONTW& font;
  } fonts[] = {{"message", metrics.lfMessageFont}, {"menu", metrics.lfMenuFont},
               {"status (tooltips)", metrics.lfStatusFont}, {"caption", metrics.lfCaptionFont},
               {"small caption", metrics.lfSmCaptionFont}};
  for (const auto& f : fonts) {
    UniqueFont font(::CreateFontIndirectW(&f.font));
    ASSERT_TRUE(font);
    EXPECT_EQ(MissingGlyphs(font.get(), kChineseSentence), u"")
        << f.name << " font, face " << Utf16ToUtf8(FromWide(f.font.lfFaceName));
  }
}

}  // namespace
}  // namespace mv::ui
