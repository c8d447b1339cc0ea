// SkinPictures: decode on first use, share afterwards.
#include "ui/skin/skin_pictures.h"

#include <utility>

#include "app/paths.h"
#include "platform/system.h"
#include "ui/framework/wide_text.h"
#include "ui/skin/skin_failure.h"
#include "ui/skin/skin_picture.h"

namespace mv::ui {

SkinPictures::SkinPictures() : SkinPictures(app::BuildProgramPaths(platform::ExecutablePath()).skinsFolder) {}

SkinPictures::SkinPictures(std::u16string skinsFolder) : folder_(std::move(skinsFolder)) {}

SkinPictures::Picture SkinPictures::Get(std::u16string_view name, HWND window) {
  auto found = pictures_.find(name);
  if (found != pictures_.end()) {
    const SIZE wanted = SkinPictureExtent(window);
    const OffscreenPicture& picture = *found->second;
    if (picture.width() >= wanted.cx && picture.height() >= wanted.cy) return found->second;
  } else {
    found = pictures_.emplace(std::u16string(name), std::make_shared<OffscreenPicture>()).first;
  }
  // Drawn into the cached object itself: pictures already handed out see the new copy.
  SkinImage image = LoadSkinPictureFile(folder_ + std::u16string(name));
  ++decodes_;
  if (!image || !DrawSkinPicture(*found->second, *image, window)) EndForMissingSkinPicture();
  return found->second;
}

HBITMAP SkinPictures::Bitmap(std::u16string_view name) {
  auto found = bitmaps_.find(name);
  if (found == bitmaps_.end()) {
    const std::u16string path = folder_ + std::u16string(name);
    UniqueBitmap bitmap(static_cast<HBITMAP>(::LoadImageW(nullptr, Wide(path), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE)));
    // A missing bitmap is remembered too: the control keeps its resource picture, asked once.
    found = bitmaps_.emplace(std::u16string(name), std::move(bitmap)).first;
  }
  return found->second.get();
}

void SkinPictures::Clear() {
  pictures_.clear();
  bitmaps_.clear();
}

}  // namespace mv::ui
