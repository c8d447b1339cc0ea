// Program paths and command-line switches.
#include "app/paths.h"

#include "app/language.h"
#include "platform/text.h"

namespace mv::app {

ProgramPaths BuildProgramPaths(std::u16string_view executablePath, char16_t separator) {
  const std::u16string exe(executablePath);
  const std::u16string folder = platform::FolderOf(exe);
  const std::u16string sep(1, separator);
  const std::u16string skins = folder + u"Skins" + sep;

  ProgramPaths p;
  p.executableName = platform::FileNameOf(exe);
  p.programFolder = folder;
  p.mainLayoutFile = skins + u"Main.ini";
  p.profileLayoutFile = skins + u"Profile.ini";
  p.updateLayoutFile = skins + u"UpdateDlg.ini";
  p.compositeLayoutFile = skins + u"Composite.ini";
  p.languageFile = skins + std::u16string(kLanguageFileName);
  p.skinsFolder = skins;
  // The folder already ends in a separator; the extra one is what stored colour files were seeded
  // with and is harmless to the file system.
  p.seedColourFilePrefix = folder + sep + u"Skins" + sep + u"UserDengColor_";
  p.firmwarePackageFolder = folder + u"Package";
  p.helpFolder = folder + u"Help" + sep;
  p.companionExecutable = folder + u"Halvorn.exe";
  return p;
}

CommandLineSwitches ParseCommandLine(const std::vector<std::u16string>& arguments) {
  CommandLineSwitches switches;
  for (const std::u16string& arg : arguments) {
    if (EqualsIgnoreAsciiCase(arg, u"/Kill")) {
      switches.kill = true;
    } else if (EqualsIgnoreAsciiCase(arg, u"/Start")) {
      switches.start = true;
    }
  }
  return switches;
}

}  // namespace mv::app
