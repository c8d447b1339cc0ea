// The colour component edits' input rule: digits only, at most 255.
#include <gtest/gtest.h>

#include "lighting/colour_text.h"

namespace mv::lighting {
namespace {

TEST(ColourComponentText, KeepsDigitsAndClampsTo255) {
  const struct {
    std::u16string_view typed;
    std::u16string_view kept;
  } kCases[] = {
      {u"", u""},          {u"0", u"0"},          {u"128", u"128"},      {u"255", u"255"},
      {u"256", u"255"},    {u"9999", u"255"},     {u"abc999", u"255"},   {u"1a2b", u"12"},
      {u"abc", u""},       {u"-5", u"5"},         {u" 42 ", u"42"},      {u"007", u"007"},
      {u"00000000000000000000300", u"255"},      {u"99999999999999999999", u"255"},
      {u"\uFF11\uFF12", u""},  // full-width digits are not digits here
  };
  for (const auto& c : kCases) EXPECT_EQ(ColourComponentText(c.typed), c.kept);
}

}  // namespace
}  // namespace mv::lighting
