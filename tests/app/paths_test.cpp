// Program paths from the executable path, and the command-line switches.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/paths.h"
#include "platform/text.h"

namespace {

using mv::app::BuildProgramPaths;
using mv::app::ParseCommandLine;

TEST(ProgramPaths, WindowsStylePath) {
  const auto p = BuildProgramPaths(u"C:\\Program Files\\Morvane\\Morvane.exe", u'\\');
  EXPECT_EQ(p.executableName, u"Morvane.exe");
  EXPECT_EQ(p.programFolder, u"C:\\Program Files\\Morvane\\");
  EXPECT_EQ(p.mainLayoutFile, u"C:\\Program Files\\Morvane\\Skins\\Main.ini");
  EXPECT_EQ(p.profileLayoutFile, u"C:\\Program Files\\Morvane\\Skins\\Profile.ini");
  EXPECT_EQ(p.updateLayoutFile, u"C:\\Program Files\\Morvane\\Skins\\UpdateDlg.ini");
  EXPECT_EQ(p.compositeLayoutFile, u"C:\\Program Files\\Morvane\\Skins\\Composite.ini");
  EXPECT_EQ(p.languageFile, u"C:\\Program Files\\Morvane\\Skins\\language.ini");
  EXPECT_EQ(p.skinsFolder, u"C:\\Program Files\\Morvane\\Skins\\");
  EXPECT_EQ(p.seedColourFilePrefix, u"C:\\Program Files\\Morvane\\\\Skins\\UserDengColor_");
  EXPECT_EQ(p.firmwarePackageFolder, u"C:\\Program Files\\Morvane\\Package");
  EXPECT_EQ(p.helpFolder, u"C:\\Program Files\\Morvane\\Help\\");
  EXPECT_EQ(p.companionExecutable, u"C:\\Program Files\\Morvane\\Halvorn.exe");
}

TEST(ProgramPaths, PosixStylePath) {
  const auto p = BuildProgramPaths(u"/opt/morvane/Morvane", u'/');
  EXPECT_EQ(p.executableName, u"Morvane");
  EXPECT_EQ(p.programFolder, u"/opt/morvane/");
  EXPECT_EQ(p.mainLayoutFile, u"/opt/morvane/Skins/Main.ini");
  EXPECT_EQ(p.languageFile, u"/opt/morvane/Skins/language.ini");
  EXPECT_EQ(p.skinsFolder, u"/opt/morvane/Skins/");
  EXPECT_EQ(p.seedColourFilePrefix, u"/opt/morvane//Skins/UserDengColor_");
  EXPECT_EQ(p.firmwarePackageFolder, u"/opt/morvane/Package");
  EXPECT_EQ(p.helpFolder, u"/opt/morvane/Help/");
  EXPECT_EQ(p.companionExecutable, u"/opt/morvane/Halvorn.exe");
}

TEST(ProgramPaths, DefaultSeparatorIsThePlatformsAndBareNamesStayRelative) {
  const std::u16string sep(1, mv::platform::kPathSeparator);
  const auto p = BuildProgramPaths(u"dir" + sep + u"Morvane.exe");
  EXPECT_EQ(p.mainLayoutFile, u"dir" + sep + u"Skins" + sep + u"Main.ini");

  const auto bare = BuildProgramPaths(u"Morvane.exe", u'\\');
  EXPECT_EQ(bare.executableName, u"Morvane.exe");
  EXPECT_EQ(bare.programFolder, u"");
  EXPECT_EQ(bare.mainLayoutFile, u"Skins\\Main.ini");
  EXPECT_EQ(BuildProgramPaths(u"", u'\\').companionExecutable, u"Halvorn.exe");
}

TEST(CommandLine, Switches) {
  const struct {
    std::vector<std::u16string> args;
    bool kill, start;
  } cases[] = {
      {{}, false, false},
      {{u"/Kill"}, true, false},
      {{u"/kill"}, true, false},
      {{u"/KILL"}, true, false},
      {{u"/Start"}, false, true},
      {{u"/sTaRt"}, false, true},
      {{u"/Kill", u"/Start"}, true, true},
      {{u"/Start", u"/Kill"}, true, true},
      {{u"/Kill/Start"}, false, false},  // one argument each
      {{u"/Kill "}, false, false},
      {{u"Kill", u"-Start", u"/Starter", u"x.mvn"}, false, false},
      {{u"file", u"/START", u"other"}, false, true},
  };
  for (const auto& c : cases) {
    std::string shown;
    for (const auto& a : c.args) shown += mv::Utf16ToUtf8(a) + " ";
    const auto s = ParseCommandLine(c.args);
    EXPECT_EQ(s.kill, c.kill) << shown;
    EXPECT_EQ(s.start, c.start) << shown;
  }
}

}  // namespace
