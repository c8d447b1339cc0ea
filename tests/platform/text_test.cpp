// UTF-8 / UTF-16 conversion and the ASCII case folding of INI names.
#include <gtest/gtest.h>

#include "platform/text.h"

namespace {

struct Utf8Case {
  const char* utf8;
  std::u16string utf16;
};

TEST(Text, ConvertsBothWays) {
  const Utf8Case cases[] = {
      {"", u""},
      {"abc", u"abc"},
      {"\xE6\xBF\x80\xE6\xB4\xBB", u"\u6FC0\u6D3B"},  // two CJK characters
      {"\xF0\x9F\x98\x80", u"\U0001F600"},              // outside the BMP: a surrogate pair
  };
  for (const auto& c : cases) {
    EXPECT_EQ(mv::Utf8ToUtf16(c.utf8), c.utf16) << c.utf8;
    EXPECT_EQ(mv::Utf16ToUtf8(c.utf16), c.utf8) << c.utf8;
  }
}

TEST(Text, InvalidInputBecomesReplacementCharacter) {
  EXPECT_EQ(mv::Utf8ToUtf16("a\xC3"), u"a\uFFFD");
  EXPECT_EQ(mv::Utf8ToUtf16("\xC3("), u"\uFFFD(");
  EXPECT_EQ(mv::Utf16ToUtf8(std::u16string(1, char16_t{0xD800})), "\xEF\xBF\xBD");
}

TEST(Text, FoldsOnlyAsciiCase) {
  EXPECT_TRUE(mv::EqualsIgnoreAsciiCase(u"ButtonInfo", u"BUTTONINFO"));
  EXPECT_FALSE(mv::EqualsIgnoreAsciiCase(u"\u00C4", u"\u00E4"));
  EXPECT_FALSE(mv::EqualsIgnoreAsciiCase(u"ab", u"abc"));
}

}  // namespace
