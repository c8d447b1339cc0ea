// The profile file: one whole configuration store (main block, macro records, packed texts) as the
// program keeps it in the per-user folder and as it is exported and imported (".mvn"). Saving
// replaces the file atomically, so a failure leaves the previous file whole.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>

#include "app/language.h"
#include "store/config_store.h"
#include "store/prompter.h"

namespace mv::profiles {

inline constexpr std::u16string_view kProfileExtension = u"mvn";

// Where the per-user folder is; tests point it elsewhere. onFolderCreated runs when the folder had
// to be created (the user colour files are seeded there).
struct ProfileLocation {
  std::u16string documentsFolder;
  std::function<void(const std::u16string& folder)> onFolderCreated;
};
// The user's documents folder of the platform.
ProfileLocation DefaultProfileLocation();

// "<documents>/Tamro/$Profile0" for every index (one file holds all profile blocks); creates the
// folder when it is missing.
// A save cut short (the program ended between writing the new file and putting it in place)
// leaves its temporary file beside the profile file, which is itself whole: removed at start.
void RemoveInterruptedSave(const ProfileLocation& location);

std::u16string ProfileFilePath(int index, const ProfileLocation& location);

// Validation results.
inline constexpr int kProfileValid = 1;
inline constexpr int kProfileInvalid = 0;
inline constexpr int kProfileCannotOpen = -2;
inline constexpr int kProfileNoMemory = -3;

// Why a file is or is not a profile file, without any message.
enum class ProfileCheck { Valid, TooSmall, TooLarge, Malformed, Truncated };
ProfileCheck CheckProfileBytes(std::span<const std::uint8_t> file);

// 1 well-formed; 0 missing, too small or too large (no message) or malformed (format message
// with the path); -2 cannot be opened; -3 memory short. A file shorter than its header's total
// size is malformed: it could not be loaded.
[[nodiscard]] int ValidateProfileFile(const std::u16string& path, store::Prompter& prompter, const LanguageTable& texts);

// Fills the (emptied) working store from a file; the caller holds the working lock. Refuses a
// file that is not well-formed or shorter than its sections: the store is then left empty.
// 1 on success, 0 otherwise.
[[nodiscard]] int LoadProfileFile(store::ConfigStore& working, const std::u16string& path);
[[nodiscard]] int LoadProfileBytes(store::ConfigStore& working, std::span<const std::uint8_t> file);

// One default main block, no macros, no texts. 1, or 0 when it cannot be written.
[[nodiscard]] int WriteDefaultProfileFile(const std::u16string& path);
// Writes the working store (its header and text offsets are brought up to date). takeLock: take
// the working lock here, else the caller holds it. 1, or 0 (the previous file is then untouched).
[[nodiscard]] int SaveProfileAs(store::ConfigStore& working, bool takeLock, const std::u16string& path);
// The same into the profile file, only when it exists already.
[[nodiscard]] int SaveCurrentProfile(store::ConfigStore& working, bool takeLock, const ProfileLocation& location);

}  // namespace mv::profiles
