// CBaseDialog: skin initialisation, background painting, dragging by the body.
#include "ui/skin/base_dialog.h"

#include <windowsx.h>

#include <utility>

#include "app/language.h"
#include "app/layout.h"
#include "ui/framework/device_context.h"
#include "ui/skin/chinese_font.h"
#include "ui/skin/make_region.h"
#include "ui/skin/os_picture.h"
#include "ui/skin/skin_failure.h"

namespace mv::ui {
namespace {
constexpr COLORREF kMaskTransparent = RGB(255, 255, 255);
}

CBaseDialog::CBaseDialog(int templateId, HWND parent, std::u16string layoutFile,
                         std::u16string skinFolder)
    : Dialog(templateId),
      parent_(parent),
      layoutFile_(std::move(layoutFile)),
      skinFolder_(std::move(skinFolder)) {}

BOOL CBaseDialog::OnInitDialog() {
  InitSkin();
  return TRUE;
}

void CBaseDialog::InitSkin() {
  busy_ = true;
  const bool english = IsEnglish(skinFolder_ + std::u16string(kLanguageFileName));
  const app::SkinPictureNames names = app::ReadSkinPictureNames(layoutFile_, english);
  OffscreenPicture mask;  // only the region is kept of it
  if (!LoadOsPicture(skinFolder_ + names.background, background_) ||
      !LoadOsPicture(skinFolder_ + names.mask, mask)) {
    EndForMissingSkinPicture();
  }
  RECT window{};
  ::GetWindowRect(hwnd(), &window);
  ::SetWindowPos(hwnd(), nullptr, window.left, window.top, background_.width(), background_.height(),
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
  MaskRegion made = MakeMaskRegion(mask, kMaskTransparent, 0);
  // A mask too busy to be a window shape counts as a picture that cannot be used.
  if (made.refused) EndForMissingSkinPicture();
  UniqueRegion& shape = made.region;
  // On success the window owns the region.
  if (shape && ::SetWindowRgn(hwnd(), shape.get(), TRUE)) (void)shape.Release();
  if (!english) {
    chineseFont_ = ChineseFontLike(reinterpret_cast<HFONT>(::SendMessageW(hwnd(), WM_GETFONT, 0, 0)));
    if (chineseFont_) SetDialogFont(hwnd(), chineseFont_.get());
  }
  busy_ = false;
}

void CBaseDialog::PaintBackground(HDC dc) {
  if (!background_.valid()) return;
  ::BitBlt(dc, 0, 0, background_.width(), background_.height(), background_.dc(), 0, 0, SRCCOPY);
}

INT_PTR CBaseDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: {
      PaintDc paint(hwnd());
      PaintBackground(paint.get());
      return TRUE;
    }
    case WM_PRINTCLIENT:
      PaintBackground(reinterpret_cast<HDC>(wParam));
      return TRUE;
    case WM_ERASEBKGND:
      SetMessageResult(1);
      return TRUE;
    case WM_LBUTTONDOWN:
      // Dragging by the body: the move loop starts once the dialog's own loop picks this up.
      {
        POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        ::ClientToScreen(hwnd(), &at);
        ::PostMessageW(hwnd(), WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(at.x, at.y));
      }
      ::UpdateWindow(hwnd());
      return Dialog::HandleMessage(message, wParam, lParam);
    default:
      return Dialog::HandleMessage(message, wParam, lParam);
  }
}

void CBaseDialog::FreePictures() {
  background_.Reset();
}

void CBaseDialog::OnOK() {
  FreePictures();
  Dialog::OnOK();
}

void CBaseDialog::OnCancel() {
  FreePictures();
  Dialog::OnCancel();
}

}  // namespace mv::ui
