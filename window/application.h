// The application's set-up before its window: style, palette, font, Qt's own texts, screen readers.
#pragma once

#include <QFont>
#include <QIcon>

namespace velsora {

// The window's icon.
QIcon programIcon();

// Application-wide look: the style that paints coloured button faces, names and version,
// Qt's own texts in Bulgarian, and the window's role for screen readers.
void applyAppearance();

// The window's font, taken by every control: Times New Roman, 12 pt, regular.
QFont formFont();

} // namespace velsora
