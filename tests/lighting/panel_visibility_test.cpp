// The lighting panel's visibility rule: what each effect shows with the lamp on, and that the lamp
// off leaves only the lamp and the always-shown controls.
#include "lighting/panel_visibility.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace mv::lighting {
namespace {

using R = PanelRole;

const char* RoleName(PanelRole role) {
  static const char* const kNames[] = {
      "lamp",          "lamp caption",      "effect list",     "effect arrows",   "brightness caption",
      "brightness",    "speed caption",     "speed",           "direction caption", "direction pictures",
      "HX colour",     "FY colour",         "preset colours",  "user mode",       "report-rate caption",
      "report rate",   "RGB edits",         "colour presets",  "busy animation",  "always hidden",
  };
  static_assert(sizeof(kNames) / sizeof(kNames[0]) == kPanelRoleCount);
  return kNames[static_cast<int>(role)];
}

std::string Describe(RoleSet set) {
  std::string text;
  for (int i = 0; i < kPanelRoleCount; ++i) {
    if (!set.Has(static_cast<PanelRole>(i))) continue;
    if (!text.empty()) text += ", ";
    text += RoleName(static_cast<PanelRole>(i));
  }
  return text;
}

const std::vector<R> kAlways = {R::kLamp, R::kLampCaption, R::kReportRateCaption, R::kReportRateButtons,
                                R::kRgbEdits, R::kColourPresetButtons};
const std::vector<R> kBase = {R::kEffectList, R::kEffectArrows, R::kBrightnessCaption, R::kBrightnessSlider};
const std::vector<R> kSpeed = {R::kSpeedCaption, R::kSpeedSlider};
const std::vector<R> kDirection = {R::kDirectionCaption, R::kDirectionPictures};

RoleSet Join(std::initializer_list<std::vector<R>> parts) {
  RoleSet set;
  for (const auto& part : parts)
    for (R role : part) set.Add(role);
  return set;
}

struct Case {
  int effect;
  RoleSet expected;  // with the lamp on
};

TEST(PanelVisibility, EachEffectShowsItsGroupWithTheLampOn) {
  const std::vector<Case> cases = {
      {1, Join({kAlways, kBase, kSpeed, kDirection, {R::kHxColourGroup}})},
      {3, Join({kAlways, kBase, kSpeed, kDirection, {R::kHxColourGroup}})},
      {4, Join({kAlways, kBase, kSpeed})},
      {5, Join({kAlways, kBase, kSpeed, {R::kHxColourGroup}})},
      {7, Join({kAlways, kBase, kSpeed, {R::kHxColourGroup}})},
      // Effect 12 has its own direction pictures, yet shows no direction controls.
      {12, Join({kAlways, kBase, kSpeed, {R::kHxColourGroup}})},
      {15, Join({kAlways, kBase, kSpeed, {R::kHxColourGroup}})},
      {6, Join({kAlways, kBase, {R::kFyColourGroup}})},
      {16, Join({kAlways, kBase, {R::kFyColourGroup}})},
      {17, Join({kAlways, kBase, {R::kPresetColours}})},
      {18, Join({kAlways, kBase, kDirection})},
      {20, Join({kAlways, kBase, {R::kUserMode}})},
      // Unknown codes hide every lighting control, the effect list included.
      {0, Join({kAlways})},
      {19, Join({kAlways})},
      {21, Join({kAlways})},
      {255, Join({kAlways})},
  };
  for (const Case& c : cases) {
    const RoleSet got = VisibleRoles(true, static_cast<std::uint8_t>(c.effect));
    EXPECT_EQ(got, c.expected) << "effect " << c.effect << ": got {" << Describe(got) << "}, want {"
                               << Describe(c.expected) << "}";
  }
}

TEST(PanelVisibility, LampOffShowsOnlyTheLampAndTheAlwaysShownControls) {
  const RoleSet off = Join({kAlways});
  for (int effect = 0; effect <= 255; ++effect) {
    const RoleSet got = VisibleRoles(false, static_cast<std::uint8_t>(effect));
    ASSERT_EQ(got, off) << "effect " << effect << ": {" << Describe(got) << "}";
  }
}

TEST(PanelVisibility, HiddenAndBusyRolesAreNeverShown) {
  for (bool on : {false, true}) {
    for (int effect = 0; effect <= 255; ++effect) {
      const RoleSet got = VisibleRoles(on, static_cast<std::uint8_t>(effect));
      ASSERT_FALSE(got.Has(R::kAlwaysHidden)) << "effect " << effect;
      ASSERT_FALSE(got.Has(R::kBusyAnimation)) << "effect " << effect;
      for (R role : kAlways) ASSERT_TRUE(got.Has(role)) << "effect " << effect << " lost " << RoleName(role);
    }
  }
  EXPECT_FALSE(VisibilityFollowsLighting(R::kBusyAnimation));
  EXPECT_TRUE(VisibilityFollowsLighting(R::kAlwaysHidden));
}

}  // namespace
}  // namespace mv::lighting
