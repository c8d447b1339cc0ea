// The four placement operations over the layout entry reader.
#include "ui/skin/placement.h"

namespace mv::ui {
namespace {

void MoveAndSize(HWND control, const app::LayoutEntry& e) {
  ::SetWindowPos(control, nullptr, e.x, e.y, e.w, e.h, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
}

}  // namespace

app::LayoutEntry PlaceImageButton(CPngButton& button, const std::u16string& file,
                                  std::u16string_view section, std::u16string_view key,
                                  const SkinLooks& looks) {
  const app::LayoutEntry e = app::ReadLayoutEntry(file, section, key);
  MoveAndSize(button.hwnd(), e);
  button.SetLooks(looks, e.x, e.y);
  if (app::DisablesImageButton(e)) ::EnableWindow(button.hwnd(), FALSE);
  return e;
}

app::LayoutEntry PlaceControl(HWND control, const std::u16string& file, std::u16string_view section,
                              std::u16string_view key) {
  const app::LayoutEntry e = app::ReadLayoutEntry(file, section, key);
  MoveAndSize(control, e);
  return e;
}

app::LayoutEntry PlaceImageControl(CPngButton& button, const std::u16string& file,
                                   std::u16string_view section, std::u16string_view key,
                                   std::u16string_view imageSection, std::u16string_view imageKey,
                                   const OffscreenPicture& picture) {
  const app::LayoutEntry e = app::ReadLayoutEntry(file, section, key);
  MoveAndSize(button.hwnd(), e);
  const app::LayoutEntry image = app::ReadLayoutEntry(file, imageSection, imageKey);
  button.SetLooks(SkinLooks{&picture, &picture, &picture, &picture, &picture}, image.x, image.y);
  return e;
}

app::LayoutEntry MoveControl(HWND control, const std::u16string& file, std::u16string_view section,
                             std::u16string_view key) {
  const app::LayoutEntry e = app::ReadLayoutEntry(file, section, key);
  ::SetWindowPos(control, nullptr, e.x, e.y, 0, 0, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOSIZE);
  ::InvalidateRect(control, nullptr, TRUE);
  return e;
}

}  // namespace mv::ui
