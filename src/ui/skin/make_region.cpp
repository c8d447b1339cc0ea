// MakeRegion: the portable run finder does the scanning; here batches become GDI regions.
#include "ui/skin/make_region.h"

#include <cstring>
#include <utility>
#include <vector>

#include "app/mask_runs.h"

namespace mv::ui {
namespace {

// RGNDATA with the batch's rectangles; united into result.
bool UniteBatch(HRGN result, std::span<const app::MaskRect> batch, const app::MaskRect& bounds) {
  if (batch.empty()) return true;
  const std::size_t bytes = sizeof(RGNDATAHEADER) + batch.size() * sizeof(RECT);
  std::vector<std::uint8_t> buffer(bytes);
  auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
  data->rdh.dwSize = sizeof(RGNDATAHEADER);
  data->rdh.iType = RDH_RECTANGLES;
  data->rdh.nCount = static_cast<DWORD>(batch.size());
  data->rdh.nRgnSize = static_cast<DWORD>(batch.size() * sizeof(RECT));
  data->rdh.rcBound = RECT{bounds.left, bounds.top, bounds.right, bounds.bottom};
  auto* rects = reinterpret_cast<RECT*>(data->Buffer);
  for (std::size_t i = 0; i < batch.size(); ++i) {
    rects[i] = RECT{batch[i].left, batch[i].top, batch[i].right, batch[i].bottom};
  }
  UniqueRegion part(::ExtCreateRegion(nullptr, static_cast<DWORD>(bytes), data));
  if (!part) return false;
  return ::CombineRgn(result, result, part.get(), RGN_OR) != ERROR;
}

}  // namespace

MaskRegion MakeMaskRegion(const OffscreenPicture& picture, COLORREF transparent, std::uint8_t tolerance) {
  UniqueRegion result(::CreateRectRgn(0, 0, 0, 0));
  if (!result || !picture.valid()) return {std::move(result)};

  // Work on a 32-bit copy whatever the picture's own format.
  OffscreenPicture copy;
  const OffscreenPicture* source = &picture;
  if (!picture.pixels()) {
    if (!copy.CreateDib32(picture.width(), picture.height())) return {};
    ::BitBlt(copy.dc(), 0, 0, picture.width(), picture.height(), picture.dc(), 0, 0, SRCCOPY);
    source = &copy;
  }
  ::GdiFlush();

  const app::MaskColourKey key{GetRValue(transparent), GetGValue(transparent), GetBValue(transparent),
                               tolerance};
  const app::MaskPicture pixels{source->pixels(), source->width(), source->height(), source->width()};
  bool ok = true;
  const std::size_t rects = app::CollectMaskRects(
      pixels, key, [&](std::span<const app::MaskRect> batch, const app::MaskRect& bounds) {
        ok = UniteBatch(result.get(), batch, bounds) && ok;
      });
  if (app::MaskRefused(rects)) return {UniqueRegion(), true};
  if (!ok) return {};
  return {std::move(result)};
}

UniqueRegion MakeRegion(const OffscreenPicture& picture, COLORREF transparent, std::uint8_t tolerance) {
  return MakeMaskRegion(picture, transparent, tolerance).region;
}

}  // namespace mv::ui
