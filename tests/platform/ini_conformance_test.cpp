// One table of private-profile cases. Natively it checks our own INI implementation; built for
// Windows and run under Wine it checks the OS functions, so the two are held to the same answers.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/ini.h"
#include "platform/text.h"
#include "scratch_folder.h"

namespace {

using mv::test::ScratchFolder;
using mv::test::Utf16LeFile;

const std::string kUtf8Bom = "\xEF\xBB\xBF";

struct ReadCase {
  const char* what;
  std::optional<std::string> file;  // bytes of the file, or no file at all
  std::u16string section;
  std::u16string key;
  std::u16string defaultValue;
  std::u16string expected;
};

std::vector<ReadCase> ReadCases() {
  const std::string longValue(300, 'v');
  return {
      {"plain entry", "[Sec]\r\nkey=value\r\n", u"Sec", u"key", u"d", u"value"},
      {"names ignore ASCII case", "[ButtonInfo]\r\nKey_09d=1,2,3,4\r\n", u"BUTTONINFO", u"KEY_09D", u"d",
       u"1,2,3,4"},
      {"blanks around names and value", "  [Sec]  \r\n  key \t=  va lue \t \r\n", u"Sec", u"key", u"d",
       u"va lue"},
      {"query names are trimmed", "[Sec]\r\nkey=v\r\n", u" Sec ", u" key ", u"d", u"v"},
      {"first '=' splits", "[Sec]\r\nkey=a=b\r\n", u"Sec", u"key", u"d", u"a=b"},
      {"empty value is not a miss", "[Sec]\r\nkey=\r\n", u"Sec", u"key", u"d", u""},
      {"key without '=' reads as missing", "[Sec]\r\nkey\r\n", u"Sec", u"key", u"d", u"d"},
      {"missing file", std::nullopt, u"Sec", u"key", u"dflt", u"dflt"},
      {"missing section", "[Other]\r\nkey=v\r\n", u"Sec", u"key", u"dflt", u"dflt"},
      {"missing key", "[Sec]\r\nother=v\r\n", u"Sec", u"key", u"dflt", u"dflt"},
      {"key of another section", "[A]\r\nx=1\r\n[B]\r\nkey=2\r\n", u"A", u"key", u"d", u"d"},
      {"section name is not a prefix match", "[Section]\r\nkey=v\r\n", u"Sec", u"key", u"d", u"d"},
      {"key name is not a prefix match", "[Sec]\r\nkeys=v\r\n", u"Sec", u"key", u"d", u"d"},
      {"empty file", "", u"Sec", u"key", u"dflt", u"dflt"},
      {"comment line is skipped", "[Sec]\r\n;key=1\r\nkey=2\r\n", u"Sec", u"key", u"d", u"2"},
      {"comment between entries", "[Sec]\r\n; note\r\nkey=3\r\n", u"Sec", u"key", u"d", u"3"},
      {"blank lines in a section", "[Sec]\r\n\r\n\r\nkey=4\r\n", u"Sec", u"key", u"d", u"4"},
      {"LF line ends", "[Sec]\nkey=lf\n", u"Sec", u"key", u"d", u"lf"},
      {"no line end at the end", "[Sec]\r\nkey=last", u"Sec", u"key", u"d", u"last"},
      {"double quotes are removed", "[Sec]\r\nkey=\"quoted\"\r\n", u"Sec", u"key", u"d", u"quoted"},
      {"single quotes are removed", "[Sec]\r\nkey='quoted'\r\n", u"Sec", u"key", u"d", u"quoted"},
      {"unmatched quote is kept", "[Sec]\r\nkey=\"open\r\n", u"Sec", u"key", u"d", u"\"open"},
      {"blanks inside quotes are kept", "[Sec]\r\nkey=\" a \"\r\n", u"Sec", u"key", u"d", u" a "},
      {"trailing blanks of the default go", std::nullopt, u"Sec", u"key", u"dflt  ", u"dflt"},
      {"default of one space", std::nullopt, u"Sec", u"key", u" ", u" "},
      {"empty default", std::nullopt, u"Sec", u"key", u"", u""},
      {"key before any section", "top=1\r\n[Sec]\r\nkey=2\r\n", u"", u"top", u"d", u"1"},
      {"key before any section is not in a named one", "key=1\r\n[Sec]\r\nx=2\r\n", u"Sec", u"key", u"d",
       u"d"},
      {"first of duplicate keys", "[Sec]\r\nkey=first\r\nkey=second\r\n", u"Sec", u"key", u"d", u"first"},
      {"first of duplicate sections", "[Sec]\r\nkey=first\r\n[Sec]\r\nkey=second\r\n", u"Sec", u"key", u"d",
       u"first"},
      {"text after the section's ']'", "[Sec] ; c\r\nkey=v\r\n", u"Sec", u"key", u"d", u"v"},
      {"value cut to the buffer", "[Sec]\r\nkey=" + longValue + "\r\n", u"Sec", u"key", u"d",
       std::u16string(259, u'v')},
      {"259 units fit", "[Sec]\r\nkey=" + std::string(259, 'w') + "\r\n", u"Sec", u"key", u"d",
       std::u16string(259, u'w')},
      {"260 units do not", "[Sec]\r\nkey=" + std::string(260, 'w') + "\r\n", u"Sec", u"key", u"d",
       std::u16string(259, u'w')},
      {"default cut to the buffer", std::nullopt, u"Sec", u"key", std::u16string(300, u'x'),
       std::u16string(259, u'x')},
      {"UTF-16LE with BOM", Utf16LeFile(u"[\u4E2D\u6587]\r\n\u540D=\u503C \u6587\u5B57\r\n"), u"\u4E2D\u6587",
       u"\u540D", u"d", u"\u503C \u6587\u5B57"},
      {"UTF-16LE names ignore case", Utf16LeFile(u"[LANGUAGE]\r\nlanguage=1\r\n"), u"language", u"LANGUAGE",
       u"d", u"1"},
      {"UTF-16LE value cut to the buffer", Utf16LeFile(u"[S]\r\nk=" + std::u16string(280, u'\u4E2D') + u"\r\n"),
       u"S", u"k", u"d", std::u16string(259, u'\u4E2D')},
      {"UTF-8 with BOM", kUtf8Bom + "[Sec]\r\nkey=\xE4\xB8\xAD\xE6\x96\x87\r\n", u"Sec", u"key", u"d",
       u"\u4E2D\u6587"},
      {"UTF-8 BOM does not hide the first section", kUtf8Bom + "[First]\r\nkey=1\r\n", u"First", u"key", u"d",
       u"1"},
      {"blanks inside the brackets", "[ Sec ]\r\nkey=v\r\n", u"Sec", u"key", u"d", u"v"},
      {"header without ']' is no section", "[Sec\r\nkey=v\r\n", u"Sec", u"key", u"d", u"d"},
      {"CR line ends", "[Sec]\rkey=cr\r", u"Sec", u"key", u"d", u"cr"},
      {"a lone quote is kept", "[Sec]\r\nkey=\"\r\n", u"Sec", u"key", u"d", u"\""},
      {"ideographic space is no blank", Utf16LeFile(u"[S]\r\nk=\u3000a\u3000\r\n"), u"S", u"k", u"d",
       u"\u3000a\u3000"},
      {"quotes of the default are removed", std::nullopt, u"Sec", u"key", u"\"q\"", u"q"},
      {"leading blanks of the default stay", std::nullopt, u"Sec", u"key", u"  d", u"  d"},
      {"default of two spaces keeps one", std::nullopt, u"Sec", u"key", u"  ", u" "},
      {"UTF-8 without BOM", "[First]\r\nkey=plain\r\n", u"first", u"KEY", u"d", u"plain"},
  };
}

class IniConformance : public ::testing::Test {
 protected:
  ScratchFolder folder_;
  int files_ = 0;

  // Every case gets a file of its own, so no cached copy of an earlier case can answer.
  std::u16string NewPath() { return folder_.Path(u"case" + mv::Utf8ToUtf16(std::to_string(files_++)) + u".ini"); }
};

TEST_F(IniConformance, Reads) {
  ASSERT_TRUE(folder_.IsValid());
  for (const ReadCase& c : ReadCases()) {
    const std::u16string path = NewPath();
    if (c.file) {
      ASSERT_TRUE(mv::test::WriteBytes(path, *c.file)) << c.what;
    }
    EXPECT_EQ(mv::platform::ReadIniString(path, c.section, c.key, c.defaultValue), c.expected) << c.what;
  }
}

struct Lookup {
  std::u16string section;
  std::u16string key;
  std::u16string expected;  // u"<missing>" when the key must not be there
};

struct WriteCase {
  const char* what;
  std::optional<std::string> before;
  std::u16string section;
  std::u16string key;
  std::u16string value;
  std::vector<Lookup> after;
  std::vector<std::string> keptText;  // raw texts the file must still hold, in this order
};

constexpr char16_t kMissing[] = u"<missing>";

std::vector<WriteCase> WriteCases() {
  return {
      {"creates the file", std::nullopt, u"Sec", u"key", u"v", {{u"Sec", u"key", u"v"}}, {"[Sec]", "key=v"}},
      {"adds a section and keeps the rest",
       "; head\r\n[A]\r\nx=1\r\n",
       u"B",
       u"key",
       u"2",
       {{u"A", u"x", u"1"}, {u"B", u"key", u"2"}, {u"A", u"key", kMissing}},
       {"; head", "[A]", "x=1", "[B]", "key=2"}},
      {"adds a key inside its own section",
       "[A]\r\nx=1\r\n[B]\r\ny=2\r\n",
       u"A",
       u"key",
       u"3",
       {{u"A", u"key", u"3"}, {u"B", u"key", kMissing}, {u"A", u"x", u"1"}, {u"B", u"y", u"2"}},
       {"[A]", "x=1", "key=3", "[B]", "y=2"}},
      {"replaces a value in place",
       "[A]\r\na=1\r\nb=2\r\n; keep me\r\nc=3\r\n",
       u"A",
       u"b",
       u"20",
       {{u"A", u"a", u"1"}, {u"A", u"b", u"20"}, {u"A", u"c", u"3"}},
       {"a=1", "b=20", "; keep me", "c=3"}},
      {"replaces whatever the case of the names",
       "[Sec]\r\nKey=old\r\n",
       u"SEC",
       u"KEY",
       u"new",
       {{u"sec", u"key", u"new"}},
       {"[Sec]"}},
      {"keeps UTF-16LE",
       Utf16LeFile(u"[A]\r\nx=\u503C\r\n"),
       u"A",
       u"y",
       u"\u4E2D\u6587",
       {{u"A", u"x", u"\u503C"}, {u"A", u"y", u"\u4E2D\u6587"}},
       {"\xFF\xFE"}},
      {"keeps UTF-8 with BOM",
       kUtf8Bom + "[A]\r\nx=\xE4\xB8\xAD\r\n",
       u"A",
       u"x",
       u"v2",
       {{u"A", u"x", u"v2"}},
       {kUtf8Bom, "x=v2"}},
  };
}

// Where a kept text starts in the file bytes (UTF-16 files are searched for their UTF-16 form).
std::size_t FindText(const std::string& bytes, const std::string& text) {
  if (bytes.rfind("\xFF\xFE", 0) == 0 && text != "\xFF\xFE") {
    return bytes.find(Utf16LeFile(mv::Utf8ToUtf16(text)).substr(2));
  }
  return bytes.find(text);
}

TEST_F(IniConformance, Writes) {
  ASSERT_TRUE(folder_.IsValid());
  for (const WriteCase& c : WriteCases()) {
    const std::u16string path = NewPath();
    if (c.before) {
      ASSERT_TRUE(mv::test::WriteBytes(path, *c.before)) << c.what;
    }
    EXPECT_TRUE(mv::platform::WriteIniString(path, c.section, c.key, c.value)) << c.what;
    for (const Lookup& l : c.after) {
      EXPECT_EQ(mv::platform::ReadIniString(path, l.section, l.key, kMissing), l.expected)
          << c.what << ": " << mv::Utf16ToUtf8(l.key);
    }
    const std::string bytes = mv::test::ReadBytes(path).value_or("");
    std::size_t from = 0;
    for (const std::string& text : c.keptText) {
      const std::size_t at = FindText(bytes.substr(from), text);
      EXPECT_NE(at, std::string::npos) << c.what << ": " << text << " in\n" << bytes;
      if (at != std::string::npos) from += at + 1;
    }
  }
}

TEST_F(IniConformance, WritesThatCannotBeMadeFail) {
  ASSERT_TRUE(folder_.IsValid());
  const std::u16string noFolder = folder_.Path(u"missing") + u"/x.ini";
  EXPECT_FALSE(mv::platform::WriteIniString(noFolder, u"A", u"k", u"v"));

  // An entry that would add lines, or not read back as written, leaves the file as it was.
  const std::string before = "[A]\r\nk=1\r\n";
  const struct {
    std::u16string section, key, value;
  } unsafe[] = {
      {u"A", u"k", u"1\r\n[B]\r\nx=2"}, {u"A", u"k", u"a\nb"}, {u"A\r\n", u"k", u"v"}, {u"A]", u"k", u"v"},
      {u"A", u"k=x", u"v"},             {u"A", u"", u"v"},      {u"", u"k", u"v"},     {u"A", u";k", u"v"},
      {u"A", u"[k", u"v"},              {u"A", u"  ", u"v"},
  };
  for (const auto& u : unsafe) {
    const std::u16string path = NewPath();
    ASSERT_TRUE(mv::test::WriteBytes(path, before));
    EXPECT_FALSE(mv::platform::WriteIniString(path, u.section, u.key, u.value)) << mv::Utf16ToUtf8(u.value);
    EXPECT_EQ(mv::test::ReadBytes(path), before) << mv::Utf16ToUtf8(u.section + u"/" + u.key);
  }
}

}  // namespace
