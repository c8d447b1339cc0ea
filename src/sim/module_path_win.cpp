// Module path on Windows: the module that holds this function's address.
#include <windows.h>

#include "sim/module_path.h"

namespace mv::sim {

std::u16string ThisModulePath() {
  HMODULE module = nullptr;
  if (!GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                          reinterpret_cast<LPCWSTR>(&ThisModulePath), &module)) {
    return {};
  }
  std::u16string path(MAX_PATH, u'\0');
  for (;;) {
    const DWORD n = GetModuleFileNameW(module, reinterpret_cast<wchar_t*>(path.data()), static_cast<DWORD>(path.size()));
    if (n == 0) return {};
    if (n < path.size()) {
      path.resize(n);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

}  // namespace mv::sim
