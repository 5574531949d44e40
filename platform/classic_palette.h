// The program's own colours for everything the design leaves to the desktop: one light classic look.
#pragma once

#include <QPalette>

namespace velsora {

// Light faces with black text, white text boxes and lists, a navy selection with white text,
// 3-D edges light at the top and left and dark at the bottom and right. Every role of every
// group is set, so no colour comes from the desktop's scheme: under a dark scheme the design's
// fixed light faces would otherwise carry light text, and the list and help text turn dark
// inside the lilac window. The selection is the same with and without the focus, so the chosen
// number stays marked while the player is on the board.
[[nodiscard]] QPalette classicPalette();

// Makes the classic palette the application's, for Qt's own windows too (message boxes, context
// menus, tooltips), and on Qt 6.8 and later asks for light window frames, so that title bars do
// not turn dark around the light window. Once, before the window is made.
void applyClassicColours();

} // namespace velsora
