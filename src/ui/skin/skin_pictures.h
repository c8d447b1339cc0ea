// The process's skin pictures, each file decoded once and shared by every window and button that
// uses it, instead of one copy per window or per look set.
//
// Full-window button pictures are off-screen copies sized to the window that first asks for them
// (SkinPictureExtent); a larger window asking later has the copy drawn again in place, so every
// pointer handed out stays valid and covers every window. Each picture file belongs to one kind
// of window, so that redraw does not happen with the shipped skins.
//
// The handed-out pictures are shared: a window keeps its own references (LookSet), so dropping
// the cache never pulls a picture from under a button that may still paint. UI thread only.
#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "ui/framework/gdi_handle.h"
#include "ui/framework/offscreen_picture.h"

namespace mv::ui {

class SkinPictures {
 public:
  using Picture = std::shared_ptr<const OffscreenPicture>;

  // skinsFolder ends with a separator; by default the program's own Skins folder.
  SkinPictures();
  explicit SkinPictures(std::u16string skinsFolder);
  SkinPictures(const SkinPictures&) = delete;
  SkinPictures& operator=(const SkinPictures&) = delete;

  // The full-window picture "<skins folder><name>" drawn for window. A picture that cannot be
  // loaded ends the program with exit code 0, as the skin rules say.
  Picture Get(std::u16string_view name, HWND window);
  // The single bitmap "<skins folder><name>" (the lighting panel's and busy indicator's .bmp
  // files), loaded once; null when it cannot be loaded. The cache owns it: it lives until Clear.
  HBITMAP Bitmap(std::u16string_view name);

  // How many files were decoded so far (each at most once, unless a larger window asked).
  int decodes() const { return decodes_; }
  const std::u16string& skinsFolder() const { return folder_; }
  // Drops the cache's references; pictures still held by windows stay alive until they let go.
  void Clear();

 private:
  std::u16string folder_;
  std::map<std::u16string, std::shared_ptr<OffscreenPicture>, std::less<>> pictures_;
  std::map<std::u16string, UniqueBitmap, std::less<>> bitmaps_;
  int decodes_ = 0;
};

}  // namespace mv::ui
