// CMorvaneApp: start-up in order, then the main window for the life of the process.
#include "ui/app/morvane_app.h"

#include <commctrl.h>
#include <objbase.h>
#include <shellapi.h>

#include <memory>

#include "app/language.h"
#include "app/paths.h"
#include "platform/system.h"
#include "profiles/profile_file.h"
#include "store/config_store.h"
#include "ui/framework/gdiplus_session.h"
#include "ui/framework/wide_text.h"
#include "ui/main_window/morvane_dlg.h"

namespace mv::ui {

std::vector<std::u16string> ProcessArguments() {
  std::vector<std::u16string> arguments;
  int count = 0;
  LPWSTR* list = ::CommandLineToArgvW(::GetCommandLineW(), &count);
  if (!list) return arguments;
  for (int i = 1; i < count; ++i) arguments.push_back(FromWide(list[i]));
  ::LocalFree(list);
  return arguments;
}

int CMorvaneApp::Run(const std::vector<std::u16string>& arguments) {
  // Hosted and common controls; the settings key is fixed in the platform layer.
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES | ICC_LINK_CLASS};
  ::InitCommonControlsEx(&controls);
  const HRESULT com = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  GdiplusSession gdiplus;

  const app::ProgramPaths paths = app::BuildProgramPaths(platform::ExecutablePath());
  auto texts = std::make_unique<LanguageTable>();
  texts->LoadLanguageTexts(paths.languageFile);
  auto stores = std::make_unique<store::ConfigStores>();  // the two locks live with the stores
  {
    auto window = std::make_unique<CMorvaneDlg>(
        MainWindowSetup{paths, *texts, *stores, profiles::DefaultProfileLocation(), arguments});
    (void)window->RunModal(nullptr);
  }
  stores.reset();
  ::InvalidateRect(nullptr, nullptr, TRUE);
  if (SUCCEEDED(com)) ::CoUninitialize();
  return 0;
}

}  // namespace mv::ui
