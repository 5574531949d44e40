// The help text character for character, the picture's JPEG header and the icon's format.
#include "window/design_controls.h"

#include <QFile>
#include <QImage>
#include <QTest>

namespace {
QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int be16(const QByteArray& b, qsizetype at)
{
    return (static_cast<uchar>(b[at]) << 8) | static_cast<uchar>(b[at + 1]);
}

int le16(const QByteArray& b, qsizetype at)
{
    return static_cast<uchar>(b[at]) | (static_cast<uchar>(b[at + 1]) << 8);
}

int le32(const QByteArray& b, qsizetype at)
{
    return le16(b, at) | (le16(b, at + 2) << 16);
}
} // namespace

class TestResources : public QObject {
    Q_OBJECT
private slots:
    void helpTextLines_data();
    void helpTextLines();
    void helpTextWhole();
    void pictureHeader();
    void pictureDecodes();
    void icon();
};

void TestResources::helpTextLines_data()
{
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("expected");
    QTest::newRow("1 ends with a blank")
        << 1 << "Част от първите компютърните игри са използвали като основа известни логически загадки. ";
    QTest::newRow("4 begins with a blank")
        << 4 << " - изискват определени интелектуални усилия и концентрация на вниманието;";
    QTest::newRow("8") << 8 << "Тема на проекта: Velsora";
    QTest::newRow("9 empty") << 9 << "";
    QTest::newRow("13") << 13 << "Страна  Сума   Среда";
    QTest::newRow("14") << 14 << "   3            15         5";
    QTest::newRow("15") << 15 << "   5            65        13";
    QTest::newRow("16") << 16 << "   7           175       25";
    QTest::newRow("17") << 17 << "   9           369       41";
    QTest::newRow("18") << 18 << " 11           671       61";
    QTest::newRow("19") << 19 << " 13          1105      85";
    QTest::newRow("20 empty") << 20 << "";
    QTest::newRow("26") << 26
                        << "При всяко корекция въвеждане/изтриване на число се извършва проверка за суми по всички "
                           "редове и колони.";
}

void TestResources::helpTextLines()
{
    QFETCH(int, line);
    QFETCH(QString, expected);
    const QStringList lines = velsora::helpText().split(QStringLiteral("\r\n"));
    QCOMPARE(lines.value(line - 1), expected);
}

void TestResources::helpTextWhole()
{
    const QString text = velsora::helpText();
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

void TestResources::pictureHeader()
{
    const QByteArray jpeg = readFile(QStringLiteral(":/velsora/startup.jpg"));
    QVERIFY(jpeg.size() > 100);
    QCOMPARE(be16(jpeg, 0), 0xFFD8);
    // JFIF 1.01, densities in dots per inch, 96 x 96.
    QCOMPARE(be16(jpeg, 2), 0xFFE0);
    QCOMPARE(jpeg.mid(6, 5), QByteArray("JFIF\0", 5));
    QCOMPARE(int(jpeg[11]), 1);
    QCOMPARE(int(jpeg[12]), 1);
    QCOMPARE(int(jpeg[13]), 1);
    QCOMPARE(be16(jpeg, 14), 96);
    QCOMPARE(be16(jpeg, 16), 96);
    // Walk the segments to the frame header: it must be baseline (SOF0).
    qsizetype at = 2;
    int frame = 0;
    while (at + 4 < jpeg.size()) {
        QCOMPARE(static_cast<uchar>(jpeg[at]), uchar(0xFF));
        const int marker = static_cast<uchar>(jpeg[at + 1]);
        if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC) {
            frame = marker;
            break;
        }
        at += 2 + be16(jpeg, at + 2);
    }
    QCOMPARE(frame, 0xC0);
    const qsizetype sof = at + 4;
    QCOMPARE(int(jpeg[sof]), 8);                // bits per sample
    QCOMPARE(be16(jpeg, sof + 1), 262);         // height
    QCOMPARE(be16(jpeg, sof + 3), 337);         // width
    QCOMPARE(int(jpeg[sof + 5]), 3);            // components
    QCOMPARE(int(uchar(jpeg[sof + 7])), 0x22);  // Y: 2 x 2, so chroma is 4:2:0
    QCOMPARE(int(uchar(jpeg[sof + 10])), 0x11); // Cb
    QCOMPARE(int(uchar(jpeg[sof + 13])), 0x11); // Cr
}

void TestResources::pictureDecodes()
{
    QImage picture(QStringLiteral(":/velsora/startup.jpg"));
    QCOMPARE(picture.size(), QSize(337, 262));
    QImage sharp(QStringLiteral(":/velsora/startup@2x.png"));
    QCOMPARE(sharp.size(), QSize(674, 524));
}

void TestResources::icon()
{
    const QByteArray ico = readFile(QStringLiteral(VELSORA_SOURCE_DIR "/resources/icons/velsora.ico"));
    QCOMPARE(ico.size(), 6 + 16 + 40 + 256 * 4 + 32 * 32 + 32 * 4);
    QCOMPARE(le16(ico, 2), 1); // an icon
    QCOMPARE(le16(ico, 4), 1); // one image
    QCOMPARE(int(uchar(ico[6])), 32);
    QCOMPARE(int(uchar(ico[7])), 32);
    QCOMPARE(int(uchar(ico[8])), 0); // 0 colours listed: 256
    const int offset = le32(ico, 18);
    QCOMPARE(le32(ico, offset), 40);     // BITMAPINFOHEADER
    QCOMPARE(le32(ico, offset + 4), 32); // width
    QCOMPARE(le32(ico, offset + 8), 64); // height: colours and mask
    QCOMPARE(le16(ico, offset + 14), 8); // bits per pixel
    QCOMPARE(le32(ico, offset + 16), 0); // not compressed
    // The AND mask: corners transparent, the middle of the burger opaque.
    const qsizetype mask = offset + 40 + 256 * 4 + 32 * 32;
    auto transparent = [&](int x, int y) { // rows bottom-up, 4 bytes a row
        const qsizetype row = mask + (31 - y) * 4;
        return (uchar(ico[row + x / 8]) >> (7 - x % 8)) & 1;
    };
    QCOMPARE(transparent(0, 0), 1);
    QCOMPARE(transparent(31, 31), 1);
    QCOMPARE(transparent(16, 16), 0);
    // The window uses the same 32-pixel image.
    const QImage png(QStringLiteral(":/velsora/icons/velsora-32.png"));
    QCOMPARE(png.size(), QSize(32, 32));
    QCOMPARE(png.format(), QImage::Format_Indexed8);
}

QTEST_MAIN(TestResources)
#include "tst_resources.moc"
