// The program's widget style: Fusion, which paints button faces in each button's own colour.
#pragma once

#include <QPalette>
#include <QProxyStyle>
#include <vector>

namespace velsora {

// Fusion caches painted buttons under a key made from the palette's identity. Every button
// loaded at run time resolves a palette of its own, so without help each new cell would leave
// fresh cache keys behind for good. This style paints with one shared palette per distinct
// set of colours, so equal buttons share their cache entries.
class PlatformStyle : public QProxyStyle {
public:
    PlatformStyle();

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;

private:
    const QPalette& shared(const QPalette& palette) const;

    static constexpr std::size_t kMaxPalettes = 32;
    mutable std::vector<QPalette> palettes_;
};

} // namespace velsora
