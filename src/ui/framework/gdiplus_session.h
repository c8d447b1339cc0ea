// GDI+ start-up and shut-down for one scope (the program's or a test's lifetime). Every GDI+
// object must be destroyed before the session ends.
#pragma once

#include <windows.h>

#include <cstdint>

namespace mv::ui {

class GdiplusSession {
 public:
  GdiplusSession();
  ~GdiplusSession();
  GdiplusSession(const GdiplusSession&) = delete;
  GdiplusSession& operator=(const GdiplusSession&) = delete;

  bool ok() const { return token_ != 0; }

 private:
  ULONG_PTR token_ = 0;
};

}  // namespace mv::ui
