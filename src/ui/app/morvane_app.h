// CMorvaneApp: the program's start. It builds every path from the program's own folder, loads the
// language texts, owns the configuration store (and with it the store's two locks) and runs the
// main window as a modal dialog for the life of the process.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace mv::ui {

class CMorvaneApp {
 public:
  // arguments: the command line after the program name. Returns the process exit code.
  int Run(const std::vector<std::u16string>& arguments);
};

// The arguments of this process after the program name.
std::vector<std::u16string> ProcessArguments();

}  // namespace mv::ui
