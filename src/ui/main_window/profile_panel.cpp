// The main window's profile panel.
#include "ui/main_window/profile_panel.h"

#include "profiles/sync.h"
#include "ui/framework/wide_text.h"
#include "ui/res/resource.h"

namespace mv::ui {

namespace {
constexpr int kProfileButtons[] = {IDC_FUNC_PROFILE1, IDC_FUNC_PROFILE2, IDC_FUNC_PROFILE3};
}  // namespace

void ProfilePanel::AttachButtons(HWND dialog) {
  for (std::size_t i = 0; i < profileButtons_.size(); ++i) (void)profileButtons_[i].AttachItem(dialog, kProfileButtons[i]);
  (void)fileButton_.AttachItem(dialog, IDC_FUNC_PROFILES);
  fileButton_.SetCaptionStyle(true, 10, u"Arial", 0xE4E4E4, CPngButton::kDefaultCaptionFormat);
}

CPngButton* ProfilePanel::ButtonOf(int controlId) {
  if (controlId == IDC_FUNC_PROFILES) return &fileButton_;
  for (std::size_t i = 0; i < profileButtons_.size(); ++i)
    if (kProfileButtons[i] == controlId) return &profileButtons_[i];
  return nullptr;
}

void ProfilePanel::ShowCurrentProfile() {
  const int selected = profiles::SelectedProfileButton(context_.cachedProfile());
  for (int i = 0; i < 3; ++i) profileButtons_[static_cast<std::size_t>(i)].SetSelected(i == selected, true);
}

void ProfilePanel::RebuildProfileMenu(bool create) {
  if (create || !menu_) menu_.Reset(::CreatePopupMenu());
  HMENU menu = menu_.get();
  if (!menu) return;
  while (::GetMenuItemCount(menu) > 0) ::DeleteMenu(menu, 0, MF_BYPOSITION);
  const profiles::ProfileMenuModel model =
      profiles::BuildProfileMenu(context_.cachedProfile(), context_.texts, context_.location);
  for (const profiles::ProfileMenuItem& item : model.items) {
    if (item.command == 0) {
      ::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    } else {
      ::AppendMenuW(menu, MF_STRING, item.command, Wide(item.text));
    }
  }
  ::CheckMenuItem(menu, static_cast<UINT>(model.checkedPosition), MF_BYPOSITION | MF_CHECKED);
  SetWindowTextU16(fileButton_.hwnd(), model.buttonText);
  fileButton_.SetTooltip(model.buttonTooltip, true);
  fileButton_.Redraw();
}

}  // namespace mv::ui
