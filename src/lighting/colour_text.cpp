// The colour component edits' input rule; see colour_text.h.
#include "lighting/colour_text.h"

namespace mv::lighting {

std::u16string ColourComponentText(std::u16string_view typed) {
  std::u16string digits;
  int value = 0;
  for (char16_t c : typed) {
    if (c < u'0' || c > u'9') continue;
    digits.push_back(c);
    // Stops growing once above the maximum: any longer run of digits is over it too.
    if (value <= kColourComponentMax) value = value * 10 + (c - u'0');
  }
  if (value > kColourComponentMax) return u"255";
  return digits;
}

}  // namespace mv::lighting
