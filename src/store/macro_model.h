// The macro table of the working store: lookups by ID and position, new records and names, the
// check before a macro is deleted, the editor's commit, and the recorder that turns keystrokes
// into actions.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/language.h"
#include "keys/key_assignment.h"
#include "keys/key_codes.h"
#include "store/config_store.h"
#include "store/macro_record.h"
#include "store/prompter.h"

namespace mv::store {

// Position of the first macro with that ID; 0 when none has it (the same as the first macro).
int FindMacroPosition(const ConfigStore& working, std::uint32_t macroId);
// ID of the macro at a position; 0 outside the table.
std::uint16_t MacroIdAtPosition(const ConfigStore& working, int position);
// Name of the first macro with that ID; empty when none has it.
std::u16string MacroNameOf(const ConfigStore& store, std::uint16_t macroId);
// MacroNameOf as the assignment descriptions take it; the store must outlive the lookup.
keys::MacroNameLookup MacroNameLookupOf(const ConfigStore& store);

// A zero-filled record with the name, cycles 1, isNew 1 and the lowest free ID from 1 to 100.
// Nothing when every ID is taken or memory is short.
std::optional<MacroRecord> NewMacroRecord(std::u16string_view name, std::span<const std::uint16_t> idsInUse);

// "Macro" + (counter + 1), skipping numbers whose name begins an existing one (ignoring case); the
// counter advances past the number used. waitBetweenTries is called before each retry.
std::u16string NewMacroName(int& counter, std::span<const std::u16string> namesInUse, const LanguageTable& texts,
                            const std::function<void()>& waitBetweenTries);
// "Macro" + (position + 1), for macros read back without a name.
std::u16string DefaultMacroName(int position, const LanguageTable& texts);

// Whether some key of any profile block plays this committed macro (a new macro is never in use).
bool MacroInUse(const ConfigStore& working, const MacroRecord& record);
// Before the editor deletes a macro: true when it may go; a macro in use asks the user first
// (No is the default).
bool ConfirmMacroDelete(const ConfigStore& working, const MacroRecord& record, Prompter& prompter,
                        const LanguageTable& texts);

// What CommitMacroTable tells the main window.
class MacroCommitListener {
 public:
  virtual ~MacroCommitListener() = default;
  // A key that played a deleted or not yet committed macro was set back to its default.
  virtual void ClearKeyButton(int recordNumber) = 0;
  // Something changed that the next Apply must download.
  virtual void EnableApply() = 0;
};

// The editor's Apply: re-points or resets the macro keys of every block, clears isNew and installs
// the records as the working table. 1, or 0 when memory is short (nothing is then changed) or the
// table is longer than 100.
[[nodiscard]] int CommitMacroTable(ConfigStore& working, std::span<const MacroRecord> records,
                                   MacroCommitListener& listener);

// Recording: one keyboard event as the editor's hook sees it.
struct RecordedEvent {
  std::uint32_t vk = 0;
  std::uint32_t keystrokeFlags = 0;  // bits 16-23 scan code, bit 24 extended
  bool keyUp = false;
  bool repeat = false;   // a key-down of a key that was already down
  std::uint32_t tickMs = 0;
};

enum class RecordOutcome {
  PassOn,     // not for the recorder: let the event reach other windows
  Swallowed,  // eaten, whether or not an action was added
};

// Appends the actions of events to one record. delayMs of an action is the wait after it, so each
// interval lands on the action before the new one and the last action keeps 0.
class MacroRecorder {
 public:
  static constexpr std::uint32_t kFixedDelayMs = 50;
  static constexpr std::uint32_t kReleaseOnlyPressMs = 2;

  // recordDelays: the record-delay option; off uses 50 ms for every wait.
  MacroRecorder(MacroRecord& record, bool recordDelays, std::uint32_t startTickMs);

  RecordOutcome OnEvent(const RecordedEvent& event);
  // The same with the key code already known (0 is passed on).
  RecordOutcome OnKey(keys::KeyCode code, bool keyUp, bool repeat, std::uint32_t tickMs);

 private:
  void Add(keys::KeyCode code, std::uint16_t state, std::uint32_t intervalMs);

  MacroRecord& record_;
  bool recordDelays_;
  std::uint32_t lastTickMs_;
};

// The record-delay option of the application settings: the value, normalised to 0/1 and written
// back when it was anything else.
using SettingReader = std::function<std::u16string(std::u16string_view key, std::u16string_view defaultValue)>;
using SettingWriter = std::function<bool(std::u16string_view key, std::u16string_view value)>;
bool ReadRecordDelayOption(const LanguageTable& texts, const SettingReader& read, const SettingWriter& write);
bool WriteRecordDelayOption(const LanguageTable& texts, bool on, const SettingWriter& write);
// The same on the per-user settings of the platform (section "PROFILES").
bool ReadRecordDelayOption(const LanguageTable& texts);
bool WriteRecordDelayOption(const LanguageTable& texts, bool on);

}  // namespace mv::store
