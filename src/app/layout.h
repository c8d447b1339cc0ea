// Skin layout entries and the other values of the skin files: where each control sits, which
// image buttons are disabled, the link address, the background and mask pictures, the lighting
// panel's captions and effect names.
#pragma once

#include <string>
#include <string_view>

namespace mv::app {

// Position and size of a control in its parent's client area.
struct LayoutEntry {
  int x = 1;
  int y = 1;
  int w = 1;
  int h = 1;
  friend bool operator==(const LayoutEntry&, const LayoutEntry&) = default;
};

inline constexpr std::u16string_view kLayoutSection = u"BUTTONINFO";
// What a missing entry reads as.
inline constexpr std::u16string_view kLayoutDefault = u"1,1,1,1,x";

// "x,y,w,h" read like sscanf("%d,%d,%d,%d"): blanks before a number are skipped, text after the
// fourth number is ignored. Reading stops at the first field that does not match, and the numbers
// not read keep 1, as in a missing entry, so a malformed value gives a disabled 1 x 1 control
// rather than an arbitrary one. Numbers beyond the range of int saturate.
LayoutEntry ParseLayoutEntry(std::u16string_view text);

// No window of the program is larger than this; an entry reaching past it is no placement.
inline constexpr int kLayoutCoordinateLimit = 16384;

// The entry when its rectangle lies within 0..kLayoutCoordinateLimit on both axes (zero sizes
// allowed); otherwise the default entry 1,1,1,1, so a hostile value gives a disabled 1 x 1 control
// instead of one far off the window or sized beyond what the window system accepts.
LayoutEntry SaneLayoutEntry(const LayoutEntry& entry);

// One entry of a layout file (default kLayoutDefault), made sane.
LayoutEntry ReadLayoutEntry(const std::u16string& file, std::u16string_view section, std::u16string_view key);

// An image button placed at (1, 1) is disabled, so a missing entry disables it too.
bool DisablesImageButton(const LayoutEntry& entry);

// Entry names: "KEY_%03X" for a keyboard key by its key index (0 to 255), "FUNC_G%d" for G key n.
std::u16string KeyEntryName(int keyIndex);
std::u16string GKeyEntryName(int n);

// "SCREEN"/"Link" of the main layout file: the address the link button opens.
inline constexpr std::u16string_view kDefaultLinkAddress = u"https://www.example.com/";
std::u16string ReadLinkAddress(const std::u16string& mainLayoutFile);

// "SCREEN"/"Main" and "SCREEN"/"Mask" of a dialog's layout file: its background and window-shape
// pictures, file names relative to the skins folder. The mask defaults to the background.
// A background with painted texts has a Chinese picture as well, "SCREEN"/"MainChinese"; in
// Chinese a layout file without one uses "Main". The shape is the same in both languages.
struct SkinPictureNames {
  std::u16string background;
  std::u16string mask;
};
SkinPictureNames ReadSkinPictureNames(const std::u16string& layoutFile, bool english = true);

// Captions of the lighting panel's labels, keys "Usb", "Deng", "Light", "FX", "Speed", "Color",
// "JColor", "DC", "Tool": section "Control_Name1" in English, "Control_Name" in Chinese; default empty.
std::u16string_view CaptionSection(bool english);
std::u16string ReadControlCaption(const std::u16string& mainLayoutFile, bool english, std::u16string_view key);

// Name of a lighting effect by its code: section "Mode1" in English, "Mode" in Chinese, key the
// code in decimal, default "1".
std::u16string_view EffectNameSection(bool english);
std::u16string ReadEffectName(const std::u16string& mainLayoutFile, bool english, int effectCode);

}  // namespace mv::app
