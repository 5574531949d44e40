// Conversion between twips, the unit of every position and size, and pixels.
#pragma once

#include "checked.h"

#include <cmath>

namespace velsora {

inline constexpr int TwipsPerPixel = 15; // at 96 dots per inch

[[nodiscard]] inline int toPixels(Single twips)
{
    return static_cast<int>(std::lround(static_cast<double>(twips) / TwipsPerPixel));
}

} // namespace velsora
