// Window test helpers.
#include "skin_fixture.h"

#include <cstdio>
#include <vector>

#include "platform/files.h"
#include "platform/unique_handle_win.h"
#include "ui/framework/gdi_handle.h"
#include "ui/framework/wide_text.h"

namespace mv::ui::test {

ScratchFolder::ScratchFolder() {
  wchar_t temp[MAX_PATH] = {};
  ::GetTempPathW(MAX_PATH, temp);
  wchar_t name[MAX_PATH] = {};
  ::GetTempFileNameW(temp, L"mvs", 0, name);
  ::DeleteFileW(name);
  ::CreateDirectoryW(name, nullptr);
  path_ = FromWide(name) + u"\\";
}

ScratchFolder::~ScratchFolder() {
  WIN32_FIND_DATAW found{};
  const std::u16string pattern = path_ + u"*";
  if (const platform::UniqueFindHandle find{::FindFirstFileW(Wide(pattern), &found)}) {
    do {
      const std::u16string file = path_ + FromWide(found.cFileName);
      if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) ::DeleteFileW(Wide(file));
    } while (::FindNextFileW(find.get(), &found));
  }
  const std::u16string folder = path_.substr(0, path_.size() - 1);
  ::RemoveDirectoryW(Wide(folder));
}

namespace {
void Put16(std::vector<std::uint8_t>& b, std::uint32_t v) {
  b.push_back(static_cast<std::uint8_t>(v));
  b.push_back(static_cast<std::uint8_t>(v >> 8));
}
void Put32(std::vector<std::uint8_t>& b, std::uint32_t v) {
  Put16(b, v & 0xFFFF);
  Put16(b, v >> 16);
}
}  // namespace

bool WriteBmp(const std::u16string& path, int width, int height,
              const std::function<COLORREF(int, int)>& colourAt) {
  const std::uint32_t rowBytes = (static_cast<std::uint32_t>(width) * 3 + 3) & ~3u;
  const std::uint32_t imageBytes = rowBytes * static_cast<std::uint32_t>(height);
  std::vector<std::uint8_t> b;
  b.push_back('B');
  b.push_back('M');
  Put32(b, 54 + imageBytes);
  Put32(b, 0);
  Put32(b, 54);
  Put32(b, 40);
  Put32(b, static_cast<std::uint32_t>(width));
  Put32(b, static_cast<std::uint32_t>(height));  // bottom-up
  Put16(b, 1);
  Put16(b, 24);
  Put32(b, 0);
  Put32(b, imageBytes);
  Put32(b, 2835);
  Put32(b, 2835);
  Put32(b, 0);
  Put32(b, 0);
  for (int y = height - 1; y >= 0; --y) {
    std::uint32_t written = 0;
    for (int x = 0; x < width; ++x) {
      const COLORREF c = colourAt(x, y);
      b.push_back(GetBValue(c));
      b.push_back(GetGValue(c));
      b.push_back(GetRValue(c));
      written += 3;
    }
    for (; written < rowBytes; ++written) b.push_back(0);
  }
  platform::UniqueFile file = platform::OpenFile(path, "wb");
  return file && std::fwrite(b.data(), 1, b.size(), file.get()) == b.size();
}

bool FillPicture(OffscreenPicture& picture, int width, int height, COLORREF colour) {
  if (!picture.CreateDib32(width, height)) return false;
  UniqueBrush brush(::CreateSolidBrush(colour));
  RECT r{0, 0, width, height};
  ::FillRect(picture.dc(), &r, brush.get());
  return true;
}

COLORREF PixelOf(HDC dc, int x, int y) { return ::GetPixel(dc, x, y); }

}  // namespace mv::ui::test
