// The skin's colours on common controls: list view colours, the WM_CTLCOLOR* answers, the list
// custom draw and the frame removal, on real (hidden) controls.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "ui/framework/device_context.h"
#include "ui/framework/user_handle.h"
#include "ui/skin/skin_colours.h"

namespace mv::ui {
namespace {

class SkinColoursTest : public ::testing::Test {
 protected:
  HWND Child(const wchar_t* className, DWORD style, DWORD exStyle = 0) {
    children_.emplace_back(::CreateWindowExW(exStyle, className, L"", WS_CHILD | style, 0, 0, 200, 100,
                                             parent_.get(), nullptr, nullptr, nullptr));
    return children_.back().get();
  }

  UniqueWindow parent_{::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 300, 200, nullptr, nullptr,
                                         nullptr, nullptr)};
  std::vector<UniqueWindow> children_;
};

TEST_F(SkinColoursTest, ListViewTakesBackgroundAndTextColours) {
  for (COLORREF background : {kSkinColours.panel, kSkinColours.field}) {
    HWND list = Child(WC_LISTVIEWW, LVS_REPORT);
    ThemeListView(list, background);
    EXPECT_EQ(ListView_GetBkColor(list), background);
    EXPECT_EQ(ListView_GetTextBkColor(list), background);
    EXPECT_EQ(ListView_GetTextColor(list), kSkinColours.text);
  }
}

TEST_F(SkinColoursTest, ControlColourAnswersByMessageAndControl) {
  const SkinColourBrushes brushes;
  MemoryDc dc(nullptr);
  HWND edit = Child(WC_EDITW, ES_READONLY);
  HWND label = Child(WC_STATICW, SS_LEFT);

  struct Case {
    UINT message;
    HWND control;
    bool field;
  };
  for (const Case& c : {Case{WM_CTLCOLOREDIT, edit, true}, Case{WM_CTLCOLORLISTBOX, label, true},
                        Case{WM_CTLCOLORSTATIC, edit, true}, Case{WM_CTLCOLORSTATIC, label, false}}) {
    ::SetBkMode(dc.get(), OPAQUE);
    HBRUSH brush = brushes.Answer(c.message, dc.get(), c.control);
    ASSERT_NE(brush, nullptr);
    EXPECT_EQ(::GetTextColor(dc.get()), kSkinColours.text);
    if (c.field) {
      EXPECT_EQ(::GetBkColor(dc.get()), kSkinColours.field);
      EXPECT_NE(brush, ::GetStockObject(NULL_BRUSH));
    } else {
      EXPECT_EQ(::GetBkMode(dc.get()), TRANSPARENT);
      EXPECT_EQ(brush, ::GetStockObject(NULL_BRUSH));
    }
  }
  EXPECT_EQ(brushes.Answer(WM_CTLCOLORBTN, dc.get(), label), nullptr);
}

TEST(SkinListCustomDraw, StagesAndColumnColours) {
  NMLVCUSTOMDRAW draw{};
  auto* header = reinterpret_cast<NMHDR*>(&draw);
  draw.nmcd.dwDrawStage = CDDS_PREPAINT;
  EXPECT_EQ(SkinListCustomDraw(header, {0, kSkinColours.panel, false}), CDRF_NOTIFYITEMDRAW);
  EXPECT_EQ(SkinListCustomDraw(header, {0, kSkinColours.panel, true}), CDRF_NOTIFYITEMDRAW | CDRF_NOTIFYPOSTPAINT);
  draw.nmcd.dwDrawStage = CDDS_ITEMPREPAINT;
  EXPECT_EQ(SkinListCustomDraw(header, {}), CDRF_NOTIFYSUBITEMDRAW);

  // Columns outside the mask's 32 bits are never muted.
  struct Case {
    int column;
    COLORREF text;
  };
  const SkinListLook look{0b101u, kSkinColours.field, false};
  draw.nmcd.dwDrawStage = CDDS_ITEMPREPAINT | CDDS_SUBITEM;
  for (const Case& c : {Case{0, kSkinColours.mutedText}, Case{1, kSkinColours.text}, Case{2, kSkinColours.mutedText},
                        Case{40, kSkinColours.text}, Case{-1, kSkinColours.text}}) {
    draw.iSubItem = c.column;
    EXPECT_EQ(SkinListCustomDraw(header, look), CDRF_DODEFAULT);
    EXPECT_EQ(draw.clrText, c.text) << c.column;
    EXPECT_EQ(draw.clrTextBk, kSkinColours.field);
  }
}

TEST_F(SkinColoursTest, DropControlFrameRemovesBorderAndEdges) {
  HWND edit = Child(WC_EDITW, WS_BORDER, WS_EX_CLIENTEDGE | WS_EX_STATICEDGE);
  DropControlFrame(edit);
  EXPECT_EQ(::GetWindowLongPtrW(edit, GWL_STYLE) & WS_BORDER, 0);
  EXPECT_EQ(::GetWindowLongPtrW(edit, GWL_EXSTYLE) & (WS_EX_CLIENTEDGE | WS_EX_STATICEDGE), 0);
}

}  // namespace
}  // namespace mv::ui
