// The image button as a small state machine: which of its looks it shows, and how mouse hover
// tracking moves it between states. Kept free of windows so it can be tested directly.
#pragma once

namespace mv::app {

enum class ButtonLook {
  kNormal,
  kHover,
  kPressed,
  kDisabled,
  kAlternate,  // shown while the button is selected
  kOverrideA,
  kOverrideB,
};

struct ButtonLookInputs {
  bool enabled = true;
  bool overrideOn = false;
  bool overrideSelector = false;  // B when set, else A
  bool pressed = false;
  bool hover = false;
  bool selected = false;
};

// Disabled beats the override pair, which beats pressed, hover, selected and normal in that order;
// so a selected button under the mouse shows its hover look.
[[nodiscard]] ButtonLook ChooseButtonLook(const ButtonLookInputs& inputs);

inline constexpr int kMaxFrameLevel = 100;

// The frame level kept by the button: capped to 0..100 while the frame is on, kept as given
// otherwise (it is not drawn then).
[[nodiscard]] int StoredFrameLevel(int level, bool on);

// Hover tracking: the first mouse move asks the OS for hover and leave notifications; hover sets
// the flag, leave clears it and allows the next move to ask again. Each call says whether the
// button must be redrawn.
class ButtonHoverModel {
 public:
  // True when the caller must request hover/leave notifications now.
  [[nodiscard]] bool OnMouseMove();
  [[nodiscard]] bool OnHover();
  [[nodiscard]] bool OnLeave();
  void Reset();

  bool hover() const { return hover_; }
  bool tracking() const { return tracking_; }

 private:
  bool hover_ = false;
  bool tracking_ = false;
};

}  // namespace mv::app
