// The keyboard panel of the main window.
#include "ui/main_window/keyboard_panel.h"

#include "app/layout.h"
#include "platform/app_settings.h"
#include "store/macro_model.h"
#include "ui/framework/wide_text.h"
#include "ui/main_window/key_editor_placeholder.h"
#include "ui/res/resource.h"
#include "ui/skin/placement.h"

namespace mv::ui {

namespace {
constexpr std::u16string_view kFlipKey = u"Flip";
constexpr int kFirstDButton = IDC_KEY_D1;
constexpr std::array<int, 4> kF1ToF4 = {IDC_KEY_03B, IDC_KEY_03C, IDC_KEY_03D, IDC_KEY_03E};

bool FlipSet() { return platform::ReadAppSetting(platform::kSettingsSection, kFlipKey, u"0") != u"0"; }

INT_PTR OpenPlaceholderEditor(HWND owner, const EditorRequest& request) {
  KeyEditorPlaceholder editor(request);
  return editor.RunModal(owner);
}
}  // namespace

KeyboardPanel::KeyboardPanel(Context context) : context_(std::move(context)), editorOpener_(&OpenPlaceholderEditor) {}

void KeyboardPanel::LayoutKeyButtons(HWND dialog, const SkinLooks& looks) {
  dialog_ = dialog;
  looks_ = looks;
  auto attach = [dialog](CPngButton& button, int id) { (void)button.AttachItem(dialog, id); };
  for (std::size_t g = 0; g < gKeyButtons_.size(); ++g) attach(gKeyButtons_[g], kGKeyControls[g]);
  for (std::size_t i = 0; i < kPanelKeys.size(); ++i) attach(keyButtons_[i], kPanelKeys[i].controlId);
  for (std::size_t i = 0; i < dButtons_.size(); ++i) attach(dButtons_[i], kFirstDButton + static_cast<int>(i));
  attach(flip0_, IDC_FLIP_0);
  attach(flipButtons_[0], IDC_FLIP_1);
  attach(flipButtons_[1], IDC_FLIP_2);
  attach(layerButton_, IDC_LOCK_AB);
}

CPngButton* KeyboardPanel::ButtonOf(int controlId) {
  if (const int g = GKeyOfControl(controlId); g >= 0) return &gKeyButtons_[static_cast<std::size_t>(g)];
  if (const int p = PanelPositionOfControl(controlId); p >= 0) return &keyButtons_[static_cast<std::size_t>(p)];
  if (controlId >= kFirstDButton && controlId < kFirstDButton + static_cast<int>(dButtons_.size()))
    return &dButtons_[static_cast<std::size_t>(controlId - kFirstDButton)];
  switch (controlId) {
    case IDC_FLIP_0:
      return &flip0_;
    case IDC_FLIP_1:
      return &flipButtons_[0];
    case IDC_FLIP_2:
      return &flipButtons_[1];
    case IDC_LOCK_AB:
      return &layerButton_;
    default:
      return nullptr;
  }
}

keys::KeyAssignment KeyboardPanel::RecordOf(int profile, int record) const {
  if (profile < 0) return {};
  return context_.stores.working.RecordFor(profile, record);
}

keys::AssignmentText KeyboardPanel::Describe(int controlId, const keys::KeyAssignment& record) const {
  const keys::MacroNameLookup macroName = store::MacroNameLookupOf(context_.stores.working);
  if (const int g = GKeyOfControl(controlId); g >= 0)
    return keys::DescribeGKeyAssignment(g, record, context_.texts, macroName);
  const int p = PanelPositionOfControl(controlId);
  return keys::DescribeKeyAssignment(kPanelKeys[static_cast<std::size_t>(p)].keyCode, record, context_.texts,
                                     macroName);
}

void KeyboardPanel::ShowRecord(CPngButton& button, const keys::AssignmentText& text, bool redraw) {
  if (!button.hwnd()) return;
  button.SetSelected(text.assigned, redraw && ::IsWindowEnabled(button.hwnd()));
  button.SetTooltip(text.text, true);
}

void KeyboardPanel::RefreshAll() {
  auto guard = context_.stores.working.Lock();
  const int profile = context_.currentProfile();
  const bool fn = context_.fnLayer();
  for (int g = 0; g < keys::kGKeyCount; ++g) {
    const int control = kGKeyControls[static_cast<std::size_t>(g)];
    ShowRecord(gKeyButtons_[static_cast<std::size_t>(g)], Describe(control, RecordOf(profile, GKeyRecord(g, fn))),
               true);
  }
  for (std::size_t i = 0; i < kPanelKeys.size(); ++i) {
    const int record = keys::KeyIndexOf(kPanelKeys[i].keyCode);
    ShowRecord(keyButtons_[i], Describe(kPanelKeys[i].controlId, RecordOf(profile, record)), true);
  }
}

void KeyboardPanel::RefreshKeyButtons() {
  RefreshAll();
  ApplyFlip();
}

void KeyboardPanel::RefreshKeyTexts() { RefreshAll(); }

void KeyboardPanel::ClearKeyButton(int record) {
  const bool fn = context_.fnLayer();
  for (int g = 0; g < keys::kGKeyCount; ++g) {
    if (GKeyRecord(g, fn) == record) {
      const int control = kGKeyControls[static_cast<std::size_t>(g)];
      ShowRecord(gKeyButtons_[static_cast<std::size_t>(g)], Describe(control, {}), true);
      return;
    }
  }
  for (std::size_t i = 0; i < kPanelKeys.size(); ++i) {
    if (keys::KeyIndexOf(kPanelKeys[i].keyCode) == record) {
      ShowRecord(keyButtons_[i], Describe(kPanelKeys[i].controlId, {}), true);
      return;
    }
  }
}

void KeyboardPanel::ClearPanelAssignments() {
  {
    auto guard = context_.stores.working.Lock();
    const int profile = context_.currentProfile();
    const bool fn = context_.fnLayer();
    for (int g = 0; g < keys::kGKeyCount; ++g) {
      const int record = GKeyRecord(g, fn);
      if (profile >= 0) (void)context_.stores.working.SetRecordFor(profile, record, keys::ClearedRecord(record));
      CPngButton& button = gKeyButtons_[static_cast<std::size_t>(g)];
      ShowRecord(button, {}, true);
    }
    for (std::size_t i = 0; i < kPanelKeys.size(); ++i) {
      if (profile >= 0) (void)context_.stores.working.SetRecordFor(profile, keys::KeyIndexOf(kPanelKeys[i].keyCode), {});
      ShowRecord(keyButtons_[i], {}, true);
    }
  }
  if (context_.markModified) context_.markModified();
}

void KeyboardPanel::ResetKeyIndicators() {
  auto reset = [](CPngButton& button) {
    if (!button.hwnd()) return;
    button.SetColourFrame(RGB(0, 0, 0), 0, false);
    button.SetSelected(false, true);
  };
  for (auto& b : gKeyButtons_) reset(b);
  for (auto& b : keyButtons_) reset(b);
}

void KeyboardPanel::RefreshGKeyIndicators() {
  auto guard = context_.stores.working.Lock();
  const int profile = context_.currentProfile();
  const bool fn = context_.fnLayer();
  for (int g = 0; g < keys::kGKeyCount; ++g) {
    CPngButton& button = gKeyButtons_[static_cast<std::size_t>(g)];
    if (button.hwnd()) button.SetSelected(keys::IsAssigned(RecordOf(profile, GKeyRecord(g, fn))), true);
  }
}

void KeyboardPanel::ShowLayer(bool layerB) {
  RefreshGKeyIndicators();
  layerButton_.SetSelected(layerB, true);
  SetGKeyCaptions(layerB);
}

void KeyboardPanel::SetGKeyCaptions(bool layerB) {
  for (int g = 0; g < keys::kGKeyCount; ++g) {
    CPngButton& button = gKeyButtons_[static_cast<std::size_t>(g)];
    if (!button.hwnd()) continue;
    std::u16string caption;
    if (g < 5) caption = std::u16string(1, layerB ? u'B' : u'A') + static_cast<char16_t>(u'1' + g);
    // The skin prints "G1".."G9" small at the left of each G key; the layer caption sits beside it.
    button.SetCaptionStyle(true, 9, u"Arial", RGB(0xE4, 0xE4, 0xE4), CPngButton::kDefaultCaptionFormat);
    button.SetCaptionMargins(14, 0, 0, 0);
    SetWindowTextU16(button.hwnd(), caption);
    button.Redraw();
  }
}

void KeyboardPanel::ApplyFlip() {
  if (!dialog_) return;
  const bool flipped = FlipSet();
  for (int id : kF1ToF4) ::EnableWindow(::GetDlgItem(dialog_, id), flipped ? FALSE : TRUE);
  for (int i = 0; i < 6; ++i) ::EnableWindow(::GetDlgItem(dialog_, kFirstDButton + i), flipped ? TRUE : FALSE);
  if (flip0_.hwnd()) {
    SkinLooks flat{looks_.normal, looks_.normal, looks_.normal, looks_.disabled, looks_.normal};
    flip0_.SetLookPictures(flat);
    flip0_.Redraw();
  }
}

void KeyboardPanel::ToggleFlip() {
  (void)platform::WriteAppSetting(platform::kSettingsSection, kFlipKey, FlipSet() ? u"0" : u"1");
  ApplyFlip();
}

bool KeyboardPanel::OnKeyButtonCommand(int controlId, bool lightingOn) {
  if (controlId == kMacroEditButton) {
    (void)OpenKeyEditor(kMacroOnlyControl);
    return true;
  }
  if (GKeyOfControl(controlId) >= 0) {
    (void)OpenKeyEditor(controlId);
    return true;
  }
  const bool dButton = controlId >= kFirstDButton && controlId < kFirstDButton + 6;
  if (controlId == IDC_KEY_FN) return true;  // only the colour painting uses it
  if (PanelPositionOfControl(controlId) < 0 && !dButton) return false;
  if (lightingOn) return true;  // the colour painting takes the click
  (void)OpenKeyEditor(controlId);
  return true;
}

bool KeyboardPanel::OnCommand(int id, int /*code*/, HWND /*control*/) {
  switch (id) {
    case IDC_FLIP_1:
    case IDC_FLIP_2:
      ToggleFlip();
      return true;
    case IDC_FLIP_0:
    case IDC_LOCK_AB:
      return true;
    default:
      return OnKeyButtonCommand(id, false);
  }
}

void KeyboardPanel::Highlight(CPngButton& button) const {
  button.SetLookPictures(SkinLooks{looks_.hover, looks_.hover, looks_.pressed, looks_.normal, looks_.hover});
  button.Redraw();
}

INT_PTR KeyboardPanel::OpenKeyEditor(int controlId) {
  const EditorRequest request = MakeEditorRequest(controlId, context_.fnLayer());
  if (request.record < 0) return -1;
  lastRequest_ = request;
  CPngButton* button = ButtonOf(controlId);
  if (button && button->hwnd()) Highlight(*button);
  editorOpen_ = true;
  const INT_PTR result = editorOpener_ ? editorOpener_(dialog_, request) : -1;
  editorOpen_ = false;
  if (button && button->hwnd()) {
    button->SetLookPictures(looks_);
    button->Redraw();
  }
  return result;
}

}  // namespace mv::ui
