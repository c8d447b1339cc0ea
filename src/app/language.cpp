// Loading the language table from "Skins\language.ini".
#include "app/language.h"

#include "app/text_format.h"
#include "platform/ini.h"

namespace mv {

namespace {

constexpr TextInfo kInfo[] = {
#define MV_TEXT_INFO(id, text, capacity) {u## #id, text, capacity},
    MV_LANGUAGE_TEXTS(MV_TEXT_INFO)
#undef MV_TEXT_INFO
};
static_assert(std::size(kInfo) == kTextCount);

// Read as the default so that a miss is told apart from a value: the OS drops trailing blanks
// from a default, and " " must survive that.
constexpr std::u16string_view kMissSentinel = u"\u0001mv-missing\u0001";


}  // namespace

std::u16string DecodeLineBreaks(std::u16string_view value) {
  std::u16string out;
  out.reserve(value.size());
  for (std::size_t i = 0; i < value.size(); ++i) {
    if (value[i] == u'\\' && i + 1 < value.size() && (value[i + 1] == u'n' || value[i + 1] == u'r')) {
      out.push_back(value[i + 1] == u'n' ? u'\n' : u'\r');
      ++i;
    } else {
      out.push_back(value[i]);
    }
  }
  return out;
}

const TextInfo& InfoOf(TextId id) { return kInfo[static_cast<std::size_t>(id)]; }

bool IsEnglish(const std::u16string& languageFile) {
  return platform::ReadIniString(languageFile, kLanguageSwitchSection, kLanguageSwitchKey, u"") == u"1";
}

std::u16string_view ChosenSection(const std::u16string& languageFile) {
  return IsEnglish(languageFile) ? kEnglishSection : kChineseSection;
}

std::u16string ReadLanguageValue(const std::u16string& languageFile, std::u16string_view section,
                                 std::u16string_view key) {
  std::u16string value = platform::ReadIniString(languageFile, section, key, kMissSentinel);
  if (value == kMissSentinel) return std::u16string(kMissingText);
  return DecodeLineBreaks(value);
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
  texts_[i].assign(CutToUnits(text, kInfo[i].capacity - 1));
}

}  // namespace mv
