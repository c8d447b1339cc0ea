// The keyboard panel's table and the editor request a click makes; the record a cleared key keeps.
#include "keys/panel_keys.h"

#include <gtest/gtest.h>

#include <set>

namespace mv::keys {
namespace {

TEST(EditorRequest, RecordsOfTheKeysOnBothLayersAndNothingForOtherControls) {
  struct Case {
    int control;
    bool fn;
    int record;
    bool macroOnly;
  } cases[] = {
      {1000, false, 256, false},  // G1
      {1000, true, 265, false},
      {1004, false, 260, false},  // G5
      {1143, false, 264, true},   // G9: the macro-edit button's way in
      {1143, true, 273, true},
      {1058, false, 0x1E, false},  // A, the first panel key
      {1058, true, 0x1E, false},   // panel keys have no Fn layer
      {1084, false, 0xDB, false},  // Win: an extended code folded onto its record
      {1111, false, KeyIndexOf(0x04E), false},  // Num +, the last panel key
      {1016, false, -1, false},  // D1
      {kMacroEditButton, false, -1, false},
      {0, false, -1, false},
  };
  for (const Case& c : cases) {
    const EditorRequest r = MakeEditorRequest(c.control, c.fn);
    EXPECT_EQ(r.record, c.record) << c.control << (c.fn ? " fn" : "");
    EXPECT_EQ(r.controlId, c.control);
    EXPECT_EQ(r.macroOnly, c.macroOnly) << c.control;
  }
}

TEST(PanelKeys, EveryControlAndRecordBelongsToOneKey) {
  std::set<int> controls(kGKeyControls.begin(), kGKeyControls.end());
  std::set<int> records;
  for (std::size_t i = 0; i < kPanelKeys.size(); ++i) {
    const PanelKey& k = kPanelKeys[i];
    EXPECT_TRUE(controls.insert(k.controlId).second) << k.controlId;
    const int record = KeyIndexOf(k.keyCode);
    EXPECT_GT(record, 0) << std::hex << k.keyCode;
    EXPECT_LT(record, kFirstGKeyRecord) << std::hex << k.keyCode;
    EXPECT_TRUE(records.insert(record).second) << std::hex << k.keyCode;
    EXPECT_EQ(PanelPositionOfControl(k.controlId), static_cast<int>(i));
    EXPECT_EQ(GKeyOfControl(k.controlId), -1);
  }
  for (int g = 0; g < kGKeyCount; ++g) {
    EXPECT_EQ(GKeyOfControl(kGKeyControls[static_cast<std::size_t>(g)]), g);
    EXPECT_EQ(GKeyRecord(g, false), 256 + g);
    EXPECT_EQ(GKeyRecord(g, true), 265 + g);
  }
  EXPECT_FALSE(controls.count(kMacroEditButton));
}

TEST(ClearedRecord, AGKeyKeepsItsCodeAndEveryOtherKeyIsEmpty) {
  struct Case {
    int record;
    std::uint16_t aux;
  } cases[] = {
      {0x1E, 0},
      {255, 0},
      {256, GKeyCode(0, false)},
      {264, GKeyCode(8, false)},
      {265, GKeyCode(0, true)},
      {273, GKeyCode(8, true)},
      {274, 0},
      {-1, 0},
  };
  for (const Case& c : cases) {
    KeyAssignment expected;
    expected.aux = c.aux;
    EXPECT_EQ(ClearedRecord(c.record), expected) << c.record;
    EXPECT_FALSE(IsAssigned(ClearedRecord(c.record)));
  }
  EXPECT_NE(GKeyCode(0, false), 0);  // the G-key rows above really carry a code
}

}  // namespace
}  // namespace mv::keys
