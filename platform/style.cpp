// Fusion with classic colour push buttons and palettes shared between equal-looking controls.
#include "style.h"

#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>

namespace velsora {

namespace {
// Two one-pixel lines along the top and left, and along the bottom and right, of a rectangle.
void edge(QPainter* painter, const QRect& r, const QColor& topLeft, const QColor& bottomRight)
{
    painter->fillRect(QRect(r.left(), r.top(), r.width() - 1, 1), topLeft);
    painter->fillRect(QRect(r.left(), r.top(), 1, r.height() - 1), topLeft);
    painter->fillRect(QRect(r.left(), r.bottom(), r.width(), 1), bottomRight);
    painter->fillRect(QRect(r.right(), r.top(), 1, r.height()), bottomRight);
}
} // namespace

PlatformStyle::PlatformStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

void PlatformStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                                const QWidget* widget) const
{
    const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
    if (element == CE_PushButton && button != nullptr && (button->features & QStyleOptionButton::Flat) == 0) {
        drawClassicButton(*button, painter, widget);
        return;
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

void PlatformStyle::drawClassicButton(const QStyleOptionButton& option, QPainter* painter, const QWidget* widget) const
{
    const QPalette& pal = option.palette;
    const QRect r = option.rect;
    const bool sunken = (option.state & (State_Sunken | State_On)) != 0;
    painter->fillRect(r, pal.color(QPalette::Button));
    if (sunken) {
        // Pressed: a dark outline with a shadow inside it, and the caption one pixel down and right.
        edge(painter, r, pal.color(QPalette::Shadow), pal.color(QPalette::Shadow));
        edge(painter, r.adjusted(1, 1, -1, -1), pal.color(QPalette::Dark), pal.color(QPalette::Button));
    } else {
        edge(painter, r, pal.color(QPalette::Light), pal.color(QPalette::Shadow));
        edge(painter, r.adjusted(1, 1, -1, -1), pal.color(QPalette::Midlight), pal.color(QPalette::Dark));
    }
    if ((option.state & State_HasFocus) != 0 && r.width() > 8 && r.height() > 8) {
        painter->save();
        painter->setPen(QPen(pal.color(QPalette::ButtonText), 1, Qt::DotLine));
        painter->drawRect(r.adjusted(3, 3, -4, -4));
        painter->restore();
    }
    QStyleOptionButton label = option;
    label.rect = subElementRect(SE_PushButtonContents, &option, widget);
    if (sunken) {
        label.rect.translate(1, 1);
    }
    QProxyStyle::drawControl(CE_PushButtonLabel, &label, painter, widget);
}

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
