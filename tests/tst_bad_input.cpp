// What a player can throw at the window: double clicks, stray keys, clicks before Start,
// closing at any moment. Nothing crashes, no error is reported, no number is lost.
#include "support/test_main.h"
#include "support/window_driver.h"

#include <QPointer>

using velsora::Integer;
using velsora::testing::Steps;
using velsora::testing::WindowDriver;
using namespace velsora::testing::steps;

namespace {
// Every number once, and sums that match, or the untouched size list before Start.
void verifyIntact(WindowDriver& d)
{
    QVERIFY2(d.errors().empty(), d.errors().empty() ? "" : qPrintable(d.errors().front().description));
    if (d.N() == 0) {
        QCOMPARE(d.pool(), QStringList({"3", "5", "7", "9", "11"}));
        return;
    }
    QStringList all = d.numbersInPlay();
    std::sort(all.begin(), all.end(), [](const QString& a, const QString& b) { return a.toInt() < b.toInt(); });
    QCOMPARE(all, velsora::testing::numbersUpTo(d.N() * d.N()));
    QCOMPARE(d.labels(), velsora::testing::expectedSums(d.cells(), d.N()));
}

// The moments of a game at which the player misbehaves, as the steps that reach them.
void addStates()
{
    QTest::addColumn<Steps>("state");
    QTest::newRow("before Start") << Steps{};
    QTest::newRow("after Start") << Steps{start("3")};
    QTest::newRow("mid-game, a number selected") << Steps{start("3"), place("5", 4), pick("2")};
    QTest::newRow("full board") << Steps{start("3"), fill()};
}
} // namespace

class TestBadInput : public QObject {
    Q_OBJECT
private slots:
    void doubleAndTripleClicks_data() { addStates(); }
    void doubleAndTripleClicks();
    void strayKeys_data() { addStates(); }
    void strayKeys();
    void clicksOnWhatIsNotAButton_data() { addStates(); }
    void clicksOnWhatIsNotAButton();
    void closeAtAnyMoment_data() { addStates(); }
    void closeAtAnyMoment();
};

void TestBadInput::doubleAndTripleClicks()
{
    QFETCH(Steps, state);
    WindowDriver d;
    d.play(state);
    velsora::DesignControls& c = d.controls();
    // Clear replaces the cells, so each target is looked up when its turn comes.
    const int cells = qMax(c.Command1.count(), 9);
    for (int t = -3; t < cells; ++t) {
        QWidget* target = t == -3                                      ? c.Command2.widget()
                          : t == -2                                    ? c.Command3.widget()
                          : t == -1                                    ? c.Label2(0).widget()
                          : c.Command1.exists(static_cast<Integer>(t)) ? c.Command1(static_cast<Integer>(t)).widget()
                                                                       : nullptr;
        if (target == nullptr || !target->isVisible()) continue;
        QTest::mouseDClick(target, Qt::LeftButton);
        QTest::mouseDClick(target, Qt::LeftButton);
        QTest::mouseClick(target, Qt::LeftButton); // a triple click
        verifyIntact(d);
    }
    QListWidget* list = c.List1.list();
    if (list->count() > 0) {
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
    }
    verifyIntact(d);
}

void TestBadInput::strayKeys()
{
    QFETCH(Steps, state);
    WindowDriver d;
    d.play(state);
    const QList<Qt::Key> keys{Qt::Key_Return, Qt::Key_Enter,  Qt::Key_Escape,   Qt::Key_Delete, Qt::Key_Backspace,
                              Qt::Key_Up,     Qt::Key_Down,   Qt::Key_Left,     Qt::Key_Right,  Qt::Key_Home,
                              Qt::Key_End,    Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_A,      Qt::Key_7,
                              Qt::Key_F1,     Qt::Key_Insert};
    // Enter presses buttons, and Clear replaces the cells: a widget may be gone when its turn comes.
    QList<QPointer<QWidget>> widgets;
    for (QWidget* w : d.window().findChildren<QWidget*>())
        widgets << w;
    for (const QPointer<QWidget>& w : widgets) {
        if (w.isNull() || w->focusPolicy() == Qt::NoFocus || !w->isVisible()) continue;
        for (const Qt::Key key : keys) {
            QTest::keyClick(w, key);
            QTest::keyClick(w, key, Qt::ControlModifier);
        }
        verifyIntact(d);
    }
    QTest::keyClick(&d.window(), Qt::Key_Escape);
    QVERIFY(d.window().isVisible());
}

void TestBadInput::clicksOnWhatIsNotAButton()
{
    QFETCH(Steps, state);
    WindowDriver d;
    d.play(state);
    const int before = d.controls().Command1.count();
    // The picture, the title, the help text, the hidden corner label and empty window background.
    const auto centre = [&d](const QString& control) { return d.control(control).widget()->geometry().center(); };
    for (const QPoint at : {centre("Image1"), centre("Label2(0)"), centre("Text1(0)"), centre("Label2(1)"),
                            QPoint(d.window().width() - 20, d.window().height() / 2)}) {
        QWidget* target = d.window().childAt(at);
        QWidget* receiver = target != nullptr ? target : &d.window();
        QTest::mouseClick(receiver, Qt::LeftButton, {}, receiver->mapFrom(&d.window(), at));
    }
    QCOMPARE(d.controls().Command1.count(), before);
    verifyIntact(d);
}

void TestBadInput::closeAtAnyMoment()
{
    QFETCH(Steps, state);
    auto d = std::make_unique<WindowDriver>();
    d->play(state);
    QVERIFY(d->window().close());
    QVERIFY(!d->window().isVisible());
    QVERIFY(d->errors().empty());
    d.reset(); // destroys the window with every member it loaded
}

VELSORA_TEST_MAIN(TestBadInput)
#include "tst_bad_input.moc"
