// Skin picture loading and drawing.
#include "ui/skin/skin_picture.h"

#include "ui/framework/gdiplus_include.h"

#include "app/paths.h"
#include "platform/files.h"
#include "platform/system.h"
#include "ui/framework/device_context.h"
#include "ui/skin/skin_failure.h"

namespace mv::ui {
namespace {

// Skin pictures hang off the folder of the running program.
std::u16string ProgramFolder() { return app::BuildProgramPaths(platform::ExecutablePath()).programFolder; }

constexpr int kPictureMargin = 100;

}  // namespace

void GdiplusBitmapDeleter::operator()(Gdiplus::Bitmap* bitmap) const { delete bitmap; }

SkinImage LoadSkinPictureFile(const std::u16string& path) {
  if (!platform::FileExists(path)) return nullptr;
  SkinImage image(new Gdiplus::Bitmap(reinterpret_cast<const wchar_t*>(path.c_str())));
  if (image->GetLastStatus() != Gdiplus::Ok || image->GetWidth() == 0) return nullptr;
  return image;
}

SkinImage LoadSkinPicture(const std::u16string& relativePath) {
  return LoadSkinPictureFile(ProgramFolder() + relativePath);
}

SIZE SkinPictureExtent(HWND window) {
  RECT client{};
  ::GetClientRect(window, &client);
  return {client.right + kPictureMargin, client.bottom + kPictureMargin};
}

bool DrawSkinPicture(OffscreenPicture& target, Gdiplus::Bitmap& image, HWND window) {
  const SIZE extent = SkinPictureExtent(window);
  const int width = extent.cx;
  const int height = extent.cy;
  ClientDc windowDc(window);
  if (!target.CreateCompatible(windowDc.get(), width, height)) return false;
  // Straight into the target: the picture is drawn 1:1, nothing is stretched.
  Gdiplus::Graphics graphics(target.dc());
  return graphics.DrawImage(&image, Gdiplus::Rect(0, 0, width, height), 0, 0, width, height,
                            Gdiplus::UnitPixel) == Gdiplus::Ok;
}

void LoadAndDrawSkinPicture(OffscreenPicture& target, const std::u16string& relativePath, HWND window) {
  SkinImage image = LoadSkinPicture(relativePath);
  if (!image || !DrawSkinPicture(target, *image, window)) EndForMissingSkinPicture();
}

}  // namespace mv::ui
