// The program's widget style: Fusion, with classic flat push buttons in each button's own colour.
#pragma once

#include <QProxyStyle>

class QStyleOptionButton;
class QStyleOptionSlider;

namespace velsora {

// Push buttons are drawn as on the classic desktop the game was designed for: a flat face in the
// button's own colour, a raised 3-D edge (sunken while pressed), a dotted focus rectangle inside
// the face, and the caption drawn last so that nothing covers it. Scroll bars match them: 3-D
// arrow buttons and thumb in the button face colour over a dotted track.
// Everything else is Fusion.
class PlatformStyle : public QProxyStyle {
public:
    PlatformStyle();

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget = nullptr) const override;

    // The classic focus mark: a dotted rectangle just inside `rect`, in `color`.
    static void drawDottedFocus(QPainter* painter, const QRect& rect, const QColor& color);

private:
    void drawClassicButton(const QStyleOptionButton& option, QPainter* painter, const QWidget* widget) const;
    void drawClassicScrollBar(const QStyleOptionSlider& option, QPainter* painter, const QWidget* widget) const;
};

} // namespace velsora
