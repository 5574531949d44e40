// The application's set-up: style, palette, font, Qt's own texts and the window's accessible role.
#include "application.h"
#include "main_window.h"
#include "platform/announcer.h"
#include "platform/classic_palette.h"
#include "platform/style.h"
#include "velsora_version.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace velsora {

QFont formFont()
{
    QFont font(QStringLiteral("Times New Roman"), 12);
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    return font;
}

QIcon programIcon()
{
    // The window's own icon: the 32-pixel image, and 64 pixels for double-density title bars.
    // Menus and docks take the larger sizes from the installed icon theme; decoding them here
    // would only slow the start.
    QIcon icon;
    for (const int size : {32, 64}) {
        icon.addFile(QStringLiteral(":/velsora/icons/velsora-%1.png").arg(size), QSize(size, size));
    }
    return icon;
}

namespace {
// Qt's own texts (context menus, scroll bars, message box buttons) in Bulgarian: compiled into
// the program where it carries them (Windows), else from Qt's installed translations; without
// them those few texts stay in English. The compiled-in ones come first, so that no file on the
// player's disk can stand in for them.
void loadQtTranslations()
{
    auto* translator = new QTranslator(qApp);
    const QString name = QStringLiteral("qtbase_bg");
    if (translator->load(name, QStringLiteral(VELSORA_QT_TRANSLATIONS_PREFIX))
        || translator->load(name, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(translator);
    } else {
        delete translator;
    }
}

// A plain top-level QWidget reaches screen readers as a filler, which they neither announce nor
// read the title of; the game's window is a window, named by its caption.
QAccessibleInterface* windowAccessible(const QString& /*className*/, QObject* object)
{
    auto* window = qobject_cast<MainWindow*>(object);
    return window != nullptr ? new QAccessibleWidget(window, QAccessible::Window) : nullptr;
}
} // namespace

void applyAppearance()
{
    QApplication::setStyle(new PlatformStyle);
    applyClassicColours();
    // One font for everything, Qt's own message boxes and menus too; set before anything asks
    // for the desktop's font, which Qt would otherwise look up and load for nothing.
    QApplication::setFont(formFont());
    loadQtTranslations();
    QAccessible::installFactory(windowAccessible);
    Announcer::registerAccessibleRole();
    QApplication::setApplicationName(QStringLiteral("Velsora"));
    QApplication::setApplicationVersion(QStringLiteral(VELSORA_VERSION));
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(VELSORA_APP_ID));
}

} // namespace velsora
