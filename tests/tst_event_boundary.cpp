// The event boundary: a failing handler keeps what it changed, the player is told, the game goes on.
#include "support/test_main.h"
#include "support/window_driver.h"

#include "platform/errors.h"
#include "platform/faults.h"

#include <QMessageBox>
#include <QTimer>

using velsora::testing::WindowDriver;
using Thrower = std::function<void()>;
Q_DECLARE_METATYPE(Thrower)

class TestEventBoundary : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { velsora::faults::disarm(); }
    void failureKeepsEarlierChanges();
    void messageBoxTellsThePlayer();
    void anyExceptionIsCaught_data();
    void anyExceptionIsCaught();
    void followUpReportsAsItself();
};

void TestEventBoundary::failureKeepsEarlierChanges()
{
    WindowDriver d;
    d.start(QStringLiteral("3"));
    d.selectItem(QStringLiteral("5"));
    velsora::faults::failAfter(1); // the caption is written, removing the item fails
    d.clickCell(4);
    QCOMPARE(d.errors().size(), std::size_t{1});
    QCOMPARE(d.errors()[0].handler, QStringLiteral("Command1_Click"));
    QCOMPARE(d.cells()[4], QStringLiteral("5"));
    QVERIFY(d.pool().contains(QStringLiteral("5")));
    QCOMPARE(d.labels()[1], QStringLiteral("0")); // the sums were not reached

    // The window goes on: the next click takes the number back and the sums follow.
    d.controls().List1.setListIndex(-1);
    d.clickCell(4);
    QCOMPARE(d.cells()[4], QString());
    QCOMPARE(d.labels(), QStringList(6, QStringLiteral("0")));
    QCOMPARE(d.errors().size(), std::size_t{1});
}

void TestEventBoundary::messageBoxTellsThePlayer()
{
    velsora::MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QString shown;
    bool looksAnError = false; // an error's icon, in the program's font
    velsora::faults::failAfter(0);
    QTest::mouseClick(window.controls().Command2.button(), Qt::LeftButton);
    // The box waits until the failed handler has returned to the event loop.
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QTimer reader;
    QObject::connect(&reader, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            looksAnError = box->icon() == QMessageBox::Critical && box->font() == window.font();
            shown = box->text();
            box->accept();
        }
    });
    reader.start(10);
    QTRY_VERIFY(!shown.isEmpty());
    QCOMPARE(shown, QStringLiteral("Грешка 1000 при натискането на „Начало“ (Command2_Click):\n"
                                   "Грешка на прозоречната система: Visible.\n\n"
                                   "Действието е прекъснато. Направените дотук промени остават, а играта продължава."));
    QVERIFY(looksAnError);
    QVERIFY(window.isVisible());
}

void TestEventBoundary::anyExceptionIsCaught_data()
{
    QTest::addColumn<Thrower>("thrower");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("description");
    QTest::newRow("overflow") << Thrower([] { throw velsora::OverflowError(); }) << 6 << "Препълване";
    QTest::newRow("out of memory") << Thrower([] { throw std::bad_alloc(); }) << 7 << "Няма достатъчно памет";
    QTest::newRow("standard exception") << Thrower([] { throw std::logic_error("broken"); }) << 0 << "broken";
    QTest::newRow("anything else") << Thrower([] { throw 42; }) << 0 << "Неизвестна грешка";
}

void TestEventBoundary::anyExceptionIsCaught()
{
    QFETCH(Thrower, thrower);
    QFETCH(int, number);
    QFETCH(QString, description);
    QWidget owner;
    velsora::EventBoundary boundary(&owner);
    static constexpr velsora::Handler handler{"Handler", ""};
    std::vector<velsora::EventBoundary::Report> reports;
    boundary.setReporter([&](const velsora::EventBoundary::Report& r) { reports.push_back(r); });
    boundary.run(handler, thrower);
    QCOMPARE(reports.size(), std::size_t{1});
    QCOMPARE(reports[0].number, number);
    QCOMPARE(reports[0].description, description);
    // A step without words for what the player did is named by itself.
    QVERIFY(velsora::EventBoundary::messageFor(reports[0])
                .startsWith(QStringLiteral("Грешка %1 при Handler:\n%2.").arg(number).arg(description)));
    // A reporter that itself fails is contained too.
    boundary.setReporter([](const velsora::EventBoundary::Report&) { throw std::runtime_error("no screen"); });
    boundary.run(handler, thrower);
}

// The step that follows a handler runs although the handler failed, and a failure of its own is
// reported under its own name and words, not the handler's.
void TestEventBoundary::followUpReportsAsItself()
{
    QWidget owner;
    velsora::EventBoundary boundary(&owner);
    static constexpr velsora::Handler click{"Click", "щракването"};
    static constexpr velsora::Handler news{"News", "съобщаването"};
    std::vector<velsora::EventBoundary::Report> reports;
    boundary.setReporter([&](const velsora::EventBoundary::Report& r) { reports.push_back(r); });
    std::vector<int> ran;
    boundary.run(
        click,
        [&] {
            ran.push_back(1);
            throw velsora::OverflowError();
        },
        news,
        [&] {
            ran.push_back(2);
            throw velsora::FloatingPointError();
        });
    QCOMPARE(ran, (std::vector<int>{1, 2}));
    QCOMPARE(reports.size(), std::size_t{2});
    QCOMPARE(reports[0].handler + reports[0].action, QStringLiteral("Clickщракването"));
    QCOMPARE(reports[1].handler + reports[1].action, QStringLiteral("Newsсъобщаването"));
    QCOMPARE(reports[1].number, 16);
}

VELSORA_TEST_MAIN(TestEventBoundary)
#include "tst_event_boundary.moc"
