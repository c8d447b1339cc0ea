// The key assignment record: its byte layout, G-key codes, and the text a key button shows.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>

#include "app/language.h"
#include "keys/key_assignment.h"

namespace {

using mv::LanguageTable;
using mv::TextId;
using namespace mv::keys;

TEST(KeyAssignmentRecord, ReadsAndWritesLittleEndianFields) {
  const std::array<std::uint8_t, 16> bytes = {0x04, 0x00, 0x05, 0x13, 0x30, 0x00, 0x01, 0x80,
                                              0x01, 0x02, 0x03, 0x04, 0xFF, 0xEE, 0xDD, 0xCC};
  const KeyAssignment record = KeyAssignment::Read(bytes);
  EXPECT_EQ(record.type, 4);
  EXPECT_EQ(record.Type(), AssignmentType::PlayMacro);
  EXPECT_EQ(record.aux, 0x1305);
  EXPECT_EQ(record.value, 0x80010030u);
  EXPECT_EQ(record.mark, 0x04030201u);  // carried unchanged, though nothing reads it
  EXPECT_EQ(record.reserved, 0xCCDDEEFFu);

  std::array<std::uint8_t, 16> written{};
  written.fill(0xAA);
  record.Write(written);
  EXPECT_EQ(written, bytes);
}

TEST(KeyAssignmentRecord, ClearedBytesAreTheDefaultAssignment) {
  const std::array<std::uint8_t, 16> zeros{};
  EXPECT_EQ(KeyAssignment::Read(zeros), KeyAssignment{});
  EXPECT_FALSE(IsAssigned(KeyAssignment::Read(zeros)));
}

TEST(KeyAssignmentRecord, GKeyCodesOfBothLayers) {
  struct Case {
    int gKey;
    bool fnLayer;
    std::uint16_t code;
  };
  const Case cases[] = {{0, false, 0x301}, {8, false, 0x309}, {0, true, 0x1301}, {8, true, 0x1309},
                        {9, false, 0},     {-1, true, 0}};
  for (const auto& c : cases) EXPECT_EQ(GKeyCode(c.gKey, c.fnLayer), c.code) << c.gKey << " " << c.fnLayer;

  struct RecordCase {
    int record;
    std::uint16_t code;
  };
  const RecordCase records[] = {{255, 0},      {256, 0x301},  {264, 0x309}, {265, 0x1301},
                                {273, 0x1309}, {274, 0},      {511, 0},     {-1, 0}};
  for (const auto& c : records) EXPECT_EQ(GKeyCodeOfRecord(c.record), c.code) << c.record;
}

KeyAssignment Record(AssignmentType type, std::uint32_t value, std::uint16_t aux = 0) {
  KeyAssignment r;
  r.type = static_cast<std::uint16_t>(type);
  r.aux = aux;
  r.value = value;
  return r;
}

KeyAssignment RecordOfType(std::uint16_t type, std::uint32_t value = 0) {
  KeyAssignment r;
  r.type = type;
  r.value = value;
  return r;
}

// Default language texts, except the media key names, which default to one text for all 18.
class AssignmentTextTest : public ::testing::Test {
 protected:
  AssignmentTextTest() {
    texts.SetText(TextId::MEDIA_PALYER_1, u"Player");
    texts.SetText(TextId::MEDIA_MAIL_18, u"Mail");
  }

  AssignmentText ForKeyA(const KeyAssignment& record) const {
    return DescribeKeyAssignment(0x01E, record, texts, macros);
  }

  LanguageTable texts;
  MacroNameLookup macros = [](std::uint16_t id) -> std::u16string {
    switch (id) {
      case 1: return u"Macro1";
      case 2: return u"Macro2";
      default: return u"";
    }
  };
};

TEST_F(AssignmentTextTest, NamesTheTargetOfEachType) {
  struct Case {
    KeyAssignment record;
    std::u16string text;
  };
  const Case cases[] = {
      {Record(AssignmentType::Key, 0x030), u"AKeys, Set: Key(B)"},
      {Record(AssignmentType::Key, 0x17F), u"AKeys, Set: Key(Unknown Key: 17f)"},
      {Record(AssignmentType::Key, 0), u"AKeys, Set: Key(Unknown Key: 000)"},
      // A value beyond 16 bits is no key code, not the key its low bits would name.
      {Record(AssignmentType::Key, 0x10030), u"AKeys, Set: Key(Unknown Key: 10030)"},
      {Record(AssignmentType::PlayMacro, 2, 3), u"AKeys, Set: Macro(Macro2)"},
      {Record(AssignmentType::PlayMacro, 0x10001), u"AKeys, Set: Macro(Macro1)"},  // low 16 bits
      {Record(AssignmentType::PlayMacro, 7), u"AKeys, Set: Macro()"},
      {Record(AssignmentType::Media, 0), u"AKeys, Set: Media(Player)"},
      {Record(AssignmentType::Media, 17), u"AKeys, Set: Media(Mail)"},
      {Record(AssignmentType::Function, 0), u"AKeys, Set: Function(Open)"},
      {Record(AssignmentType::Function, 10), u"AKeys, Set: Function(Zoom+)"},
      // Out-of-range indices read from a file name nothing.
      {Record(AssignmentType::Media, 18), u"AKeys, Set: Media()"},
      {Record(AssignmentType::Media, 0xFFFFFFFF), u"AKeys, Set: Media()"},
      {Record(AssignmentType::Function, 11), u"AKeys, Set: Function()"},
      {Record(AssignmentType::Function, 0x80000000), u"AKeys, Set: Function()"},
  };
  for (const auto& c : cases) {
    const AssignmentText shown = ForKeyA(c.record);
    EXPECT_EQ(shown.text, c.text);
    EXPECT_TRUE(shown.assigned);
  }
}

TEST_F(AssignmentTextTest, TypesWithoutATargetEndWithTheSetPrompt) {
  for (std::uint16_t type : {1, 3, 5, 6, 9, 0xFFFF}) {
    const AssignmentText shown = ForKeyA(RecordOfType(type, 0x030));
    EXPECT_EQ(shown.text, u"AKeys, Set: ") << type;
    EXPECT_TRUE(shown.assigned) << type;
  }
}

TEST_F(AssignmentTextTest, DefaultShowsTheNameAloneWhateverAuxHolds) {
  for (std::uint16_t aux : {0, 0x301, 0x1309, 0xFFFF}) {
    const KeyAssignment record = Record(AssignmentType::Default, 0x030, aux);
    EXPECT_FALSE(IsAssigned(record)) << aux;
    EXPECT_EQ(ForKeyA(record).text, u"A") << aux;
    EXPECT_FALSE(ForKeyA(record).assigned) << aux;
    EXPECT_EQ(DescribeGKeyAssignment(0, record, texts, macros).text, u"G1") << aux;
  }
}

TEST_F(AssignmentTextTest, GKeysAreNamedAlikeOnBothLayers) {
  for (std::uint16_t aux : {GKeyCode(2, false), GKeyCode(2, true)}) {
    const AssignmentText shown = DescribeGKeyAssignment(2, Record(AssignmentType::PlayMacro, 2, aux), texts, macros);
    EXPECT_EQ(shown.text, u"G3Keys, Set: Macro(Macro2)");
    EXPECT_TRUE(shown.assigned);
  }
  EXPECT_EQ(DescribeGKeyAssignment(8, Record(AssignmentType::Key, 0x030), texts, macros).text,
            u"G9Keys, Set: Key(B)");
}

TEST_F(AssignmentTextTest, MacroNamesComeOnlyFromTheLookupAndOnlyForMacros) {
  int calls = 0;
  const MacroNameLookup counting = [&calls](std::uint16_t) {
    ++calls;
    return std::u16string(u"M");
  };
  for (std::uint16_t type : {0, 1, 2, 3, 5, 6, 7, 8}) DescribeKeyAssignment(0x01E, RecordOfType(type), texts, counting);
  EXPECT_EQ(calls, 0);
  EXPECT_EQ(DescribeKeyAssignment(0x01E, Record(AssignmentType::PlayMacro, 1), texts, counting).text,
            u"AKeys, Set: Macro(M)");
  EXPECT_EQ(calls, 1);
  // No macro table to look in.
  EXPECT_EQ(DescribeKeyAssignment(0x01E, Record(AssignmentType::PlayMacro, 1), texts, MacroNameLookup{}).text,
            u"AKeys, Set: Macro()");
}

TEST_F(AssignmentTextTest, PromptsComeFromTheLanguageWithNoSeparatorAdded) {
  texts.SetText(TextId::KEY_PROMPT_SET, u" \u2192 ");
  texts.SetText(TextId::KEY_PROMPT_SINGLE, u"[");
  EXPECT_EQ(ForKeyA(Record(AssignmentType::Key, 0x030)).text, u"A \u2192 [B)");
  EXPECT_EQ(ForKeyA(RecordOfType(1)).text, u"A \u2192 ");
}

TEST_F(AssignmentTextTest, LongTextsAreCutTo259Units) {
  macros = [](std::uint16_t) { return std::u16string(400, u'm'); };
  const AssignmentText shown = ForKeyA(Record(AssignmentType::PlayMacro, 1));
  ASSERT_EQ(shown.text.size(), 259u);
  EXPECT_EQ(shown.text.substr(0, 19), u"AKeys, Set: Macro(m");
  EXPECT_EQ(shown.text.back(), u'm');
  EXPECT_TRUE(shown.assigned);
}

}  // namespace
