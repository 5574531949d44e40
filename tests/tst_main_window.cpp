// The start-up window against its design: every control, the window's attributes, focus and keys.
#include "support/settle.h"
#include "support/test_main.h"
#include "support/window_driver.h"

#include "window/design.h"

#include <QAccessible>
#include <QFontInfo>
#include <QImageReader>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTextBlock>
#include <QTranslator>

namespace design = velsora::design;
using velsora::testing::Steps;
using velsora::testing::WindowDriver;
using namespace velsora::testing::steps;

namespace {
QString shownText(QWidget* w)
{
    if (auto* b = qobject_cast<QAbstractButton*>(w)) return b->text();
    if (auto* l = qobject_cast<QLabel*>(w)) return l->text();
    return {}; // the list's items and the help text are checked on their own
}

// What a mark adds to a control, as a person sees it: the WCAG contrast of the changed pixel that
// stands out most against what was there before (1 when nothing changed).
double markContrast(const QImage& with, const QImage& without)
{
    const auto luminance = [](const QColor& c) {
        const auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
    };
    double most = 1;
    for (int y = 0; y < with.height(); ++y) {
        for (int x = 0; x < with.width(); ++x) {
            const double a = luminance(with.pixelColor(x, y));
            const double b = luminance(without.pixelColor(x, y));
            most = std::max(most, (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05));
        }
    }
    return most;
}
} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void controls_data();
    void controls();
    void window();
    void fontEverywhere();
    void focusAndTabOrder();
    void arrowKeysChooseSize();
    void helpTextBox();
    void titleClickDoesNothing();
    void hiddenCornerLabel();
    void pictureAtNaturalSize();
    void buttonFacesPaintTheirColour_data();
    void buttonFacesPaintTheirColour();
    void enterPressesFocusedButton_data();
    void enterPressesFocusedButton();
    void listShowsItsFocus_data();
    void listShowsItsFocus();
    void framesWholeAtScale2_data();
    void framesWholeAtScale2();
};

void TestMainWindow::controls_data()
{
    QTest::addColumn<int>("at"); // in the design's table
    for (std::size_t i = 0; i < design::kControls.size(); ++i) {
        const design::Control& c = design::kControls[i];
        const QString name = QString::fromUtf8(c.name.data(), qsizetype(c.name.size()));
        QTest::newRow(qPrintable(c.index < 0 ? name : QStringLiteral("%1(%2)").arg(name).arg(c.index))) << int(i);
    }
}

// Each control as the design's table has it, on the screen at the screen's resolution.
void TestMainWindow::controls()
{
    QFETCH(int, at);
    const design::Control& c = design::kControls[std::size_t(at)];
    WindowDriver d;
    velsora::Control& control = d.controls().find(c.name, velsora::Integer(c.index));
    QWidget* w = control.widget();
    const std::array classes{"QPushButton", "QPlainTextEdit", "velsora::ClassicListWidget", "QLabel", "QLabel"};
    QCOMPARE(w->metaObject()->className(), classes.at(std::size_t(c.kind)));
    const QRectF twips(c.left, c.top, c.width, c.height);
    const qreal perTwip = w->logicalDpiX() / 1440.0;
    QCOMPARE(w->geometry(), QRectF(twips.topLeft() * perTwip, twips.size() * perTwip).toRect());
    QCOMPARE(control.Visible(), c.visible);
    QCOMPARE(w->isVisible(), c.visible);
    // What shows lies inside the window; the board's template cell and sum label mark its corner.
    QVERIFY(!c.visible || d.window().rect().contains(w->geometry()));
    const QString caption = QString::fromUtf8(c.caption.data(), qsizetype(c.caption.size()));
    QCOMPARE(shownText(w), caption);
    QVERIFY(w->isEnabled());
    // A list or text box shows its viewport; the others their own background.
    const auto* area = qobject_cast<QAbstractScrollArea*>(w);
    const QWidget* back = area != nullptr ? area->viewport() : w;
    const bool ownColour = c.colour != design::kStandard;
    const QColor standard = c.kind == design::Kind::Picture ? QColor::fromRgb(design::kFormColour) : QColor(Qt::white);
    const QColor colour = c.colour == design::kButtonFace ? QColor(239, 239, 239) : QColor::fromRgb(QRgb(c.colour));
    QCOMPARE(back->palette().color(back->backgroundRole()), ownColour ? colour : standard);
    QCOMPARE(w->testAttribute(Qt::WA_SetPalette), ownColour);
    // A label paints its own colour over the window's; a button paints only its face.
    QCOMPARE(w->autoFillBackground(), ownColour && c.kind == design::Kind::Label);
}

void TestMainWindow::window()
{
    WindowDriver d;
    velsora::MainWindow& w = d.window();
    QCOMPARE(w.objectName(), QStringLiteral("Velsora"));
    QVERIFY(w.windowTitle().endsWith(QStringLiteral(" Velsora с нечетен брой")));
    QVERIFY(w.windowTitle().startsWith(QStringLiteral("https://")));
    QCOMPARE(w.size(), QSize(509, 526));
    QCOMPARE(w.minimumSize(), w.maximumSize());
    const Qt::WindowFlags flags = w.windowFlags();
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(flags & Qt::WindowSystemMenuHint);
    QCOMPARE(w.palette().color(QPalette::Window), QColor::fromRgb(design::kFormColour));
    QVERIFY(!w.windowIcon().isNull());
    // Screen readers announce it as a window named by its caption.
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&w);
    QCOMPARE(accessible->role(), QAccessible::Window);
    QCOMPARE(accessible->text(QAccessible::Name), w.windowTitle());
    QCOMPARE(w.windowIcon().availableSizes().value(0), QSize(32, 32));
    // Centred on the screen; the frame, unknown until the window maps, may shift it by its width.
    const QRect screen = w.screen()->availableGeometry();
    QVERIFY(qAbs(w.geometry().center().x() - screen.center().x()) <= 3);
    QVERIFY(qAbs(w.geometry().center().y() - screen.center().y()) <= 3);
}

void TestMainWindow::fontEverywhere()
{
    WindowDriver d;
    const QFont font = d.window().font();
    QCOMPARE(font.family(), QStringLiteral("Times New Roman"));
    QCOMPARE(font.pointSize(), 12);
    QCOMPARE(font.weight(), QFont::Normal);
    QVERIFY(!font.italic() && !font.underline() && !font.strikeOut());
    // The layout is measured in Times New Roman's metrics: any other face clips three-digit numbers.
    const QString resolved = QFontInfo(font).family();
    const QStringList compatible{"Times New Roman", "Liberation Serif", "Tinos"};
    QVERIFY2(compatible.contains(resolved),
             qPrintable(QStringLiteral("\"Times New Roman\" resolves to %1, which is not metric-compatible with it; "
                                       "install fonts-liberation")
                            .arg(resolved)));
    QVERIFY(QFontMetrics(font).inFont(QChar(0x0427))); // Ч
    const auto children = d.window().findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    QCOMPARE(children.size(), 11); // the ten controls and the invisible announcer for screen readers
    for (QWidget* child : children) {
        QVERIFY2(!child->testAttribute(Qt::WA_SetFont), child->metaObject()->className());
        QCOMPARE(child->font(), font);
    }
}

void TestMainWindow::focusAndTabOrder()
{
    WindowDriver d;
    QVERIFY(d.activate());
    velsora::DesignControls& c = d.controls();
    QCOMPARE(QApplication::focusWidget(), c.List1.widget());
    // Hidden controls and labels are skipped; the cycle returns to the list.
    const QList<QWidget*> expected{c.Command2.widget(), c.Text1(0).widget(), c.Command3.widget(), c.List1.widget()};
    for (QWidget* next : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), next);
    }
}

void TestMainWindow::arrowKeysChooseSize()
{
    WindowDriver d;
    QListWidget* list = d.controls().List1.list();
    QCOMPARE(d.selectedRow(), 1);
    QTest::keyClick(list, Qt::Key_Down);
    QCOMPARE(d.pool().value(d.selectedRow()), QStringLiteral("7"));
    QTest::keyClick(list, Qt::Key_End);
    QTest::keyClick(list, Qt::Key_Down);
    QCOMPARE(d.pool().value(d.selectedRow()), QStringLiteral("11"));
    QTest::keyClick(list, Qt::Key_Home);
    QTest::keyClick(list, Qt::Key_Up);
    QCOMPARE(d.pool().value(d.selectedRow()), QStringLiteral("3"));
}

void TestMainWindow::helpTextBox()
{
    WindowDriver d;
    velsora::TextBox& help = d.controls().Text1(0);
    QPlainTextEdit* edit = help.edit();
    const QStringList lines = help.Text().split(QStringLiteral("\r\n"));
    QCOMPARE(lines.size(), 27); // 26 lines, each ended by CR LF
    // One block a line, and the final line end leaves an empty last block; no CR is shown.
    QCOMPARE(edit->document()->blockCount(), 27);
    for (int i = 0; i < 26; ++i) {
        QCOMPARE(edit->document()->findBlockByNumber(i).text(), lines[i]);
    }
    QVERIFY(!edit->toPlainText().contains(QLatin1Char('\r')));
    QVERIFY(edit->isReadOnly());
    QCOMPARE(edit->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    QCOMPARE(edit->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    // Typing changes nothing; the text can still be selected.
    const QString shown = edit->toPlainText();
    edit->setFocus();
    QTest::keyClicks(edit, QStringLiteral("abc"));
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClick(edit, Qt::Key_Backspace);
    QCOMPARE(edit->toPlainText(), shown);
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QVERIFY(edit->textCursor().hasSelection());
    // Its context menu is Qt's own, in Bulgarian like every other text of the window, from the
    // program's own copy of Qt's texts (the tests carry it, as the Windows program does).
    QVERIFY(qApp->findChild<QTranslator*>()->filePath().startsWith(QLatin1String(":/")));
    const std::unique_ptr<QMenu> menu(edit->createStandardContextMenu());
    const QString copy = menu->actions().value(0)->text();
    QVERIFY2(!copy.contains(QLatin1String("Copy")) && copy.contains(QRegularExpression(QStringLiteral("[А-я]"))),
             qPrintable(copy));
    QCOMPARE(menu->font(), d.window().font()); // Qt's own menus take the window's font too
    // Long lines wrap: the 26 lines take more visual lines than blocks.
    int visualLines = 0;
    for (QTextBlock b = edit->document()->begin(); b.isValid(); b = b.next())
        visualLines += b.lineCount();
    QVERIFY(visualLines > 27);
    QScrollBar* bar = edit->verticalScrollBar();
    QVERIFY(bar->maximum() > 0);
    // Its thumb, at the top just below the square arrow button, is a raised face: light left edge,
    // dark right edge.
    bar->setValue(0);
    const QImage look = bar->grab().toImage();
    const int y = bar->width() + 3;
    const int face = look.pixelColor(bar->width() / 2, y).lightness();
    QVERIFY(look.pixelColor(0, y).lightness() > face && look.pixelColor(bar->width() - 1, y).lightness() < face);
}

void TestMainWindow::titleClickDoesNothing()
{
    WindowDriver d;
    velsora::DesignControls& c = d.controls();
    QTest::mouseClick(c.Label2(0).widget(), Qt::LeftButton);
    QCOMPARE(d.pool(), QStringList({"3", "5", "7", "9", "11"}));
    QCOMPARE(d.selectedRow(), 1);
    QCOMPARE(d.N(), 0);
    QVERIFY(c.Image1.widget()->isVisible() && c.Command2.widget()->isVisible());
    QCOMPARE(c.Command1.count(), 1);
    QVERIFY(d.errors().empty());
}

void TestMainWindow::hiddenCornerLabel()
{
    WindowDriver d;
    velsora::Label& corner = d.controls().Label2(1);
    QCOMPARE(corner.widget()->toolTip(), QStringLiteral("Великденско яйце"));
    QVERIFY(!corner.widget()->isVisible());
    // Nothing under the top-right corner carries a tooltip.
    QWidget* under = d.window().childAt(corner.widget()->geometry().center());
    QVERIFY(under == nullptr || under->toolTip().isEmpty());
}

// At its natural size, and whole and sharp at every scale (the tests run at 1.25, 1.5 and 2 too):
// as many device pixels as the screen has for it, with more detail than the picture itself
// blown up would show.
void TestMainWindow::pictureAtNaturalSize()
{
    WindowDriver d;
    QLabel* picture = d.controls().Image1.label();
    QVERIFY(!picture->hasScaledContents());
    const QPixmap pixmap = picture->pixmap();
    const QSize natural = QImageReader(QStringLiteral(":/velsora/startup.jpg")).size();
    QCOMPARE(pixmap.deviceIndependentSize().toSize(), natural);
    const qreal ratio = picture->devicePixelRatioF();
    QCOMPARE(pixmap.size(), (QSizeF(natural) * ratio).toSize());
    const auto detail = [](const QImage& image) { // how steep the steps between neighbours are
        double steps = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 1; x < image.width(); ++x) {
                steps += std::pow(qGray(image.pixel(x, y)) - qGray(image.pixel(x - 1, y)), 2);
            }
        }
        return steps / image.height();
    };
    const QImage blownUp = QImage(QStringLiteral(":/velsora/startup.jpg"))
                               .scaled(pixmap.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QVERIFY(detail(pixmap.toImage()) >= detail(blownUp) * (ratio > 1 ? 1.15 : 1));
}

void TestMainWindow::buttonFacesPaintTheirColour_data()
{
    QTest::addColumn<Steps>("steps");
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("focused");
    QTest::addColumn<bool>("held"); // the mouse button held down on it
    QTest::addColumn<QColor>("colour");
    const QColor blue = QColor::fromRgb(design::kStart.colour);
    const QColor red = QColor::fromRgb(design::kClear.colour);
    QTest::newRow("Start") << Steps{} << "Command2" << false << false << blue;
    QTest::newRow("Clear") << Steps{} << "Command3" << false << false << red;
    QTest::newRow("a cell loaded at Start") << Steps{start("3")} << "Command1(7)" << false << false << blue;
    QTest::newRow("a cell loaded by Clear") << Steps{start("3"), clear()} << "Command1(8)" << false << false << blue;
    QTest::newRow("Start, focused") << Steps{} << "Command2" << true << false << blue;
    QTest::newRow("a cell, focused") << Steps{start("3")} << "Command1(4)" << true << false << blue;
    QTest::newRow("Clear, held down") << Steps{} << "Command3" << false << true << red;
}

void TestMainWindow::buttonFacesPaintTheirColour()
{
    QFETCH(Steps, steps);
    QFETCH(QString, button);
    QFETCH(bool, focused);
    QFETCH(bool, held);
    QFETCH(QColor, colour);
    WindowDriver d;
    QVERIFY(d.activate());
    d.play(steps);
    d.controls().Text1(0).widget()->setFocus();
    QWidget* widget = d.control(button).widget();
    const QImage resting = widget->grab().toImage();
    if (focused) widget->setFocus();
    if (held) QTest::mousePress(widget, Qt::LeftButton);
    const QImage image = widget->grab().toImage();
    if (held) QTest::mouseRelease(widget, Qt::LeftButton);
    // Inside the focus mark, the caption as it rests; held down, moved one pixel down and right.
    const QRect inside = resting.rect().adjusted(5, 5, -6, -6);
    QCOMPARE(image.copy(inside.translated(held ? QPoint(1, 1) : QPoint())), resting.copy(inside));
    // A flat face in exactly the button's colour inside a 3-D edge: raised, light top and left and
    // dark bottom and right; held down, dark all round. The focus adds a mark that stands out.
    const int w = image.width();
    const int h = image.height();
    QCOMPARE(image.pixelColor(2, h / 2), colour);
    QCOMPARE(image.pixelColor(w - 3, h / 2), colour);
    QCOMPARE(image.pixelColor(0, h / 2).lightness() > colour.lightness(), !held);
    QVERIFY(image.pixelColor(w - 1, h / 2).lightness() < colour.lightness());
    QVERIFY(markContrast(image, resting) >= (focused ? 3 : 1));
}

void TestMainWindow::enterPressesFocusedButton_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
}

void TestMainWindow::enterPressesFocusedButton()
{
    QFETCH(int, key);
    WindowDriver d;
    velsora::DesignControls& c = d.controls();
    const Qt::KeyboardModifiers keypad = key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier;
    d.selectItem(QStringLiteral("3"));
    QTest::keyClick(c.Command2.widget(), Qt::Key(key), keypad);
    QCOMPARE(d.N(), 3);
    d.selectItem(QStringLiteral("9"));
    QTest::keyClick(c.Command1(4).widget(), Qt::Key(key), keypad);
    QCOMPARE(d.cells()[4], QStringLiteral("9"));
    QTest::keyClick(c.Command3.widget(), Qt::Key(key), keypad);
    QCOMPARE(d.cells()[4], QString());
    QCOMPARE(d.pool(), velsora::testing::numbersUpTo(9));
}

void TestMainWindow::listShowsItsFocus_data()
{
    QTest::addColumn<Steps>("steps");
    QTest::addColumn<QString>("focus"); // the control that has the focus then
    QTest::addColumn<bool>("dotted");
    QTest::newRow("Start: no cursor") << Steps{start("5")} << "List1" << true;
    QTest::newRow("Clear, list focused: no cursor") << Steps{start("5"), clear()} << "List1" << true;
    QTest::newRow("the focus gone to the board") << Steps{start("5")} << "Command1(0)" << false;
    QTest::newRow("the chosen number") << Steps{start("5"), pick("7")} << "List1" << true;
}

// The list shows that it has the focus (the classic dotted rectangle on the first item's place or
// around the current item), and shows nothing of it when it has not.
void TestMainWindow::listShowsItsFocus()
{
    QFETCH(Steps, steps);
    QFETCH(QString, focus);
    QFETCH(bool, dotted);
    WindowDriver d;
    QVERIFY(d.activate());
    velsora::DesignControls& c = d.controls();
    QListWidget* list = c.List1.list();
    d.play(steps);
    d.control(focus).widget()->setFocus();
    // What the focus adds: the list as painted on the screen, against the list drawn afresh once the
    // board has the focus; a mark that stands out from what it is drawn on, and none left behind.
    velsora::testing::settle();
    const QRect r(list->viewport()->mapTo(&d.window(), QPoint()), list->viewport()->size());
    const QImage now =
        d.window().screen()->grabWindow(d.window().winId(), r.x(), r.y(), r.width(), r.height()).toImage();
    c.Command1(0).widget()->setFocus();
    velsora::testing::settle();
    QCOMPARE(markContrast(now, list->viewport()->grab().toImage()) >= 3, dotted);
}

void TestMainWindow::framesWholeAtScale2_data()
{
    QTest::addColumn<QString>("control");
    QTest::newRow("the list") << "List1";
    QTest::newRow("the help text") << "Text1(0)";
}

// At twice the density the frame is two whole device pixels on every side, with the control's
// own background right inside it.
void TestMainWindow::framesWholeAtScale2()
{
    QFETCH(QString, control);
    WindowDriver d;
    QWidget* w = d.control(control).widget();
    QImage image(w->size() * 2, QImage::Format_ARGB32);
    image.setDevicePixelRatio(2);
    image.fill(Qt::magenta);
    w->render(&image);
    const QColor frame = image.pixelColor(0, 0);
    const QColor inside = w->palette().color(QPalette::Base);
    const int right = image.width() - 1;
    const int bottom = image.height() - 1;
    for (const QPoint& p : {QPoint(0, 20), QPoint(1, 20), QPoint(20, 0), QPoint(20, 1), QPoint(right, 20),
                            QPoint(right - 1, 20), QPoint(20, bottom), QPoint(20, bottom - 1)}) {
        QCOMPARE(image.pixelColor(p), frame);
    }
    QVERIFY(frame != inside);
    QCOMPARE(image.pixelColor(2, 20), inside);
    QCOMPARE(image.pixelColor(20, 2), inside);
}

VELSORA_TEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"
