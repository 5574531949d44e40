// Fusion with classic colour push buttons and scroll bars.
#include "style.h"

#include <QAbstractItemView>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>
#include <algorithm>
#include <cmath>
#include <map>
#include <utility>

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

// The classic faces, filled with the button colour: raised (light top and left, dark bottom and
// right), pushed (a push button held down: a dark outline with a shadow inside) and flat (a scroll
// arrow held down).
enum class Face { Raised, Pushed, Flat };
void face(QPainter* painter, const QRect& r, const QPalette& pal, Face look)
{
    painter->fillRect(r, pal.color(QPalette::Button));
    const QRect inside = r.adjusted(1, 1, -1, -1);
    switch (look) {
    case Face::Raised:
        edge(painter, r, pal.color(QPalette::Light), pal.color(QPalette::Shadow));
        edge(painter, inside, pal.color(QPalette::Midlight), pal.color(QPalette::Dark));
        break;
    case Face::Pushed:
        edge(painter, r, pal.color(QPalette::Shadow), pal.color(QPalette::Shadow));
        edge(painter, inside, pal.color(QPalette::Dark), pal.color(QPalette::Button));
        break;
    case Face::Flat:
        edge(painter, r, pal.color(QPalette::Dark), pal.color(QPalette::Dark));
        break;
    }
}

// A checkerboard of dot-sized squares of `color` on nothing, its first square set: made once for
// each colour and size of dot, as a ready image the painter fills from without converting it.
const QImage& checker(const QColor& color, int dot)
{
    static std::map<std::pair<QRgb, int>, QImage> made;
    const std::pair<QRgb, int> key{color.rgba(), dot};
    auto found = made.find(key);
    if (found == made.end()) {
        QImage squares(2 * dot, 2 * dot, QImage::Format_ARGB32_Premultiplied);
        squares.fill(Qt::transparent);
        QPainter painter(&squares);
        painter.fillRect(0, 0, dot, dot, color);
        painter.fillRect(dot, dot, dot, dot, color);
        painter.end();
        found = made.emplace(key, squares).first;
    }
    return found->second;
}

// A solid arrow head centred in `r`, pointing along `direction` (Qt::UpArrow and so on), built
// from one-pixel lines so it stays crisp at every scale.
void arrowHead(QPainter* painter, const QRect& r, Qt::ArrowType direction, const QColor& color)
{
    const int depth = std::max(2, std::min(r.width(), r.height()) / 4);
    const QPoint centre = r.center();
    for (int i = 0; i < depth; ++i) {
        // Line i, counted from the point: 2i+1 pixels long.
        const int along = i - depth / 2;
        switch (direction) {
        case Qt::UpArrow:
            painter->fillRect(QRect(centre.x() - i, centre.y() + along, 2 * i + 1, 1), color);
            break;
        case Qt::DownArrow:
            painter->fillRect(QRect(centre.x() - i, centre.y() - along, 2 * i + 1, 1), color);
            break;
        case Qt::LeftArrow:
            painter->fillRect(QRect(centre.x() + along, centre.y() - i, 1, 2 * i + 1), color);
            break;
        default:
            painter->fillRect(QRect(centre.x() - along, centre.y() - i, 1, 2 * i + 1), color);
            break;
        }
    }
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
    // Held down, the caption moves one pixel down and right.
    const bool sunken = (option.state & (State_Sunken | State_On)) != 0;
    face(painter, r, pal, sunken ? Face::Pushed : Face::Raised);
    if ((option.state & State_HasFocus) != 0 && r.width() > 8 && r.height() > 8) {
        drawDottedFocus(painter, r.adjusted(3, 3, -3, -3), pal.color(QPalette::ButtonText));
    }
    QStyleOptionButton label = option;
    label.rect = subElementRect(SE_PushButtonContents, &option, widget);
    if (sunken) {
        label.rect.translate(1, 1);
    }
    QProxyStyle::drawControl(CE_PushButtonLabel, &label, painter, widget);
}

void PlatformStyle::drawDottedFocus(QPainter* painter, const QRect& rect, const QColor& color)
{
    // In device pixels, all inside `rect`: a pen line along the rectangle's edge falls half
    // outside it at fractional scales, where the widget's edge cuts it off. The dots are those of
    // a checkerboard laid from the top-left corner, as the classic desktop draws them, so that
    // four thin fills draw the whole mark.
    const qreal ratio = painter->device()->devicePixelRatioF();
    const int dot = std::max(1, qRound(ratio));
    const int left = static_cast<int>(std::ceil(rect.left() * ratio));
    const int top = static_cast<int>(std::ceil(rect.top() * ratio));
    const int right = static_cast<int>(std::floor((rect.right() + 1) * ratio)) - dot;
    const int bottom = static_cast<int>(std::floor((rect.bottom() + 1) * ratio)) - dot;
    if (right < left || bottom < top) {
        return;
    }
    painter->save();
    painter->setWorldTransform(QTransform::fromScale(1 / ratio, 1 / ratio), true);
    painter->setBrushOrigin(left, top);
    const QBrush dots(checker(color, dot));
    painter->fillRect(QRect(left, top, right - left + dot, dot), dots);
    painter->fillRect(QRect(left, bottom, right - left + dot, dot), dots);
    painter->fillRect(QRect(left, top, dot, bottom - top + dot), dots);
    painter->fillRect(QRect(right, top, dot, bottom - top + dot), dots);
    painter->restore();
}

void PlatformStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                                       const QWidget* widget) const
{
    const auto* slider = qstyleoption_cast<const QStyleOptionSlider*>(option);
    if (control == CC_ScrollBar && slider != nullptr) {
        drawClassicScrollBar(*slider, painter, widget);
        return;
    }
    QProxyStyle::drawComplexControl(control, option, painter, widget);
}

void PlatformStyle::drawClassicScrollBar(const QStyleOptionSlider& option, QPainter* painter,
                                         const QWidget* widget) const
{
    const QPalette& pal = option.palette;
    const bool horizontal = option.orientation == Qt::Horizontal;
    const bool enabled = (option.state & State_Enabled) != 0 && option.maximum > option.minimum;
    const auto pressed = [&](SubControl part) {
        return (option.activeSubControls & part) != 0 && (option.state & State_Sunken) != 0;
    };
    // The track: the classic dither of the button face and its light colour.
    const QRect groove = subControlRect(CC_ScrollBar, &option, SC_ScrollBarGroove, widget);
    painter->fillRect(groove, pal.color(QPalette::Button));
    painter->fillRect(groove, QBrush(pal.color(QPalette::Light), Qt::Dense4Pattern));
    for (const SubControl page : {SC_ScrollBarSubPage, SC_ScrollBarAddPage}) {
        if (pressed(page)) {
            painter->fillRect(subControlRect(CC_ScrollBar, &option, page, widget), pal.color(QPalette::Shadow));
        }
    }
    const QColor arrowColour = pal.color(enabled ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText);
    const std::pair<SubControl, Qt::ArrowType> arrows[] = {
        {SC_ScrollBarSubLine, horizontal ? Qt::LeftArrow : Qt::UpArrow},
        {SC_ScrollBarAddLine, horizontal ? Qt::RightArrow : Qt::DownArrow}};
    for (const auto& [part, direction] : arrows) {
        QRect r = subControlRect(CC_ScrollBar, &option, part, widget);
        if (r.isEmpty()) {
            continue;
        }
        face(painter, r, pal, pressed(part) ? Face::Flat : Face::Raised);
        arrowHead(painter, pressed(part) ? r.translated(1, 1) : r, direction, arrowColour);
    }
    const QRect thumb = subControlRect(CC_ScrollBar, &option, SC_ScrollBarSlider, widget);
    if (enabled && !thumb.isEmpty()) {
        face(painter, thumb, pal, Face::Raised);
    }
}

void PlatformStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                  const QWidget* widget) const
{
    // Lists draw their own classic focus rectangle around the current item.
    if (element == PE_FrameFocusRect && qobject_cast<const QAbstractItemView*>(widget) != nullptr) {
        return;
    }
    // The frame of the list and the help text, in Fusion's colour, but as whole pixels: Fusion's
    // pen line falls half a pixel off at scale 2, one pixel short with a gap inside.
    if (element == PE_Frame && option != nullptr) {
        const QColor outline = option->palette.color(QPalette::Window).darker(140).lighter(108);
        edge(painter, option->rect, outline, outline);
        return;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

} // namespace velsora
