// Skin layout entries: parsing, the disable rule, entry names, and the other skin-file values.
#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "app/layout.h"
#include "platform/text.h"
#include "scratch_folder.h"

namespace {

using mv::app::LayoutEntry;
using mv::app::ParseLayoutEntry;

TEST(LayoutEntry, ParsesLikeScanf) {
  const struct {
    std::u16string text;
    LayoutEntry expected;
  } cases[] = {
      {u"10,20,30,40", {10, 20, 30, 40}},
      {u"10,20,30,40,x", {10, 20, 30, 40}},
      {u"10,20,30,40 trailing", {10, 20, 30, 40}},
      {u"1,1,1,1,x", {1, 1, 1, 1}},
      {u"-5,+7,0,12", {-5, 7, 0, 12}},
      {u" 10, 20,\t30, 40", {10, 20, 30, 40}},  // %d skips blanks before a number
      // Malformed: reading stops, the numbers not read keep 1.
      {u"", {1, 1, 1, 1}},
      {u"x,20,30,40", {1, 1, 1, 1}},
      {u"10,20", {10, 20, 1, 1}},
      {u"10,20,30", {10, 20, 30, 1}},
      {u"10 ,20,30,40", {10, 1, 1, 1}},  // the comma must follow the number directly
      {u"10;20;30;40", {10, 1, 1, 1}},
      {u"10,,30,40", {10, 1, 1, 1}},
      {u"10,-,30,40", {10, 1, 1, 1}},
      {u"99999999999,-99999999999,2147483647,-2147483648", {INT_MAX, INT_MIN, INT_MAX, INT_MIN}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ParseLayoutEntry(c.text), c.expected) << mv::Utf16ToUtf8(c.text);
  }
}

TEST(LayoutEntry, DisableRule) {
  EXPECT_TRUE(mv::app::DisablesImageButton({1, 1, 80, 20}));
  EXPECT_TRUE(mv::app::DisablesImageButton(ParseLayoutEntry(mv::app::kLayoutDefault)));
  EXPECT_FALSE(mv::app::DisablesImageButton({1, 2, 80, 20}));
  EXPECT_FALSE(mv::app::DisablesImageButton({2, 1, 80, 20}));
  EXPECT_FALSE(mv::app::DisablesImageButton({10, 20, 30, 40}));
}

TEST(LayoutEntry, EntriesOutsideTheWindowReadAsTheDefault) {
  constexpr int kLimit = mv::app::kLayoutCoordinateLimit;
  const LayoutEntry kDefault{1, 1, 1, 1};
  const struct {
    LayoutEntry entry;
    LayoutEntry expected;
  } cases[] = {
      {{10, 20, 30, 40}, {10, 20, 30, 40}},
      {{0, 0, 0, 0}, {0, 0, 0, 0}},
      {{kLimit - 30, kLimit - 40, 30, 40}, {kLimit - 30, kLimit - 40, 30, 40}},  // just inside
      {{0, 0, kLimit, kLimit}, {0, 0, kLimit, kLimit}},
      // Negative anywhere.
      {{-5, 20, 30, 40}, kDefault},
      {{10, -1, 30, 40}, kDefault},
      {{10, 20, -30, 40}, kDefault},
      {{10, 20, 30, -1}, kDefault},
      // Reaching past the limit, including sums that overflow int.
      {{kLimit - 29, 20, 30, 40}, kDefault},
      {{10, kLimit - 39, 30, 40}, kDefault},
      {{0, 0, kLimit + 1, 1}, kDefault},
      {{INT_MAX, 1, INT_MAX, 1}, kDefault},
      {{1, INT_MAX, 1, INT_MAX}, kDefault},
      {{INT_MIN, INT_MIN, INT_MIN, INT_MIN}, kDefault},
  };
  for (const auto& c : cases) {
    const LayoutEntry got = mv::app::SaneLayoutEntry(c.entry);
    EXPECT_EQ(got, c.expected) << c.entry.x << "," << c.entry.y << "," << c.entry.w << "," << c.entry.h;
  }
  EXPECT_TRUE(mv::app::DisablesImageButton(mv::app::SaneLayoutEntry({-5, 20, 30, 40})));
}

TEST(LayoutEntry, EntryNames) {
  EXPECT_EQ(mv::app::KeyEntryName(0x9D), u"KEY_09D");
  EXPECT_EQ(mv::app::KeyEntryName(0), u"KEY_000");
  EXPECT_EQ(mv::app::KeyEntryName(0xFF), u"KEY_0FF");
  EXPECT_EQ(mv::app::KeyEntryName(0x2A), u"KEY_02A");
  EXPECT_EQ(mv::app::GKeyEntryName(1), u"FUNC_G1");
  EXPECT_EQ(mv::app::GKeyEntryName(9), u"FUNC_G9");
}

class SkinFile : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(folder_.IsValid()); }
  std::u16string Write(const std::string& bytes) {
    const std::u16string path = folder_.Path(u"Main" + mv::Utf8ToUtf16(std::to_string(files_++)) + u".ini");
    EXPECT_TRUE(mv::test::WriteBytes(path, bytes));
    return path;
  }
  mv::test::ScratchFolder folder_;
  int files_ = 0;
};

TEST_F(SkinFile, ReadsEntriesAndTheirDefaults) {
  const auto file = Write(
      "[BUTTONINFO]\r\nKEY_09D=10,20,30,40,x\r\nFUNC_G1=1,1,80,20\r\nBAD=abc\r\n");
  using mv::app::ReadLayoutEntry;
  EXPECT_EQ(ReadLayoutEntry(file, mv::app::kLayoutSection, u"key_09d"), (LayoutEntry{10, 20, 30, 40}));
  const LayoutEntry g1 = ReadLayoutEntry(file, mv::app::kLayoutSection, u"FUNC_G1");
  EXPECT_EQ(g1, (LayoutEntry{1, 1, 80, 20}));
  EXPECT_TRUE(mv::app::DisablesImageButton(g1));
  const LayoutEntry absent = ReadLayoutEntry(file, mv::app::kLayoutSection, u"FUNC_G2");
  EXPECT_EQ(absent, (LayoutEntry{1, 1, 1, 1}));
  EXPECT_TRUE(mv::app::DisablesImageButton(absent));
  EXPECT_EQ(ReadLayoutEntry(file, mv::app::kLayoutSection, u"BAD"), (LayoutEntry{1, 1, 1, 1}));
  EXPECT_EQ(ReadLayoutEntry(folder_.Path(u"none.ini"), mv::app::kLayoutSection, u"KEY_09D"),
            (LayoutEntry{1, 1, 1, 1}));
}

TEST_F(SkinFile, HostileEntriesReadAsTheDefault) {
  const auto file = Write(
      "[BUTTONINFO]\r\nNEG=-20,30,40,50\r\nHUGE=10,20,99999999999,40\r\nEDGE=16000,16000,384,384\r\n");
  using mv::app::ReadLayoutEntry;
  EXPECT_EQ(ReadLayoutEntry(file, mv::app::kLayoutSection, u"NEG"), (LayoutEntry{1, 1, 1, 1}));
  EXPECT_EQ(ReadLayoutEntry(file, mv::app::kLayoutSection, u"HUGE"), (LayoutEntry{1, 1, 1, 1}));
  EXPECT_EQ(ReadLayoutEntry(file, mv::app::kLayoutSection, u"EDGE"), (LayoutEntry{16000, 16000, 384, 384}));
}

TEST_F(SkinFile, ScreenValues) {
  const auto file = Write("[SCREEN]\r\nLink=https://maker.test/\r\nMain=main.jpg\r\n");
  EXPECT_EQ(mv::app::ReadLinkAddress(file), u"https://maker.test/");
  const auto pictures = mv::app::ReadSkinPictureNames(file);
  EXPECT_EQ(pictures.background, u"main.jpg");
  EXPECT_EQ(pictures.mask, u"main.jpg") << "the mask defaults to the background";

  const auto withMask = mv::app::ReadSkinPictureNames(Write("[SCREEN]\r\nMain=a.jpg\r\nMask=m.bmp\r\n"));
  EXPECT_EQ(withMask.mask, u"m.bmp");

  const auto empty = Write("");
  EXPECT_EQ(mv::app::ReadLinkAddress(empty), mv::app::kDefaultLinkAddress);
  EXPECT_EQ(mv::app::ReadSkinPictureNames(empty).background, u"");
  EXPECT_EQ(mv::app::ReadSkinPictureNames(empty).mask, u"");
}

// The Chinese background replaces the English one only in Chinese, never the shape; a layout file
// that names none keeps the English picture in both languages.
TEST_F(SkinFile, ChineseBackgroundIsChosenByLanguageWithTheEnglishOneAsFallback) {
  const auto both = Write("[SCREEN]\r\nMain=bg.jpg\r\nMainChinese=bg_cn.jpg\r\n");
  EXPECT_EQ(mv::app::ReadSkinPictureNames(both, true).background, u"bg.jpg");
  EXPECT_EQ(mv::app::ReadSkinPictureNames(both, false).background, u"bg_cn.jpg");
  EXPECT_EQ(mv::app::ReadSkinPictureNames(both, false).mask, u"bg.jpg") << "the shape does not follow the language";

  const auto englishOnly = Write("[SCREEN]\r\nMain=bg.jpg\r\nMainChinese=\r\n");
  EXPECT_EQ(mv::app::ReadSkinPictureNames(englishOnly, false).background, u"bg.jpg");
  EXPECT_EQ(mv::app::ReadSkinPictureNames(Write("[SCREEN]\r\nMain=bg.jpg\r\n"), false).background, u"bg.jpg");
}

TEST_F(SkinFile, CaptionsAndEffectNamesFollowTheLanguage) {
  const auto file = Write(mv::test::Utf16LeFile(
      u"[Control_Name]\r\nUsb=\u56DE\u62A5\u7387\r\n[Control_Name1]\r\nUsb=Report rate\r\n"
      u"[Mode]\r\n3=\u547C\u5438\r\n[Mode1]\r\n3=Breathing\r\n"));
  EXPECT_EQ(mv::app::ReadControlCaption(file, true, u"Usb"), u"Report rate");
  EXPECT_EQ(mv::app::ReadControlCaption(file, false, u"Usb"), u"\u56DE\u62A5\u7387");
  EXPECT_EQ(mv::app::ReadControlCaption(file, true, u"Deng"), u"");
  EXPECT_EQ(mv::app::ReadEffectName(file, true, 3), u"Breathing");
  EXPECT_EQ(mv::app::ReadEffectName(file, false, 3), u"\u547C\u5438");
  EXPECT_EQ(mv::app::ReadEffectName(file, true, 12), u"1");
}

}  // namespace
