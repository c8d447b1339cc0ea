// Which controls of the lighting panel are visible: the panel's controls grouped by role, and the
// rule that maps the lamp switch and the chosen effect to the visible roles.
#pragma once

#include <cstdint>
#include <initializer_list>

namespace mv::lighting {

enum class PanelRole : std::uint8_t {
  kLamp,
  kLampCaption,
  kEffectList,
  kEffectArrows,  // step through the effect list, so they go wherever the list goes
  kBrightnessCaption,
  kBrightnessSlider,
  kSpeedCaption,
  kSpeedSlider,
  kDirectionCaption,
  kDirectionPictures,
  kHxColourGroup,
  kFyColourGroup,
  kPresetColours,
  kUserMode,
  kReportRateCaption,
  kReportRateButtons,
  kRgbEdits,
  kColourPresetButtons,
  kBusyAnimation,  // shown and hidden by the busy indicator, never by this rule
  kAlwaysHidden,
  kCount,
};

inline constexpr int kPanelRoleCount = static_cast<int>(PanelRole::kCount);

// A set of roles, one bit each.
class RoleSet {
 public:
  constexpr RoleSet() = default;
  constexpr RoleSet(std::initializer_list<PanelRole> roles) {
    for (PanelRole role : roles) Add(role);
  }
  constexpr void Add(PanelRole role) { bits_ |= Bit(role); }
  constexpr void Add(RoleSet other) { bits_ |= other.bits_; }
  constexpr bool Has(PanelRole role) const { return (bits_ & Bit(role)) != 0; }
  friend constexpr bool operator==(RoleSet, RoleSet) = default;

 private:
  static constexpr std::uint32_t Bit(PanelRole role) { return std::uint32_t{1} << static_cast<unsigned>(role); }
  std::uint32_t bits_ = 0;
};
static_assert(kPanelRoleCount <= 32, "RoleSet holds one bit per role");

// False only for roles whose visibility someone else decides (the busy animation).
constexpr bool VisibilityFollowsLighting(PanelRole role) { return role != PanelRole::kBusyAnimation; }

// The roles the chosen effect shows while the lamp is on, besides the ones always shown; empty for
// codes the panel does not know (the effect list included).
RoleSet EffectGroup(std::uint8_t effectCode);

// Every visible role for the lamp switch and the effect: the lamp, its caption, the report rate,
// the RGB edits and the colour preset buttons always; the effect's group only while the lamp is on;
// the always-hidden controls never.
RoleSet VisibleRoles(bool lightingOn, std::uint8_t effectCode);

}  // namespace mv::lighting
