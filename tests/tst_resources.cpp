// The help text character for character and the pictures as the program reads them (their file
// formats are read by image tools in resources_check.sh).
#include "window/design_controls.h"

#include <QCryptographicHash>
#include <QImage>
#include <QTest>

class TestResources : public QObject {
    Q_OBJECT
private slots:
    void helpTextWhole();
    void picturesDecode();
};

void TestResources::helpTextWhole()
{
    const QString text = velsora::helpText();
    // Character for character: its digest, as the file was checked line by line against the design.
    QCOMPARE(QCryptographicHash::hash(text.toUtf8(), QCryptographicHash::Sha256).toHex(),
             QByteArray("fc3e27296444962a424ba8bb527caee433c10aca233050b2f386eb4d56a13a7b"));
    QCOMPARE(text.size(), 1695);
    QVERIFY(text.endsWith(QStringLiteral("\r\n")));
    QCOMPARE(text.count(QStringLiteral("\r\n")), 26);
    QCOMPARE(text.count(QLatin1Char('\n')), 26); // no bare line feeds
    QCOMPARE(text.count(QLatin1Char('\r')), 26); // no bare carriage returns
    QVERIFY(!text.contains(QLatin1Char('\t')));
    const QStringList lines = text.split(QStringLiteral("\r\n"));
    // Line 6 keeps its Latin a in "мaгическия"; everywhere else the word is Cyrillic.
    QVERIFY(lines[5].contains(QStringLiteral("м") + QChar(0x61) + QStringLiteral("гическия")));
    QCOMPARE(text.count(QChar(0x61)), 1 + text.count(QStringLiteral("Velsora"))); // "Velsora" has one a
    QVERIFY(lines[1].contains(QStringLiteral("памет,  развито")));
    // Line 10 quotes with plain quotation marks.
    QCOMPARE(lines[9].count(QLatin1Char('"')), 2);
    QVERIFY(lines[9].contains(QStringLiteral("\"магически квадрат\"")));
}

void TestResources::picturesDecode()
{
    QCOMPARE(QImage(QStringLiteral(":/velsora/startup.jpg")).size(), QSize(337, 262));
    QCOMPARE(QImage(QStringLiteral(":/velsora/startup@2x.png")).size(), QSize(674, 524));
    const QImage icon(QStringLiteral(":/velsora/icons/velsora-32.png"));
    QCOMPARE(icon.size(), QSize(32, 32));
    QCOMPARE(icon.format(), QImage::Format_Indexed8);
}

QTEST_MAIN(TestResources)
#include "tst_resources.moc"
