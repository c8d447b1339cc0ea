// Macro table operations of the working store and the keystroke recorder.
#include "store/macro_model.h"

#include <algorithm>
#include <new>

#include "platform/text.h"
#include "app/text_format.h"

namespace mv::store {

namespace {
constexpr std::uint16_t kPlayMacro = static_cast<std::uint16_t>(keys::AssignmentType::PlayMacro);

bool BeginsWithIgnoringCase(std::u16string_view text, std::u16string_view prefix) {
  return text.size() >= prefix.size() && EqualsIgnoreAsciiCase(text.substr(0, prefix.size()), prefix);
}

const MacroRecord* FirstWithId(std::span<const MacroRecord> records, std::uint32_t macroId) {
  for (const auto& r : records)
    if (r.MacroId() == macroId) return &r;
  return nullptr;
}
}  // namespace

int FindMacroPosition(const ConfigStore& working, std::uint32_t macroId) {
  auto guard = working.Lock();
  for (std::size_t i = 0; i < working.macros.size(); ++i)
    if (working.macros[i].MacroId() == macroId) return static_cast<int>(i);
  return 0;
}

std::uint16_t MacroIdAtPosition(const ConfigStore& working, int position) {
  auto guard = working.Lock();
  if (position < 0 || position >= static_cast<int>(working.macros.size())) return 0;
  return working.macros[position].MacroId();
}

std::u16string MacroNameOf(const ConfigStore& store, std::uint16_t macroId) {
  auto guard = store.Lock();
  const MacroRecord* record = FirstWithId(store.macros, macroId);
  return record ? record->Name() : std::u16string();
}

keys::MacroNameLookup MacroNameLookupOf(const ConfigStore& store) {
  return [&store](std::uint16_t macroId) { return MacroNameOf(store, macroId); };
}

std::optional<MacroRecord> NewMacroRecord(std::u16string_view name, std::span<const std::uint16_t> idsInUse) {
  for (std::uint16_t id = 1; id <= kMaxMacros; ++id) {
    if (std::find(idsInUse.begin(), idsInUse.end(), id) != idsInUse.end()) continue;
    MacroRecord record;
    record.SetName(name);
    record.SetCycles(1);
    record.SetIsNew(1);
    record.SetMacroId(id);
    return record;
  }
  return std::nullopt;
}

std::u16string NewMacroName(int& counter, std::span<const std::u16string> namesInUse, const LanguageTable& texts,
                            const std::function<void()>& waitBetweenTries) {
  if (namesInUse.empty()) counter = 0;
  const std::u16string prefix(texts.Text(TextId::MACRO_NEW_PREFIX));
  for (;;) {
    std::u16string name = prefix + DecimalText(++counter);
    const bool taken = std::any_of(namesInUse.begin(), namesInUse.end(),
                                   [&](const std::u16string& used) { return BeginsWithIgnoringCase(used, name); });
    if (!taken) return name;
    if (waitBetweenTries) waitBetweenTries();
  }
}

std::u16string DefaultMacroName(int position, const LanguageTable& texts) {
  return std::u16string(texts.Text(TextId::MACRO_NEW_PREFIX)) + DecimalText(position + 1);
}

bool MacroInUse(const ConfigStore& working, const MacroRecord& record) {
  if (record.IsNew() == 1) return false;
  auto guard = working.Lock();
  if (!working.mainBlock) return false;
  for (int s = 0; s < kSlotCount; ++s) {
    const auto key = working.mainBlock->Record(s);
    if (key.type == kPlayMacro && key.value == record.MacroId()) return true;
  }
  return false;
}

bool ConfirmMacroDelete(const ConfigStore& working, const MacroRecord& record, Prompter& prompter,
                        const LanguageTable& texts) {
  if (!MacroInUse(working, record)) return true;
  return prompter.AskYesNo(texts.Text(TextId::MACRO_DELETE_CONFIRM_OF_KEYS), /*defaultNo=*/true);
}

namespace {
// Resets keys whose macro is gone or not yet committed, binds ID 0 to the first macro.
void RepointMacroKeys(MainBlock& block, std::span<const MacroRecord> records, MacroCommitListener& listener) {
  for (int s = 0; s < kSlotCount; ++s) {
    auto key = block.Record(s);
    if (key.type != kPlayMacro) continue;
    if (key.value != 0) {
      const MacroRecord* target = FirstWithId(records, key.value);
      if (target && target->IsNew() != 1) continue;
      key.type = 0;
      block.SetRecord(s, key);
      listener.ClearKeyButton(s);
      listener.EnableApply();
    } else if (!records.empty()) {
      key.value = records.front().MacroId();
      block.SetRecord(s, key);
      listener.EnableApply();
    }
  }
}
}  // namespace

int CommitMacroTable(ConfigStore& working, std::span<const MacroRecord> records, MacroCommitListener& listener) {
  if (records.size() > static_cast<std::size_t>(kMaxMacros)) return 0;
  std::vector<MacroRecord> table;
  try {
    table.assign(records.begin(), records.end());
  } catch (const std::bad_alloc&) {
    return 0;
  }
  auto guard = working.Lock();
  if (working.mainBlock) RepointMacroKeys(*working.mainBlock, records, listener);
  for (auto& record : table) record.SetIsNew(0);
  working.macros.swap(table);
  return 1;
}

MacroRecorder::MacroRecorder(MacroRecord& record, bool recordDelays, std::uint32_t startTickMs)
    : record_(record), recordDelays_(recordDelays), lastTickMs_(startTickMs) {}

RecordOutcome MacroRecorder::OnEvent(const RecordedEvent& event) {
  return OnKey(keys::KeyFromKeystroke(event.vk, event.keystrokeFlags), event.keyUp, event.repeat, event.tickMs);
}

RecordOutcome MacroRecorder::OnKey(keys::KeyCode code, bool keyUp, bool repeat, std::uint32_t tickMs) {
  if (code == 0) return RecordOutcome::PassOn;
  if (repeat && !keyUp) return RecordOutcome::Swallowed;
  const bool releaseOnly = keys::IsReleaseOnlyKey(code);
  // A release-only key is recorded as a press and its event together, or not at all: a press
  // without the event after it would leave the key down on the keyboard.
  const int needed = releaseOnly ? 2 : 1;
  if (record_.ActionCount() + needed > kMaxMacroActions) return RecordOutcome::Swallowed;
  const std::uint32_t interval = recordDelays_ ? tickMs - lastTickMs_ : kFixedDelayMs;
  lastTickMs_ = tickMs;
  const std::uint16_t state = keyUp ? MacroAction::kUp : MacroAction::kDown;
  if (releaseOnly) {
    Add(code, MacroAction::kDown, interval);
    Add(code, state, kReleaseOnlyPressMs);
  } else {
    Add(code, state, interval);
  }
  return RecordOutcome::Swallowed;
}

void MacroRecorder::Add(keys::KeyCode code, std::uint16_t state, std::uint32_t intervalMs) {
  MacroAction action{0, code, state};
  const int count = record_.ActionCount();
  if (count > 0) {
    MacroAction previous = record_.Action(count - 1);
    action.delayMs = previous.delayMs;
    previous.delayMs = intervalMs;
    record_.SetAction(count - 1, previous);
  }
  record_.AppendAction(action);
}

bool ReadRecordDelayOption(const LanguageTable& texts, const SettingReader& read, const SettingWriter& write) {
  const std::u16string_view key = texts.Text(TextId::MACRO_ACTION_RECORD_DELAY);
  const bool on = read(key, u"0") == u"1";
  (void)write(key, on ? u"1" : u"0");
  return on;
}

bool WriteRecordDelayOption(const LanguageTable& texts, bool on, const SettingWriter& write) {
  return write(texts.Text(TextId::MACRO_ACTION_RECORD_DELAY), on ? u"1" : u"0");
}

}  // namespace mv::store
