// The visibility rule of the lighting panel: the effect groups and the lamp switch.
#include "lighting/panel_visibility.h"

namespace mv::lighting {

namespace {
using R = PanelRole;

constexpr RoleSet kAlwaysShown{R::kLamp,          R::kLampCaption, R::kReportRateCaption,
                               R::kReportRateButtons, R::kRgbEdits, R::kColourPresetButtons};

// Every effect the panel knows shows its list and the brightness.
constexpr RoleSet kListAndBrightness{R::kEffectList, R::kEffectArrows, R::kBrightnessCaption, R::kBrightnessSlider};
constexpr RoleSet kSpeed{R::kSpeedCaption, R::kSpeedSlider};
constexpr RoleSet kDirection{R::kDirectionCaption, R::kDirectionPictures};

RoleSet With(RoleSet base, std::initializer_list<RoleSet> parts) {
  for (RoleSet part : parts) base.Add(part);
  return base;
}
}  // namespace

RoleSet EffectGroup(std::uint8_t effectCode) {
  switch (effectCode) {
    case 1:
    case 2:
    case 3:
      return With(kListAndBrightness, {kSpeed, kDirection, RoleSet{R::kHxColourGroup}});
    case 4:
      return With(kListAndBrightness, {kSpeed});
    case 5:
    case 7:
    case 8:
    case 9:
    case 10:
    case 11:
    case 12:
    case 13:
    case 14:
    case 15:
      return With(kListAndBrightness, {kSpeed, RoleSet{R::kHxColourGroup}});
    case 6:
    case 16:
      return With(kListAndBrightness, {RoleSet{R::kFyColourGroup}});
    case 17:
      return With(kListAndBrightness, {RoleSet{R::kPresetColours}});
    case 18:
      return With(kListAndBrightness, {kDirection});
    case 20:
      return With(kListAndBrightness, {RoleSet{R::kUserMode}});
    default:
      return {};
  }
}

RoleSet VisibleRoles(bool lightingOn, std::uint8_t effectCode) {
  RoleSet visible = kAlwaysShown;
  if (lightingOn) visible.Add(EffectGroup(effectCode));
  return visible;
}

}  // namespace mv::lighting
