// Conversion between twips, the unit of every position and size, and pixels.
#pragma once

#include "checked.h"

namespace velsora {

// A twip is 1/1440 inch, and an inch has as many pixels as the screen's logical DPI, the one
// fonts are sized by: 15 twips a pixel at 96 dpi, the DPI of every ordinary and every scaled
// desktop; fewer where a desktop enlarges its fonts without scaling, so that the controls grow
// with their text. Read from the primary screen the first time it is asked for.
[[nodiscard]] double pixelsPerTwip();

[[nodiscard]] int toPixels(Single twips);

} // namespace velsora
