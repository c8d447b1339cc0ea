// Resolves the device service library's exports in one place with one failure path.
#include "device/quenlink_loader.h"

#include "platform/shared_library.h"

namespace mv::device {
namespace {

template <typename Fn>
bool Resolve(const platform::SharedLibrary& library, const char* name, Fn& out) {
  out = reinterpret_cast<Fn>(library.Symbol(name));
  return out != nullptr;
}

}  // namespace

int LoadQuenlink(const std::u16string& path, QuenlinkApi& api) {
  platform::SharedLibrary library(path);
  if (!library.IsLoaded()) return 0;
  QuenlinkApi found;
  const bool all = Resolve(library, "Debug", found.Debug) && Resolve(library, "Init", found.Init) &&
                   Resolve(library, "End", found.End) &&
                   Resolve(library, "RequestGetDeviceCount", found.RequestGetDeviceCount) &&
                   Resolve(library, "DeleteRequestFromUnitId", found.DeleteRequestFromUnitId) &&
                   Resolve(library, "DeleteRequestFromHandle", found.DeleteRequestFromHandle) &&
                   Resolve(library, "RequestWrite", found.RequestWrite) &&
                   Resolve(library, "RequestWriteOne", found.RequestWriteOne) &&
                   Resolve(library, "RequestStatusWrite", found.RequestStatusWrite) &&
                   Resolve(library, "RequestStatusGet", found.RequestStatusGet) &&
                   Resolve(library, "RequestAsyncRead", found.RequestAsyncRead) &&
                   Resolve(library, "RequestStatusSetFeature", found.RequestStatusSetFeature);
  if (!all) return 0;  // the library is unloaded again here
  api = found;
  // The function pointers stay valid only while the library is loaded: never unload it.
  library.Leak();
  return 1;
}

int SubmitAsyncRead(const QuenlinkApi& api, const UnitId& unit, std::uint32_t tag, QuenlinkCallback callback,
                    int& requestNumber) {
  api.DeleteRequestFromUnitId(requestNumber);
  int number = 0;
  const int result =
      api.RequestAsyncRead(unit.data(), callback, tag, RequestChecksum(unit, callback, tag), &number);
  requestNumber = number;
  return result;
}

int WriteLedStatus(const QuenlinkApi& api, const LedStatus& status, QuenlinkCallback callback, int& requestNumber) {
  api.DeleteRequestFromUnitId(requestNumber);
  int number = 0;
  const int result = api.RequestStatusWrite(kLedUnit.data(), callback, kTagLed, status.data(),
                                            static_cast<int>(status.size()),
                                            RequestChecksum(kLedUnit, callback, kTagLed, status), &number);
  requestNumber = number;
  return result;
}

}  // namespace mv::device
