// The fixed classic palette and its use across the application.
#include "classic_palette.h"

#include <QApplication>
#include <QStyleHints>
#include <QToolTip>

namespace velsora {

QPalette classicPalette()
{
    struct Role {
        QPalette::ColorRole role = QPalette::NoRole;
        QColor enabled;
        QColor disabled;
    };
    const QColor black(0, 0, 0);
    const QColor white(255, 255, 255);
    const QColor face(239, 239, 239);
    const QColor grey(190, 190, 190);
    const QColor navy(0, 0, 128);
    const QColor placeholder(0, 0, 0, 128);
    const Role roles[] = {
        {QPalette::WindowText, black, grey},
        {QPalette::Button, face, face},
        {QPalette::Light, white, white},
        {QPalette::Midlight, QColor(202, 202, 202), QColor(202, 202, 202)},
        {QPalette::Dark, QColor(159, 159, 159), grey},
        {QPalette::Mid, QColor(184, 184, 184), QColor(184, 184, 184)},
        {QPalette::Text, black, grey},
        {QPalette::BrightText, white, white},
        {QPalette::ButtonText, black, grey},
        {QPalette::Base, white, face},
        {QPalette::Window, face, face},
        {QPalette::Shadow, QColor(118, 118, 118), QColor(177, 177, 177)},
        {QPalette::Highlight, navy, QColor(145, 145, 145)},
        {QPalette::HighlightedText, white, white},
        {QPalette::Link, QColor(0, 0, 255), QColor(0, 0, 255)},
        {QPalette::LinkVisited, QColor(255, 0, 255), QColor(255, 0, 255)},
        {QPalette::AlternateBase, QColor(247, 247, 247), QColor(247, 247, 247)},
        {QPalette::ToolTipBase, QColor(255, 255, 220), QColor(255, 255, 220)},
        {QPalette::ToolTipText, black, black},
        {QPalette::PlaceholderText, placeholder, placeholder},
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
        {QPalette::Accent, navy, QColor(145, 145, 145)},
#endif
    };
    QPalette palette;
    for (const Role& r : roles) {
        palette.setColor(QPalette::Active, r.role, r.enabled);
        palette.setColor(QPalette::Inactive, r.role, r.enabled);
        palette.setColor(QPalette::Disabled, r.role, r.disabled);
    }
    return palette;
}

void applyClassicColours()
{
    const QPalette palette = classicPalette();
    // The application palette with every role set also drops the desktop theme's palettes for
    // particular kinds of widget (menus, text edits, item views).
    QApplication::setPalette(palette);
    QToolTip::setPalette(palette);
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QGuiApplication::styleHints()->setColorScheme(Qt::ColorScheme::Light);
#endif
}

} // namespace velsora
