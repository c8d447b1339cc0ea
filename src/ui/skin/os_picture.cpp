// OleLoadPicture-based loader.
#include "ui/skin/os_picture.h"

#include <ole2.h>
#include <olectl.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "platform/files.h"
#include "ui/framework/device_context.h"

namespace mv::ui {
namespace {

// Largest picture file we accept; a skin picture is far smaller, and the loader takes a LONG.
constexpr std::uint64_t kMaxPictureBytes = 64ull * 1024 * 1024;

bool ReadWholeFile(const std::u16string& path, std::vector<std::uint8_t>& bytes) {
  const auto size = platform::FileSize(path);
  if (!size || *size == 0 || *size > kMaxPictureBytes) return false;
  platform::UniqueFile file = platform::OpenFile(path, "rb");
  if (!file) return false;
  bytes.resize(static_cast<std::size_t>(*size));
  return std::fread(bytes.data(), 1, bytes.size(), file.get()) == bytes.size();
}

// The decoded picture; Release on scope end.
struct PictureRef {
  IPicture* picture = nullptr;
  ~PictureRef() {
    if (picture) picture->Release();
  }
};

bool Decode(const std::vector<std::uint8_t>& bytes, PictureRef& out) {
  HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, bytes.size());
  if (!memory) return false;
  void* target = ::GlobalLock(memory);
  if (!target) {
    ::GlobalFree(memory);
    return false;
  }
  std::memcpy(target, bytes.data(), bytes.size());
  ::GlobalUnlock(memory);
  IStream* stream = nullptr;
  if (FAILED(::CreateStreamOnHGlobal(memory, TRUE, &stream))) {  // the stream frees the memory
    ::GlobalFree(memory);
    return false;
  }
  const HRESULT hr = ::OleLoadPicture(stream, static_cast<LONG>(bytes.size()), FALSE, IID_IPicture,
                                      reinterpret_cast<void**>(&out.picture));
  stream->Release();
  return SUCCEEDED(hr) && out.picture;
}

bool CopyToDib(IPicture* picture, OffscreenPicture& result) {
  SHORT type = PICTYPE_UNINITIALIZED;
  OLE_HANDLE handle = 0;
  if (FAILED(picture->get_Type(&type)) || type != PICTYPE_BITMAP) return false;
  if (FAILED(picture->get_Handle(&handle)) || handle == 0) return false;
  HBITMAP bitmap = reinterpret_cast<HBITMAP>(static_cast<UINT_PTR>(handle));
  BITMAP info{};
  if (!::GetObjectW(bitmap, sizeof(info), &info)) return false;
  const int width = info.bmWidth;
  const int height = info.bmHeight < 0 ? -info.bmHeight : info.bmHeight;
  if (!result.CreateDib32(width, height)) return false;
  MemoryDc source(result.dc());
  if (!source) return false;
  SelectedObject selected(source.get(), bitmap);
  return ::BitBlt(result.dc(), 0, 0, width, height, source.get(), 0, 0, SRCCOPY) != FALSE;
}

}  // namespace

bool LoadOsPicture(const std::u16string& path, OffscreenPicture& picture) {
  picture.Reset();
  std::vector<std::uint8_t> bytes;
  if (!ReadWholeFile(path, bytes)) return false;
  PictureRef decoded;
  if (!Decode(bytes, decoded)) return false;
  if (!CopyToDib(decoded.picture, picture)) {
    picture.Reset();
    return false;
  }
  return true;
}

}  // namespace mv::ui
