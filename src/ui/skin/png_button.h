// CPngButton: the owner-drawn image button of the skinned windows. Its looks are cut out of
// full-window skin pictures at the button's own position; it also draws a colour frame, a caption
// with its own font and angle, shows a tooltip and tracks hover. The look choice and the hover
// tracking are the portable state machine of app/skin_button_look.h.
//
// The pictures are borrowed, not owned: the window that loads them must keep them alive for as
// long as its buttons may paint.
#pragma once

#include <windows.h>

#include <array>
#include <functional>
#include <string>

#include "app/skin_button_look.h"
#include "ui/framework/gdi_handle.h"
#include "ui/framework/offscreen_picture.h"
#include "ui/framework/subclassed_window.h"
#include "ui/framework/user_handle.h"

namespace mv::ui {

// The five looks of a button, as full-window pictures.
struct SkinLooks {
  const OffscreenPicture* normal = nullptr;
  const OffscreenPicture* hover = nullptr;
  const OffscreenPicture* pressed = nullptr;
  const OffscreenPicture* disabled = nullptr;
  const OffscreenPicture* alternate = nullptr;
};

class CPngButton : public SubclassedWindow {
 public:
  // Called after each paint with the button and whether the normal look was drawn.
  using PaintCallback = std::function<void(HWND button, bool normalLook)>;

  static constexpr UINT kDefaultCaptionFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE;  // 37
  static constexpr int kProfileCount = 3;

  CPngButton() = default;

  void SetLooks(const SkinLooks& looks, int originX, int originY);
  void SetLookPictures(const SkinLooks& looks);
  void SetLookOrigin(int x, int y);
  void SetOverrideLooks(const OffscreenPicture* a, const OffscreenPicture* b, bool on, bool selector);
  void SetSelected(bool selected, bool redraw);
  void SetColourFrame(COLORREF colour, int level, bool on);
  // A caption the face has no glyphs for (Chinese in Tahoma or Arial) is drawn in the Chinese face
  // of the same size (ui/skin/chinese_font.h).
  void SetCaptionStyle(bool on, int pointSize, const std::u16string& face, COLORREF colour, UINT format);
  void SetCaptionMargins(int left, int top, int right, int bottom);
  void SetCaptionAngle(int tenthsOfDegree, bool bold);
  // The tooltip window is made on the first call.
  void SetTooltip(const std::u16string& text, bool active);
  void SetPaintCallback(PaintCallback callback) { paintCallback_ = std::move(callback); }

  int Mark(int profile) const { return InProfileRange(profile) ? marks_[profile] : 0; }
  void SetMark(int profile, int value) {
    if (InProfileRange(profile)) marks_[profile] = value;
  }

  // What the next paint shows.
  app::ButtonLook CurrentLook() const;
  const SkinLooks& looks() const { return looks_; }
  POINT origin() const { return origin_; }
  bool selected() const { return selected_; }
  bool frameOn() const { return frameOn_; }
  int frameLevel() const { return frameLevel_; }
  COLORREF frameColour() const { return frameColour_; }
  bool hover() const { return hover_.hover(); }
  HWND tooltip() const { return tooltip_.get(); }

  // The font the caption is drawn with: the caption style's, or its Chinese twin.
  HFONT CaptionFont();

  // The paint routine: draws the current look into dc over the client rectangle.
  void Draw(HDC dc, const RECT& client);
  void Redraw() const;

 protected:
  void OnAttached() override;
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  static bool InProfileRange(int p) { return p >= 0 && p < kProfileCount; }
  const OffscreenPicture* PictureFor(app::ButtonLook look) const;
  void DrawLook(HDC dc, const RECT& client, const OffscreenPicture* picture) const;
  void DrawFrame(HDC dc, const RECT& client) const;
  void DrawCaption(HDC dc, const RECT& client);
  void RebuildFont();
  void RequestHoverTracking() const;

  SkinLooks looks_;
  POINT origin_{0, 0};
  const OffscreenPicture* overrideA_ = nullptr;
  const OffscreenPicture* overrideB_ = nullptr;
  bool overrideOn_ = false;
  bool overrideSelector_ = false;

  app::ButtonHoverModel hover_;
  bool pressed_ = false;
  bool selected_ = false;

  bool frameOn_ = false;
  COLORREF frameColour_ = RGB(0, 0, 0);
  int frameLevel_ = 0;

  bool captionOn_ = false;
  int pointSize_ = 8;
  std::u16string face_ = u"Tahoma";
  COLORREF captionColour_ = RGB(0, 0, 0);
  UINT captionFormat_ = kDefaultCaptionFormat;
  RECT margins_{0, 0, 0, 0};
  int angle_ = 0;
  bool bold_ = false;
  UniqueFont font_;
  UniqueFont chineseFont_;  // made on the first caption font_ cannot draw

  UniqueWindow tooltip_;
  std::array<int, kProfileCount> marks_{0, 0, 0};
  PaintCallback paintCallback_;
};

}  // namespace mv::ui
