// Morvane.exe: the keyboard configuration utility.
#include <windows.h>

#include "ui/app/morvane_app.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  mv::ui::CMorvaneApp app;
  return app.Run(mv::ui::ProcessArguments());
}
