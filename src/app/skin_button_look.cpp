// Look choice and hover tracking of the image button.
#include "app/skin_button_look.h"

namespace mv::app {

ButtonLook ChooseButtonLook(const ButtonLookInputs& in) {
  if (!in.enabled) return ButtonLook::kDisabled;
  if (in.overrideOn) return in.overrideSelector ? ButtonLook::kOverrideB : ButtonLook::kOverrideA;
  if (in.pressed) return ButtonLook::kPressed;
  if (in.hover) return ButtonLook::kHover;
  if (in.selected) return ButtonLook::kAlternate;
  return ButtonLook::kNormal;
}

int StoredFrameLevel(int level, bool on) {
  if (!on) return level;
  if (level > kMaxFrameLevel) return kMaxFrameLevel;
  if (level < 0) return 0;
  return level;
}

bool ButtonHoverModel::OnMouseMove() {
  if (tracking_) return false;
  tracking_ = true;
  return true;
}

bool ButtonHoverModel::OnHover() {
  const bool changed = !hover_;
  hover_ = true;
  return changed;
}

bool ButtonHoverModel::OnLeave() {
  const bool changed = hover_;
  hover_ = false;
  tracking_ = false;
  return changed;
}

void ButtonHoverModel::Reset() {
  hover_ = false;
  tracking_ = false;
}

}  // namespace mv::app
