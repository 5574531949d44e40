// Twips to pixels at the screen's logical DPI.
#include "twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace velsora {

double pixelsPerTwip()
{
    static const double perTwip = [] {
        const QScreen* screen = QGuiApplication::primaryScreen();
        const double dpi = screen != nullptr ? screen->logicalDotsPerInchY() : 96.0;
        return (dpi > 0 ? dpi : 96.0) / 1440.0;
    }();
    return perTwip;
}

int toPixels(Single twips)
{
    return static_cast<int>(std::lround(static_cast<double>(twips) * pixelsPerTwip()));
}

} // namespace velsora
