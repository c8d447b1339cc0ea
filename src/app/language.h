// The language table: every user-interface text that follows the language switch of
// "Skins\language.ini", loaded once at start from the chosen section.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "app/language_texts.h"

namespace mv {

enum class TextId : int {
#define MV_TEXT_ID(id, text, capacity) id,
  MV_LANGUAGE_TEXTS(MV_TEXT_ID)
#undef MV_TEXT_ID
};

inline constexpr std::size_t kTextCount = 0
#define MV_TEXT_COUNT(id, text, capacity) +1
    MV_LANGUAGE_TEXTS(MV_TEXT_COUNT)
#undef MV_TEXT_COUNT
    ;

// The language file's name in the skins folder.
inline constexpr std::u16string_view kLanguageFileName = u"language.ini";

// Section names of the language file, exactly as the file spells them.
inline constexpr std::u16string_view kLanguageSwitchSection = u"LANGUAGE";
inline constexpr std::u16string_view kLanguageSwitchKey = u"language";
inline constexpr std::u16string_view kEnglishSection = u"ENGINSH";
inline constexpr std::u16string_view kChineseSection = u"CHINESE";

// What a missing ID reads as: one space, not the built-in text.
inline constexpr std::u16string_view kMissingText = u" ";

struct TextInfo {
  std::u16string_view id;       // the key in the language file
  std::u16string_view builtIn;  // the text before the file is loaded
  std::size_t capacity;         // slot size in UTF-16 units, terminator included
};

// Static facts about one ID.
const TextInfo& InfoOf(TextId id);

// true when the switch of the language file selects English ("1"); anything else is Chinese.
bool IsEnglish(const std::u16string& languageFile);
// "ENGINSH" or "CHINESE", as the switch of the file says.
std::u16string_view ChosenSection(const std::u16string& languageFile);

// An INI value cannot hold a line break, so the language file writes them as the two characters
// "\n" (and "\r"); they become real line breaks here. Any other backslash stays as it is.
std::u16string DecodeLineBreaks(std::u16string_view value);

// One read of a window's own text, with the default " ", line breaks decoded.
std::u16string ReadLanguageValue(const std::u16string& languageFile, std::u16string_view section,
                                 std::u16string_view key);

class LanguageTable {
 public:
  // Every text starts as its built-in text.
  LanguageTable();

  // Fills every text from the chosen section of the file, in loading order.
  void LoadLanguageTexts(const std::u16string& languageFile);

  std::u16string_view Text(TextId id) const { return texts_[static_cast<std::size_t>(id)]; }
  // Stores a text as loading would: cut to the slot's capacity - 1 units.
  void SetText(TextId id, std::u16string_view text);

 private:
  std::array<std::u16string, kTextCount> texts_;
};

}  // namespace mv
