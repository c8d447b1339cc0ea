// Small fakes and builders shared by the store tests.
#pragma once

#include <string>
#include <vector>

#include "keys/key_assignment.h"
#include "store/config_store.h"
#include "store/macro_model.h"
#include "store/prompter.h"

namespace mv::store::testing {

class RecordingPrompter final : public Prompter {
 public:
  void Tell(std::u16string_view text) override { told.emplace_back(text); }
  bool AskYesNo(std::u16string_view text, bool defaultNo) override {
    asked.emplace_back(text);
    lastDefaultNo = defaultNo;
    return answer;
  }
  std::vector<std::u16string> told;
  std::vector<std::u16string> asked;
  bool answer = false;
  bool lastDefaultNo = false;
};

class RecordingListener final : public MacroCommitListener {
 public:
  void ClearKeyButton(int recordNumber) override { cleared.push_back(recordNumber); }
  void EnableApply() override { ++applyEnabled; }
  std::vector<int> cleared;
  int applyEnabled = 0;
};

inline keys::KeyAssignment Assignment(keys::AssignmentType type, std::uint32_t value = 0) {
  keys::KeyAssignment r;
  r.type = static_cast<std::uint16_t>(type);
  r.value = value;
  return r;
}

inline MacroRecord Macro(std::uint16_t id, std::u16string_view name, std::vector<MacroAction> actions = {},
                         bool isNew = false) {
  MacroRecord r;
  r.SetName(name);
  r.SetMacroId(id);
  r.SetCycles(1);
  r.SetIsNew(isNew ? 1 : 0);
  for (const auto& a : actions) r.AppendAction(a);
  return r;
}

// A working store as the main window starts it: empty slots and a default main block.
inline void StartWorkingStore(ConfigStore& working) {
  ASSERT_EQ(working.AllocateSlots(), 1);
  working.mainBlock = CreateDefaultMainBlock();
  ASSERT_TRUE(working.mainBlock);
}

}  // namespace mv::store::testing
