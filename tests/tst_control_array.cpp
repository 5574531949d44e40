// Control arrays: loaded members copy member 0, and bad loads and unloads fail clearly.
#include "support/test_main.h"
#include "support/window_driver.h"

#include "platform/errors.h"

#include <QSignalSpy>

using velsora::ControlArrayError;
using velsora::testing::WindowDriver;
using Cells = velsora::ControlArray<velsora::CommandButton>;
using Action = std::function<void(Cells&, velsora::Integer)>; // what is done to a member
Q_DECLARE_METATYPE(Action)

class TestControlArray : public QObject {
    Q_OBJECT
private slots:
    void loadCopiesTemplate();
    void loadedLabelCopiesBorder();
    void errors_data();
    void errors();
    void unloadDestroysAndFreesIndex();
};

void TestControlArray::loadCopiesTemplate()
{
    WindowDriver d;
    auto& cells = d.controls().Command1;
    cells(0).setCaption(QStringLiteral("0"));
    cells.Load(7);
    const velsora::CommandButton& copy = cells(7);
    QCOMPARE(copy.Caption(), QStringLiteral("0"));
    // The template's place, size and colour, hidden.
    const velsora::CommandButton& from = cells(0);
    QCOMPARE(QRectF(copy.Left(), copy.Top(), copy.Width(), copy.Height()),
             QRectF(from.Left(), from.Top(), from.Width(), from.Height()));
    QCOMPARE(copy.widget()->geometry(), from.widget()->geometry());
    QVERIFY(!copy.Visible() && copy.widget()->isHidden());
    QCOMPARE(copy.button()->palette().color(QPalette::Button), from.button()->palette().color(QPalette::Button));
    QCOMPARE(copy.widget()->font(), d.window().font());
    QCOMPARE(cells.count(), 2);
}

void TestControlArray::loadedLabelCopiesBorder()
{
    WindowDriver d;
    auto& labels = d.controls().Label1;
    labels.Load(3);
    QLabel* copy = labels(3).label();
    QCOMPARE(copy->frameShape(), QFrame::Box);
    QCOMPARE(copy->lineWidth(), 1);
    QCOMPARE(copy->alignment(), Qt::AlignCenter);
    QCOMPARE(copy->autoFillBackground(), true);
    QCOMPARE(copy->font(), d.window().font());
}

void TestControlArray::errors_data()
{
    QTest::addColumn<Action>("action");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("number");
    const Action load = [](Cells& cells, velsora::Integer k) { cells.Load(k); };
    const Action unload = [](Cells& cells, velsora::Integer k) { cells.Unload(k); };
    const Action read = [](Cells& cells, velsora::Integer k) { (void)cells(k).Caption(); };
    QTest::newRow("load an existing member") << load << 0 << 360;
    QTest::newRow("load a negative index") << load << -1 << 340;
    QTest::newRow("unload a missing member") << unload << 5 << 340;
    QTest::newRow("unload the design-time member") << unload << 0 << 362;
    QTest::newRow("read a missing member") << read << 1 << 340;
}

void TestControlArray::errors()
{
    QFETCH(Action, action);
    QFETCH(int, index);
    QFETCH(int, number);
    WindowDriver d;
    auto& cells = d.controls().Command1;
    try {
        action(cells, static_cast<velsora::Integer>(index));
        QFAIL("no error raised");
    } catch (const ControlArrayError& e) {
        QCOMPARE(e.number(), number);
        QVERIFY2(e.description().contains(QStringLiteral("Command1(%1)").arg(index)), qPrintable(e.description()));
    }
    QCOMPARE(cells.count(), 1);
}

void TestControlArray::unloadDestroysAndFreesIndex()
{
    WindowDriver d;
    auto& cells = d.controls().Command1;
    cells.Load(1);
    QPointer<QWidget> widget = cells(1).widget();
    cells.Unload(1);
    QVERIFY(widget.isNull());
    QVERIFY(!cells.exists(1));
    cells.Load(1);
    QVERIFY(cells.exists(1));
}

VELSORA_TEST_MAIN(TestControlArray)
#include "tst_control_array.moc"
