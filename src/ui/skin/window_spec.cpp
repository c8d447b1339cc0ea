// Loading a description's looks and placing its controls.
#include "ui/skin/window_spec.h"

#include "app/layout.h"
#include "ui/skin/placement.h"

namespace mv::ui {

void LookSet::Load(const LookFiles& files, SkinPictures& pictures, HWND window) {
  for (std::size_t i = 0; i < files.size(); ++i) pictures_[i] = pictures.Get(files[i], window);
}

SkinLooks LookSet::Looks() const {
  return {pictures_[0].get(), pictures_[1].get(), pictures_[2].get(), pictures_[3].get(), pictures_[4].get()};
}

void SkinnedControls::Place(HWND dialog, const WindowSpec& spec, const std::u16string& layoutFile,
                            SkinPictures& pictures, const WindowButton& windowButton) {
  looks_.Load(spec.looks, pictures, dialog);
  if (!spec.secondLooks[0].empty()) second_.Load(spec.secondLooks, pictures, dialog);
  if (!spec.arrowPicture.empty()) arrow_ = pictures.Get(spec.arrowPicture, dialog);
  const SkinLooks looks = looks_.Looks();
  const SkinLooks second = second_.loaded() ? second_.Looks() : looks;
  const std::u16string_view section = app::kLayoutSection;
  for (const Placement& p : spec.placements) {
    HWND control = ::GetDlgItem(dialog, p.id);
    if (!control) continue;
    if (p.kind == PlacementKind::kControl) {
      (void)PlaceControl(control, layoutFile, section, p.key);
      continue;
    }
    if (p.kind == PlacementKind::kArrow && !arrow_) continue;
    CPngButton* button = ButtonFor(control, p.id, windowButton);
    if (!button) continue;
    if (p.kind == PlacementKind::kArrow) {
      const std::u16string imageKey = std::u16string(p.key) + u"_PIC";
      (void)PlaceImageControl(*button, layoutFile, section, p.key, section, imageKey, *arrow_);
    } else {
      (void)PlaceImageButton(*button, layoutFile, section, p.key,
                             p.kind == PlacementKind::kSecondButton ? second : looks);
    }
  }
}

CPngButton* SkinnedControls::ButtonFor(HWND control, int id, const WindowButton& windowButton) {
  CPngButton* button = windowButton ? windowButton(id) : nullptr;
  if (!button) {
    owned_.push_back(std::make_unique<CPngButton>());
    button = owned_.back().get();
  }
  if (button->hwnd() != control && !button->Attach(control)) return nullptr;
  buttons_.push_back(button);
  return button;
}

CPngButton* SkinnedControls::Button(int id) const {
  for (CPngButton* button : buttons_)
    if (button->id() == id) return button;
  return nullptr;
}

}  // namespace mv::ui
