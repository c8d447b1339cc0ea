// The keyboard panel of the main window: 104 key buttons and nine G-key buttons placed from the
// main layout file, each showing whether its key is assigned in the current profile (the
// button's selected look) and a tooltip naming the key and its assignment; a click opens the key
// editor on the key's record. It also shows the G-key layer and the F1-F4 / D1-D6 flip. Every
// read or write of the working store here is under its lock.
#pragma once

#include <windows.h>

#include <array>
#include <functional>
#include <string>

#include "app/language.h"
#include "keys/key_assignment.h"
#include "store/config_store.h"
#include "ui/framework/panel.h"
#include "ui/main_window/keyboard_panel_keys.h"
#include "ui/skin/png_button.h"

namespace mv::ui {

class KeyboardPanel : public Panel {
 public:
  struct Context {
    const LanguageTable& texts;
    store::ConfigStores& stores;
    std::function<int()> currentProfile;  // -1 when no keyboard profile is known
    std::function<bool()> fnLayer;
    std::function<void()> markModified;   // the configuration changed: enable Apply
  };
  using EditorOpener = std::function<INT_PTR(HWND owner, const EditorRequest& request)>;

  explicit KeyboardPanel(Context context);

  // Attaches the key, flip and layer buttons; the window's description then places them from
  // [BUTTONINFO] of the layout file with these looks (ButtonOf hands them over).
  void LayoutKeyButtons(HWND dialog, const SkinLooks& looks);

  void RefreshKeyButtons();
  void RefreshKeyTexts();
  void ClearKeyButton(int record);
  void ClearPanelAssignments();
  void ResetKeyIndicators();
  void RefreshGKeyIndicators();
  // The G-key layer changed: indicators, the layer button and the G keys' captions.
  void ShowLayer(bool layerB);
  void ApplyFlip();
  // FLIP_1 / FLIP_2: the "Flip" setting toggled, then ApplyFlip.
  void ToggleFlip();

  // true when the command belonged to the panel (a key, D1..D6, Fn or the macro-edit button).
  bool OnKeyButtonCommand(int controlId, bool lightingOn);
  // The keys, the flip buttons and the layer button.
  bool OnCommand(int id, int code, HWND control) override;
  // The editor's result, or -1 when the control is no key.
  INT_PTR OpenKeyEditor(int controlId);

  void SetEditorOpener(EditorOpener opener) { editorOpener_ = std::move(opener); }
  const EditorRequest& lastEditorRequest() const { return lastRequest_; }
  bool editorOpen() const { return editorOpen_; }

  // The panel's button of a control (keys, G keys, D1..D6, flip and layer buttons), or null.
  CPngButton* ButtonOf(int controlId);
  void SetGKeyCaptions(bool layerB);

 private:
  keys::AssignmentText Describe(int controlId, const keys::KeyAssignment& record) const;
  keys::KeyAssignment RecordOf(int profile, int record) const;
  void ShowRecord(CPngButton& button, const keys::AssignmentText& text, bool redraw);
  void RefreshAll();
  void Highlight(CPngButton& button) const;

  Context context_;
  HWND dialog_ = nullptr;
  SkinLooks looks_;
  std::array<CPngButton, 104> keyButtons_;
  std::array<CPngButton, keys::kGKeyCount> gKeyButtons_;
  std::array<CPngButton, 6> dButtons_;
  CPngButton flip0_;
  std::array<CPngButton, 2> flipButtons_;  // FLIP_1, FLIP_2: toggle the flip
  CPngButton layerButton_;
  EditorOpener editorOpener_;
  EditorRequest lastRequest_;
  bool editorOpen_ = false;
};

}  // namespace mv::ui
