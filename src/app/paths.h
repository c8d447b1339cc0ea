// Where the program finds its files: every path derived from the full path of the running
// executable, and the two command-line switches.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/files.h"

namespace mv::app {

struct ProgramPaths {
  std::u16string executableName;     // file name and extension, for the instance search
  std::u16string programFolder;      // drive and directory, with its trailing separator
  std::u16string mainLayoutFile;     // Skins\Main.ini
  std::u16string profileLayoutFile;  // Skins\Profile.ini
  std::u16string updateLayoutFile;   // Skins\UpdateDlg.ini
  std::u16string compositeLayoutFile;  // Skins\Composite.ini
  std::u16string languageFile;       // Skins\language.ini
  std::u16string skinsFolder;        // Skins\, with its trailing separator
  std::u16string seedColourFilePrefix;  // \Skins\UserDengColor_ after the folder (doubled separator)
  std::u16string firmwarePackageFolder;  // Package, no trailing separator
  std::u16string helpFolder;         // Help\, with its trailing separator
  std::u16string companionExecutable;  // Halvorn.exe
};

// All paths from the executable's full path; the separator joins the parts the program adds.
// An empty or bare name gives paths relative to the current folder.
ProgramPaths BuildProgramPaths(std::u16string_view executablePath,
                               char16_t separator = platform::kPathSeparator);

struct CommandLineSwitches {
  bool kill = false;   // "/Kill": ask a running instance to exit (acted on before anything else)
  bool start = false;  // "/Start": start without opening the main window
};

// The arguments after the program name. Each switch is one whole argument, compared without
// regard to ASCII case, in any order; anything else is ignored. Both switches may be given: the
// caller handles "/Kill" first, and "/Start" applies when no running instance was found.
CommandLineSwitches ParseCommandLine(const std::vector<std::u16string>& arguments);

}  // namespace mv::app
