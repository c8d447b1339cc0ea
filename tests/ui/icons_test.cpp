// The program's icons as its resources hold them. The "no keyboard" icon is also the program's own
// icon (window, taskbar, About box), so it must not look like an error, and the tray must show
// plainly when it changes to "keyboard present".
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "ui/framework/offscreen_picture.h"
#include "ui/framework/user_handle.h"
#include "ui/res/resource.h"

namespace mv::ui {
namespace {

constexpr int kSizes[] = {16, 32};

// The icon resource drawn at size x size over black; empty when it does not load.
std::vector<COLORREF> IconPixels(int id, int size) {
  const UniqueIcon icon(static_cast<HICON>(
      ::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_ICON, size, size, LR_DEFAULTCOLOR)));
  OffscreenPicture canvas;
  if (!icon || !canvas.CreateDib32(size, size)) return {};
  const RECT all{0, 0, size, size};
  ::FillRect(canvas.dc(), &all, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
  ::DrawIconEx(canvas.dc(), 0, 0, icon.get(), size, size, 0, nullptr, DI_NORMAL);
  std::vector<COLORREF> pixels;
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) pixels.push_back(::GetPixel(canvas.dc(), x, y));
  return pixels;
}

bool StronglyRed(COLORREF c) { return GetRValue(c) > 180 && GetGValue(c) < 90 && GetBValue(c) < 90; }

int DifferingPixels(const std::vector<COLORREF>& a, const std::vector<COLORREF>& b) {
  int n = 0;
  for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) {
    const int d = std::abs(GetRValue(a[i]) - GetRValue(b[i])) + std::abs(GetGValue(a[i]) - GetGValue(b[i])) +
                  std::abs(GetBValue(a[i]) - GetBValue(b[i]));
    n += d > 60;
  }
  return n;
}

TEST(ProgramIcons, NoKeyboardAndPresentDifferPlainlyAndNeitherShowsRed) {
  for (const int size : kSizes) {
    SCOPED_TRACE(size);
    const std::vector<COLORREF> none = IconPixels(IDR_MAINFRAME, size);
    const std::vector<COLORREF> present = IconPixels(IDI_KEYBOARD_PRESENT, size);
    const std::vector<COLORREF> playing = IconPixels(IDI_KEYBOARD_PLAY, size);
    ASSERT_EQ(none.size(), static_cast<std::size_t>(size * size));
    ASSERT_EQ(present.size(), none.size());
    ASSERT_EQ(playing.size(), none.size());
    // At least a quarter of the pixels, so that the change reads at a glance in the tray.
    EXPECT_GT(DifferingPixels(none, present), size * size / 4);
    EXPECT_GT(DifferingPixels(present, playing), 0);
    struct Named {
      const char* name;
      const std::vector<COLORREF>* pixels;
    };
    for (const Named& icon : {Named{"no keyboard", &none}, Named{"present", &present}}) {
      int red = 0;
      for (const COLORREF c : *icon.pixels) red += StronglyRed(c);
      EXPECT_EQ(red, 0) << icon.name;
    }
  }
}

}  // namespace
}  // namespace mv::ui
