// Module path on POSIX: dladdr of a function in this module.
#include <dlfcn.h>

#include "platform/text.h"
#include "sim/module_path.h"

namespace mv::sim {

std::u16string ThisModulePath() {
  Dl_info info{};
  if (dladdr(reinterpret_cast<void*>(&ThisModulePath), &info) == 0 || !info.dli_fname) return {};
  return Utf8ToUtf16(info.dli_fname);
}

}  // namespace mv::sim
