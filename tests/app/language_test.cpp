// The language table: which section the switch chooses, what a missing text reads as, how long
// values are cut, and that Chinese texts come through a UTF-16 file whole.
#include <gtest/gtest.h>

#include <string>

#include "app/language.h"
#include "platform/text.h"
#include "scratch_folder.h"

namespace {

using mv::LanguageTable;
using mv::TextId;

class Language : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(folder_.IsValid()); }
  std::u16string Write(const std::u16string& text) {
    const std::u16string path = folder_.Path(u"language" + mv::Utf8ToUtf16(std::to_string(files_++)) + u".ini");
    EXPECT_TRUE(mv::test::WriteBytes(path, mv::test::Utf16LeFile(text)));
    return path;
  }
  mv::test::ScratchFolder folder_;
  int files_ = 0;
};

TEST_F(Language, SwitchValueOneSelectsEnglishAnythingElseChinese) {
  const struct {
    std::u16string switchLines;
    bool english;
  } cases[] = {
      {u"[LANGUAGE]\r\nlanguage=1\r\n", true},
      {u"[language]\r\nLANGUAGE = 1 \r\n", true},
      {u"[LANGUAGE]\r\nlanguage=0\r\n", false},
      {u"[LANGUAGE]\r\nlanguage=2\r\n", false},
      {u"[LANGUAGE]\r\nlanguage=\r\n", false},
      {u"[LANGUAGE]\r\n", false},
      {u"", false},
  };
  for (const auto& c : cases) {
    const auto file = Write(c.switchLines + u"[ENGINSH]\r\nMAIN_CAPTION=English\r\n[CHINESE]\r\nMAIN_CAPTION=\u4E2D\u6587\r\n");
    EXPECT_EQ(mv::IsEnglish(file), c.english) << mv::Utf16ToUtf8(c.switchLines);
    LanguageTable table;
    table.LoadLanguageTexts(file);
    EXPECT_EQ(table.Text(TextId::MAIN_CAPTION), c.english ? u"English" : u"\u4E2D\u6587")
        << mv::Utf16ToUtf8(c.switchLines);
  }
}

TEST_F(Language, AbsentIdReadsAsOneSpace) {
  const auto file = Write(u"[LANGUAGE]\r\nlanguage=1\r\n[ENGINSH]\r\nMAIN_CAPTION=Caption\r\nMENU_1=\r\n"
                          u"[CHINESE]\r\nMAIN_HELP_PROMPT=\u5E2E\u52A9\r\n");
  LanguageTable table;
  table.LoadLanguageTexts(file);
  EXPECT_EQ(table.Text(TextId::MAIN_CAPTION), u"Caption");
  EXPECT_EQ(table.Text(TextId::MAIN_HELP_PROMPT), u" ") << "only in the other section";
  EXPECT_EQ(table.Text(TextId::UNKNOWN_KEY), u" ") << "not the built-in text";
  EXPECT_EQ(mv::ReadLanguageValue(file, mv::kEnglishSection, u"PROFILE_1"), u" ");
  EXPECT_EQ(mv::ReadLanguageValue(file, mv::kEnglishSection, u"MENU_1"), u"") << "present but empty";
}

TEST_F(Language, EscapedLineBreaksBecomeLineBreaks) {
  const struct {
    std::u16string value;
    std::u16string text;
  } cases[] = {
      {u"one\\r\\n two", u"one\r\n two"},
      {u"a\\nb", u"a\nb"},
      {u"\\The new mode", u"\\The new mode"},  // a leading backslash of a file name stays
      {u"ends in \\", u"ends in \\"},
  };
  for (const auto& c : cases) {
    const auto file = Write(u"[LANGUAGE]\r\nlanguage=1\r\n[ENGINSH]\r\nPROFILE_NEW=" + c.value + u"\r\n");
    LanguageTable table;
    table.LoadLanguageTexts(file);
    EXPECT_EQ(table.Text(TextId::PROFILE_NEW), c.text) << mv::Utf16ToUtf8(c.value);
  }
}

TEST_F(Language, MissingFileGivesASpaceForEveryId) {
  LanguageTable table;
  table.LoadLanguageTexts(folder_.Path(u"absent.ini"));
  for (std::size_t i = 0; i < mv::kTextCount; ++i) {
    EXPECT_EQ(table.Text(static_cast<TextId>(i)), u" ") << mv::Utf16ToUtf8(mv::InfoOf(static_cast<TextId>(i)).id);
  }
}

TEST_F(Language, BuiltInTextsBeforeLoadingFitTheirSlots) {
  const LanguageTable table;
  for (std::size_t i = 0; i < mv::kTextCount; ++i) {
    const auto& info = mv::InfoOf(static_cast<TextId>(i));
    EXPECT_LT(info.builtIn.size(), info.capacity) << mv::Utf16ToUtf8(info.id);
    EXPECT_EQ(table.Text(static_cast<TextId>(i)), info.builtIn) << mv::Utf16ToUtf8(info.id);
  }
  EXPECT_GT(mv::InfoOf(TextId::EXTRA_MACRO_TOO_LONG).builtIn.size(), 107u) << "why its slot is larger";
}

TEST_F(Language, LongValuesAreCutToTheSlot) {
  // The INI buffer already limits a value to 259 units; each slot cuts further to capacity - 1.
  const std::u16string longText(250, u'\u5B57');
  const auto file = Write(u"[LANGUAGE]\r\nlanguage=0\r\n[CHINESE]\r\nMAIN_CAPTION=" + longText +
                          u"\r\nEXTRA_MACRO_TOO_LONG=" + longText + u"\r\nMAIN_UPDATE_BACKUP_OK=" + longText +
                          u"\r\nMACRO_ERR_MAX=" + std::u16string(107, u'x') + u"\r\n");
  LanguageTable table;
  table.LoadLanguageTexts(file);
  EXPECT_EQ(table.Text(TextId::MAIN_CAPTION), std::u16string(107, u'\u5B57'));
  EXPECT_EQ(table.Text(TextId::EXTRA_MACRO_TOO_LONG), std::u16string(250, u'\u5B57'));
  EXPECT_EQ(table.Text(TextId::MAIN_UPDATE_BACKUP_OK), std::u16string(5, u'\u5B57'));
  EXPECT_EQ(table.Text(TextId::MACRO_ERR_MAX), std::u16string(107, u'x')) << "exactly capacity - 1 fits";

  table.SetText(TextId::EXTRA_MACRO_TOO_LONG, std::u16string(300, u'y'));
  EXPECT_EQ(table.Text(TextId::EXTRA_MACRO_TOO_LONG), std::u16string(255, u'y'));
}

TEST_F(Language, CutNeverSplitsASurrogatePair) {
  LanguageTable table;
  std::u16string text(106, u'a');
  text += u"\U0001F600";  // units 107 and 108: the pair does not fit in 107
  table.SetText(TextId::MAIN_CAPTION, text);
  EXPECT_EQ(table.Text(TextId::MAIN_CAPTION), std::u16string(106, u'a'));
}

TEST_F(Language, ChineseTextsRoundTripFromUtf16) {
  const std::u16string caption = u"\u6E38\u620F\u952E\u76D8\u8BBE\u7F6E";
  const std::u16string withBreak = u"\u5B8F\u7A7A\u95F4\uFF0C\u8BF7\u51CF\u5C11";
  const auto file = Write(u"[LANGUAGE]\r\nlanguage=0\r\n[CHINESE]\r\nMAIN_CAPTION=" + caption +
                          u"\r\nEXTRA_MACRO_TOO_LONG=" + withBreak + u"\r\nMENU_11=\u6253\u5F00\r\n");
  LanguageTable table;
  table.LoadLanguageTexts(file);
  EXPECT_EQ(table.Text(TextId::MAIN_CAPTION), caption);
  EXPECT_EQ(table.Text(TextId::EXTRA_MACRO_TOO_LONG), withBreak);
  EXPECT_EQ(mv::ReadLanguageValue(file, mv::ChosenSection(file), u"MENU_11"), u"\u6253\u5F00");
}

TEST(LanguageIds, KeysAreTheIdNamesInLoadingOrder) {
  EXPECT_EQ(mv::InfoOf(static_cast<TextId>(0)).id, u"MACRO_ACTION_RECORD_DELAY");
  EXPECT_EQ(mv::InfoOf(TextId::MEDIA_Next_TRACK_5).id, u"MEDIA_Next_TRACK_5");
  // The program's own texts follow the original table's last one.
  EXPECT_EQ(static_cast<int>(TextId::MAIN_INSTANCE_NO_ANSWER_PROMPT), static_cast<int>(TextId::MAIN_NO_DEVICE_PROMPT) + 1);
  EXPECT_EQ(mv::InfoOf(static_cast<TextId>(mv::kTextCount - 1)).id, u"MAIN_KEYBOARD_NOT_READ_PROMPT");
  EXPECT_EQ(static_cast<int>(TextId::MEDIA_PALYER_1), static_cast<int>(TextId::UNKNOWN_KEY) + 1);
  EXPECT_EQ(static_cast<int>(TextId::FUNC_KEY_DESC1), static_cast<int>(TextId::MEDIA_MAIL_18) + 1);
}

}  // namespace
