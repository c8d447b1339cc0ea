// Macro table lookups, IDs and names, the delete check, the editor's commit and the recorder.
#include <gtest/gtest.h>

#include <map>

#include "fakes.h"
#include "store/macro_model.h"

namespace mv::store {
namespace {

using keys::AssignmentType;
using testing::Assignment;
using testing::Macro;

TEST(MacroLookup, PositionOfMissingIdIsZeroAndIdOutsideTableIsZero) {
  ConfigStore working;
  EXPECT_EQ(FindMacroPosition(working, 7), 0);
  working.macros = {Macro(4, u"a"), Macro(7, u"b"), Macro(7, u"c")};
  EXPECT_EQ(FindMacroPosition(working, 7), 1);
  EXPECT_EQ(FindMacroPosition(working, 9), 0);
  EXPECT_EQ(MacroIdAtPosition(working, 2), 7);
  EXPECT_EQ(MacroIdAtPosition(working, 3), 0);
  EXPECT_EQ(MacroIdAtPosition(working, -1), 0);
}

TEST(MacroLookup, NameOfAnIdIsTheFirstMacroWithItAndEmptyWithoutOne) {
  ConfigStore working;
  working.macros = {Macro(4, u"a"), Macro(7, u"b"), Macro(7, u"c")};
  const keys::MacroNameLookup lookup = MacroNameLookupOf(working);
  const struct {
    std::uint16_t id;
    std::u16string name;
  } cases[] = {{4, u"a"}, {7, u"b"}, {9, u""}, {0, u""}};
  for (const auto& c : cases) {
    EXPECT_EQ(MacroNameOf(working, c.id), c.name) << c.id;
    EXPECT_EQ(lookup(c.id), c.name) << c.id;
  }
  working.macros.push_back(Macro(9, u"d"));  // the lookup reads the store as it is now
  EXPECT_EQ(lookup(9), u"d");
}

TEST(NewMacro, TakesLowestFreeIdAndRefusesWhenAllAreTaken) {
  const std::uint16_t used[] = {1, 2, 4};
  const auto record = NewMacroRecord(u"Macro3", used);
  ASSERT_TRUE(record);
  EXPECT_EQ(record->MacroId(), 3);
  EXPECT_EQ(record->Cycles(), 1);
  EXPECT_EQ(record->IsNew(), 1);
  EXPECT_EQ(record->PlayMode(), 0);
  EXPECT_EQ(record->ActionCount(), 0);
  EXPECT_EQ(record->Name(), u"Macro3");

  std::vector<std::uint16_t> all;
  for (std::uint16_t id = 1; id <= 100; ++id) all.push_back(id);
  EXPECT_FALSE(NewMacroRecord(u"x", all));
}

TEST(NewMacro, NameSkipsNumbersThatBeginAnExistingNameAndWaitsBetweenTries) {
  LanguageTable texts;
  int counter = 0;
  int waits = 0;
  const std::vector<std::u16string> names = {u"MACRO1", u"macro20"};
  EXPECT_EQ(NewMacroName(counter, names, texts, [&] { ++waits; }), u"Macro3");  // "Macro2" begins "macro20"
  EXPECT_EQ(waits, 2);
  EXPECT_EQ(counter, 3);
  EXPECT_EQ(NewMacroName(counter, {}, texts, {}), u"Macro1");  // an empty list restarts the counter
  EXPECT_EQ(DefaultMacroName(4, texts), u"Macro5");
}

TEST(NewMacro, NameIsCutToTheField) {
  MacroRecord r;
  r.SetName(std::u16string(300, u'x'));
  EXPECT_EQ(r.Name().size(), 249u);
}

class MacroTableTest : public ::testing::Test {
 protected:
  void SetUp() override { testing::StartWorkingStore(working); }
  void SetKey(int record, std::uint32_t macroId) {
    working.mainBlock->SetRecord(record, Assignment(AssignmentType::PlayMacro, macroId));
  }
  ConfigStore working;
  LanguageTable texts;
  testing::RecordingPrompter prompter;
  testing::RecordingListener listener;
};

TEST_F(MacroTableTest, DeletingAMacroUsedOnlyInProfileTwoAsksWithNoAsDefault) {
  working.macros = {Macro(5, u"m")};
  SetKey(2 * 512 + 0x1E, 5);
  prompter.answer = false;
  EXPECT_FALSE(ConfirmMacroDelete(working, working.macros[0], prompter, texts));
  ASSERT_EQ(prompter.asked.size(), 1u);
  EXPECT_EQ(prompter.asked[0], texts.Text(TextId::MACRO_DELETE_CONFIRM_OF_KEYS));
  EXPECT_TRUE(prompter.lastDefaultNo);
  prompter.answer = true;
  EXPECT_TRUE(ConfirmMacroDelete(working, working.macros[0], prompter, texts));
}

TEST_F(MacroTableTest, NewOrUnusedMacroIsDeletedWithoutAsking) {
  SetKey(0x1E, 5);
  EXPECT_TRUE(ConfirmMacroDelete(working, Macro(5, u"m", {}, /*isNew=*/true), prompter, texts));
  EXPECT_TRUE(ConfirmMacroDelete(working, Macro(6, u"m"), prompter, texts));
  EXPECT_TRUE(prompter.asked.empty());
}

TEST_F(MacroTableTest, CommitRepointsAndResetsMacroKeys) {
  working.macros = {Macro(1, u"one"), Macro(2, u"two")};
  SetKey(0x10, 0);            // unbound: takes the first macro
  SetKey(512 + 0x11, 1);      // still there: untouched
  SetKey(1024 + 0x12, 2);     // ID 2 deleted, then given to a new macro: reset
  SetKey(1536 + 0x13, 9);     // never existed: reset
  const std::vector<MacroRecord> edited = {Macro(3, u"three"), Macro(1, u"one"), Macro(2, u"new", {}, true)};
  ASSERT_EQ(CommitMacroTable(working, edited, listener), 1);

  EXPECT_EQ(working.mainBlock->Record(0x10).value, 3u);
  EXPECT_EQ(working.mainBlock->Record(0x10).type, 4);
  EXPECT_EQ(working.mainBlock->Record(512 + 0x11).type, 4);
  EXPECT_EQ(working.mainBlock->Record(1024 + 0x12).type, 0);
  EXPECT_EQ(working.mainBlock->Record(1536 + 0x13).type, 0);
  EXPECT_EQ(listener.cleared, (std::vector<int>{1024 + 0x12, 1536 + 0x13}));
  EXPECT_EQ(listener.applyEnabled, 3);
  ASSERT_EQ(working.MacroCount(), 3);
  for (const auto& m : working.macros) EXPECT_EQ(m.IsNew(), 0);
  EXPECT_EQ(working.macros[0].MacroId(), 3);
}

TEST_F(MacroTableTest, CommitOfAnEmptyListLeavesUnboundKeysAlone) {
  SetKey(0x10, 0);
  ASSERT_EQ(CommitMacroTable(working, {}, listener), 1);
  EXPECT_EQ(working.mainBlock->Record(0x10).type, 4);
  EXPECT_EQ(listener.applyEnabled, 0);
}

TEST_F(MacroTableTest, CommitRefusesMoreThanAHundredMacros) {
  working.macros = {Macro(1, u"one")};
  std::vector<MacroRecord> many(101);
  EXPECT_EQ(CommitMacroTable(working, many, listener), 0);
  EXPECT_EQ(working.MacroCount(), 1);
}

// --- recorder --------------------------------------------------------------------------------
constexpr keys::KeyCode kA = 0x1E;
constexpr keys::KeyCode kPrintScreen = 0x137;

std::vector<MacroAction> Actions(const MacroRecord& r) {
  std::vector<MacroAction> out;
  for (int i = 0; i < r.ActionCount(); ++i) out.push_back(r.Action(i));
  return out;
}

TEST(MacroRecorder, IntervalGoesToTheActionBeforeAndTheLastKeepsZero) {
  struct Case {
    bool recordDelays;
    std::uint32_t firstDelay;
  } cases[] = {{true, 120}, {false, 50}};
  for (const auto& c : cases) {
    MacroRecord record;
    MacroRecorder recorder(record, c.recordDelays, 1000);
    EXPECT_EQ(recorder.OnKey(kA, false, false, 1300), RecordOutcome::Swallowed);
    EXPECT_EQ(recorder.OnKey(kA, true, false, 1420), RecordOutcome::Swallowed);
    EXPECT_EQ(Actions(record), (std::vector<MacroAction>{{c.firstDelay, kA, 0}, {0, kA, 1}})) << c.recordDelays;
  }
}

TEST(MacroRecorder, ReleaseOnlyKeyGetsAPressHeldTwoMilliseconds) {
  MacroRecord record;
  MacroRecorder recorder(record, true, 0);
  recorder.OnKey(kA, true, false, 30);
  recorder.OnKey(kPrintScreen, true, false, 100);
  EXPECT_EQ(Actions(record),
            (std::vector<MacroAction>{{70, kA, 1}, {2, kPrintScreen, 0}, {0, kPrintScreen, 1}}));
}

TEST(MacroRecorder, PassesOnUnknownKeysAndSwallowsRepeats) {
  MacroRecord record;
  MacroRecorder recorder(record, true, 0);
  EXPECT_EQ(recorder.OnKey(0, false, false, 10), RecordOutcome::PassOn);
  recorder.OnKey(kA, false, false, 20);
  EXPECT_EQ(recorder.OnKey(kA, false, true, 40), RecordOutcome::Swallowed);
  recorder.OnKey(kA, true, false, 60);
  EXPECT_EQ(Actions(record), (std::vector<MacroAction>{{40, kA, 0}, {0, kA, 1}}));
}

TEST(MacroRecorder, KeystrokeWordsGoThroughTheKeyTable) {
  MacroRecord record;
  MacroRecorder recorder(record, false, 0);
  // Ctrl with the extended bit is the right Ctrl key.
  recorder.OnEvent({0x11, (0x1Du << 16) | (1u << 24), false, false, 5});
  ASSERT_EQ(record.ActionCount(), 1);
  EXPECT_EQ(record.Action(0).keyCode, 0x11D);
}

TEST(MacroRecorder, StopsAtTwoThousandActionsWithoutSplittingAPair) {
  MacroRecord record;
  MacroRecorder recorder(record, false, 0);
  for (int i = 0; i < 1999; ++i) recorder.OnKey(kA, i % 2 == 1, false, i);
  EXPECT_EQ(recorder.OnKey(kPrintScreen, true, false, 3000), RecordOutcome::Swallowed);
  EXPECT_EQ(record.ActionCount(), 1999);  // the pair would not fit
  recorder.OnKey(kA, true, false, 3001);
  recorder.OnKey(kA, false, false, 3002);
  EXPECT_EQ(record.ActionCount(), 2000);
  EXPECT_EQ(record.Action(1999).delayMs, 0u);
}

TEST(RecordDelayOption, OnlyZeroAndOneCountAndTheValueIsWrittenBack) {
  LanguageTable texts;
  const std::pair<std::u16string, bool> cases[] = {{u"1", true}, {u"0", false}, {u"2", false}, {u"yes", false}};
  for (const auto& [stored, expected] : cases) {
    std::map<std::u16string, std::u16string> settings{{u"RecordDelay", stored}};
    auto read = [&](std::u16string_view key, std::u16string_view def) {
      auto it = settings.find(std::u16string(key));
      return it == settings.end() ? std::u16string(def) : it->second;
    };
    auto write = [&](std::u16string_view key, std::u16string_view value) {
      settings[std::u16string(key)] = std::u16string(value);
      return true;
    };
    EXPECT_EQ(ReadRecordDelayOption(texts, read, write), expected);
    EXPECT_EQ(settings[u"RecordDelay"], expected ? u"1" : u"0");
  }
}

}  // namespace
}  // namespace mv::store
