// Fusion with palettes shared between equal-looking controls.
#include "style.h"

#include <QStyleFactory>
#include <QStyleOption>

namespace velsora {

PlatformStyle::PlatformStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

void PlatformStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                  const QWidget* widget) const
{
    if (option == nullptr) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    const QPalette& palette = shared(option->palette);
    if (palette.cacheKey() == option->palette.cacheKey()) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    // Only the palette changes; the option keeps its own type for the style to cast.
    auto* same = const_cast<QStyleOption*>(option);
    const QPalette own = same->palette;
    same->palette = palette;
    QProxyStyle::drawPrimitive(element, same, painter, widget);
    same->palette = own;
}

const QPalette& PlatformStyle::shared(const QPalette& palette) const
{
    for (const QPalette& known : palettes_) {
        if (known == palette) {
            return known;
        }
    }
    if (palettes_.size() >= kMaxPalettes) {
        return palette; // an unusual number of colour sets: paint as given
    }
    palettes_.push_back(palette);
    return palettes_.back();
}

} // namespace velsora
