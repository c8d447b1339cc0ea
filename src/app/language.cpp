// Loading the language table from "Skins\language.ini".
#include "app/language.h"

#include "platform/ini.h"

namespace mv {

namespace {

constexpr TextInfo kInfo[] = {
#define MV_TEXT_INFO(id, text, capacity) {u## #id, text, capacity},
    MV_LANGUAGE_TEXTS(MV_TEXT_INFO)
#undef MV_TEXT_INFO
};
static_assert(std::size(kInfo) == kTextCount);

}  // namespace

const TextInfo& InfoOf(TextId id) { return kInfo[static_cast<std::size_t>(id)]; }

bool IsEnglish(const std::u16string& languageFile) {
  return platform::ReadIniString(languageFile, kLanguageSwitchSection, kLanguageSwitchKey, u"") == u"1";
}

std::u16string_view ChosenSection(const std::u16string& languageFile) {
  return IsEnglish(languageFile) ? kEnglishSection : kChineseSection;
}

std::u16string ReadLanguageValue(const std::u16string& languageFile, std::u16string_view section,
                                 std::u16string_view key) {
  return platform::ReadIniString(languageFile, section, key, kMissingText);
}

LanguageTable::LanguageTable() {
  for (std::size_t i = 0; i < kTextCount; ++i) SetText(static_cast<TextId>(i), kInfo[i].builtIn);
}

void LanguageTable::LoadLanguageTexts(const std::u16string& languageFile) {
  const std::u16string_view section = ChosenSection(languageFile);
  for (std::size_t i = 0; i < kTextCount; ++i) {
    SetText(static_cast<TextId>(i), ReadLanguageValue(languageFile, section, kInfo[i].id));
  }
}

void LanguageTable::SetText(TextId id, std::u16string_view text) {
  const std::size_t i = static_cast<std::size_t>(id);
  texts_[i].assign(text.substr(0, kInfo[i].capacity - 1));
}

}  // namespace mv
