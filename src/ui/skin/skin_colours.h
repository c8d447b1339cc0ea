// The dark colours of the skin pictures, for the common controls that sit on them (list views,
// edits, drop-down lists, labels): left with their system colours they show as white boxes on
// the dark skin. A skinned window keeps one SkinColourBrushes and answers its WM_CTLCOLOR*
// messages with it, themes its list views with ThemeListView and gives their headers a SkinHeader.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "ui/framework/gdi_handle.h"
#include "ui/framework/subclassed_window.h"

namespace mv::ui {

struct SkinColours {
  COLORREF window;     // the dialogs' body around the panels
  COLORREF panel;      // the panels drawn in the pictures; list views sit on them
  COLORREF field;      // the sunken boxes drawn for edits and drop-down fields
  COLORREF border;     // the panels' and boxes' one-pixel frames
  COLORREF header;     // list column titles
  COLORREF text;       // labels and entries
  COLORREF mutedText;  // secondary entries (paths, greyed cells)
  COLORREF selection;  // the skin's accent, behind selected entries
};

// Sampled from the skin pictures; the label colour is the windows' RGB(228, 228, 228).
inline constexpr SkinColours kSkinColours{
    RGB(11, 12, 16),   RGB(26, 29, 36),    RGB(12, 13, 17),    RGB(46, 49, 56),
    RGB(36, 40, 48),   RGB(228, 228, 228), RGB(150, 156, 168), RGB(18, 118, 152),
};

// Brushes and answers for WM_CTLCOLOREDIT, WM_CTLCOLORLISTBOX and WM_CTLCOLORSTATIC.
class SkinColourBrushes {
 public:
  explicit SkinColourBrushes(const SkinColours& colours = kSkinColours);

  // Edits, read-only edits and drop-down lists: the field colour with light text.
  HBRUSH Field(HDC dc) const;
  // Labels over a skin picture: transparent, light text. A label whose text changes must be
  // redrawn with its parent's background (the old text is not erased).
  HBRUSH Label(HDC dc) const;
  // The answer for a WM_CTLCOLOR* message from control (a read-only edit sends the static one);
  // null for any other message, which the caller then leaves to the default handling.
  HBRUSH Answer(UINT message, HDC dc, HWND control) const;

  const SkinColours& colours() const { return colours_; }

 private:
  SkinColours colours_;
  UniqueBrush field_;
};

// Background, entry background and text colours of a list view: the panel colour for a list
// standing on a panel, the field colour for one standing in a sunken box.
void ThemeListView(HWND list, COLORREF background = kSkinColours.panel, COLORREF text = kSkinColours.text);

// How SkinListCustomDraw draws a list view's entries.
struct SkinListLook {
  unsigned mutedColumns = 0;  // bit n: column n in the muted text colour, else the text colour
  COLORREF background = kSkinColours.panel;
  // Grid lines in the border colour, for a list without LVS_EX_GRIDLINES (whose lines are always
  // the system's light colour).
  bool gridLines = false;
};

// Answer to a list view's NM_CUSTOMDRAW; the dialog returns it through DWLP_MSGRESULT.
LRESULT SkinListCustomDraw(NMHDR* header, const SkinListLook& look, const SkinColours& colours = kSkinColours);

// Takes the system frame off a control whose frame the skin picture already draws.
void DropControlFrame(HWND control);

// A control that paints itself whole in the skin's colours: no background erase, one Paint for
// WM_PAINT and WM_PRINTCLIENT; every other message goes to OnOtherMessage.
class SkinPaintedControl : public SubclassedWindow {
 protected:
  explicit SkinPaintedControl(const SkinColours& colours) : colours_(colours) {}

  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) final;
  virtual void Paint(HDC dc) const = 0;
  virtual LRESULT OnOtherMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return Default(message, wParam, lParam);
  }

  SkinColours colours_;
};

// A list view's column header drawn in the skin's colours (the header control has no colour
// settings of its own). Attach it to ListView_GetHeader(list).
class SkinHeader : public SkinPaintedControl {
 public:
  explicit SkinHeader(const SkinColours& colours = kSkinColours) : SkinPaintedControl(colours) {}

 private:
  void Paint(HDC dc) const override;
  void PaintItem(HDC dc, int index) const;
};

// A drop-down or drop-down-list combo box face drawn in the skin's colours: a field with a
// one-pixel frame, the selected entry's text and a small arrow. The drop-down list itself takes its
// colours from the parent's WM_CTLCOLORLISTBOX answer and the edit of a drop-down combo from
// WM_CTLCOLOREDIT.
class SkinComboBox : public SkinPaintedControl {
 public:
  explicit SkinComboBox(const SkinColours& colours = kSkinColours) : SkinPaintedControl(colours) {}

 private:
  void Paint(HDC dc) const override;
  // The combo draws its face itself after some messages: drawn over again afterwards.
  LRESULT OnOtherMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void PaintArrow(HDC dc, const RECT& button) const;
};

// An edit's frame as a one-pixel line in the border colour instead of the system's sunken edge.
class SkinEditFrame : public SubclassedWindow {
 public:
  explicit SkinEditFrame(const SkinColours& colours = kSkinColours) : colours_(colours) {}

 protected:
  void OnAttached() override;
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  SkinColours colours_;
};

}  // namespace mv::ui
