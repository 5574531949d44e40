// Draws the start-up picture and the hamburger icons into resources/ (run by scripts/make-resources.sh).
#include "puzzle/example_square.h"

#include <QColor>
#include <QFont>
#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QPainterPath>
#include <QString>
#include <array>
#include <cstdio>

namespace {

// The 5 x 5 square of 1..25 by the Siamese method: start in the middle of the top row,
// step up and right, wrapping round; where the target is taken, step down instead.
const std::vector<std::vector<int>> kSquare = velsora::siameseSquare(5);

bool placedBelowPredecessor(int n)
{
    return n == 16 || n == 6 || n == 21 || n == 11;
}

// Picture grid: header row, one row for the steps that leave the square above it,
// then the five rows; header column, five columns, one column for the steps to the right.
constexpr int kCellW = 48;
constexpr int kCellH = 37;
constexpr int kWidth = 337;
constexpr int kHeight = 262;

QRect cell(int row, int col)
{
    return {col * kCellW, row * kCellH, kCellW, kCellH};
}

void drawNumber(QPainter& p, const QRect& r, int n, const QColor& color)
{
    p.setPen(color);
    p.drawText(r, Qt::AlignCenter, QString::number(n));
}

void drawCrossedOut(QPainter& p, const QRect& r, int n)
{
    p.fillRect(r.adjusted(1, 1, 0, 0), QColor(255, 235, 235));
    p.setPen(QPen(QColor(230, 150, 150), 1));
    p.drawLine(r.topLeft() + QPoint(3, 3), r.bottomRight() - QPoint(3, 3));
    p.drawLine(r.topRight() + QPoint(-3, 3), r.bottomLeft() + QPoint(3, -3));
    drawNumber(p, r, n, QColor(220, 0, 0));
}

// scale 2 draws the same picture for high-density screens, sharp rather than enlarged.
QImage startupPicture(int scale)
{
    QImage image(kWidth * scale, kHeight * scale, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.scale(scale, scale);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, true);

    const QColor header(212, 208, 200);
    const std::array<const char*, 5> roman{"I", "II", "III", "IV", "V"};
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(17);
    font.setBold(true);
    p.setFont(font);

    // Column headers over the square's columns, row headers beside its rows.
    p.fillRect(QRect(0, 0, kWidth, kCellH), header);
    p.fillRect(QRect(0, 0, kCellW, kHeight), header);
    for (int i = 0; i < 5; ++i) {
        p.setPen(Qt::black);
        p.drawText(cell(0, 1 + i), Qt::AlignCenter, QString::fromLatin1(roman[static_cast<std::size_t>(i)]));
        p.drawText(cell(2 + i, 0), Qt::AlignCenter, QString::fromLatin1(roman[static_cast<std::size_t>(i)]));
    }

    // The square itself.
    for (int r = 0; r < 5; ++r) {
        for (int c = 0; c < 5; ++c) {
            const int n = kSquare[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)];
            drawNumber(p, cell(2 + r, 1 + c), n, placedBelowPredecessor(n) ? QColor(0, 150, 0) : Qt::black);
        }
    }

    // Steps that leave the square, before they wrap round: above columns II..V,
    // the corner above and to the right, and right of rows I..IV.
    const std::array<int, 4> above{18, 25, 2, 9};
    for (int i = 0; i < 4; ++i) {
        drawCrossedOut(p, cell(1, 2 + i), above[static_cast<std::size_t>(i)]);
    }
    drawCrossedOut(p, cell(1, 6), 16);
    const std::array<int, 4> right{17, 23, 4, 10};
    for (int i = 0; i < 4; ++i) {
        drawCrossedOut(p, cell(2 + i, 6), right[static_cast<std::size_t>(i)]);
    }

    // Grid lines, with the square's border drawn heavier.
    p.setPen(QColor(160, 160, 160));
    for (int c = 0; c <= 7; ++c) {
        p.drawLine(c * kCellW, 0, c * kCellW, kHeight);
    }
    for (int r = 0; r <= 7; ++r) {
        p.drawLine(0, r * kCellH, kWidth, r * kCellH);
    }
    p.setPen(QPen(Qt::black, 2));
    p.drawRect(QRect(kCellW, 2 * kCellH, 5 * kCellW, 5 * kCellH));
    return image;
}

// The hamburger on a design grid of 32 units; larger sizes are drawn, not scaled.
QImage hamburger(int size, bool smooth)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, smooth);
    p.scale(size / 32.0, size / 32.0);
    p.setPen(Qt::NoPen);

    // Top bun: a dome with sesame seeds.
    QPainterPath bun;
    bun.moveTo(3, 14);
    bun.cubicTo(3, 4, 29, 4, 29, 14);
    bun.closeSubpath();
    p.setBrush(QColor(214, 140, 50));
    p.drawPath(bun);
    p.setBrush(QColor(255, 240, 200));
    for (const QPointF seed :
         {QPointF(10, 9), QPointF(16, 7.5), QPointF(22, 9), QPointF(13, 11.5), QPointF(19, 11.5)}) {
        p.drawEllipse(seed, 1.2, 0.8);
    }
    // Lettuce, wavy.
    QPainterPath lettuce;
    lettuce.moveTo(2, 14);
    for (int x = 2; x < 30; x += 4) {
        lettuce.quadTo(x + 1, 18, x + 2, 15);
        lettuce.quadTo(x + 3, 18, x + 4, 14);
    }
    lettuce.lineTo(30, 14);
    lettuce.closeSubpath();
    p.setBrush(QColor(70, 170, 40));
    p.drawPath(lettuce);
    // Cheese with a drip, then the patty.
    p.setBrush(QColor(250, 200, 30));
    p.drawRect(QRectF(4, 16, 24, 2));
    p.drawPolygon(QPolygonF({QPointF(18, 18), QPointF(22, 18), QPointF(20, 20.5)}));
    p.setBrush(QColor(100, 50, 20));
    p.drawRoundedRect(QRectF(3, 18, 26, 4), 2, 2);
    // Bottom bun.
    p.setBrush(QColor(200, 125, 45));
    p.drawRoundedRect(QRectF(4, 22.5, 24, 5), 2.5, 2.5);
    return image;
}

// An 8-bit palette image whose index 0 is fully transparent and every other colour opaque.
QImage toPalette(const QImage& argb)
{
    QImage indexed(argb.size(), QImage::Format_Indexed8);
    indexed.setColorCount(256);
    QList<QRgb> table{qRgba(0, 0, 0, 0)};
    QHash<QRgb, int> lookup;
    for (int y = 0; y < argb.height(); ++y) {
        uchar* line = indexed.scanLine(y);
        for (int x = 0; x < argb.width(); ++x) {
            const QRgb px = argb.pixel(x, y);
            int index = 0;
            if (qAlpha(px) >= 128) {
                const QRgb opaque = qRgb(qRed(px), qGreen(px), qBlue(px));
                index = lookup.value(opaque, -1);
                if (index < 0) {
                    index = static_cast<int>(table.size());
                    table.append(opaque);
                    lookup.insert(opaque, index);
                }
            }
            line[x] = static_cast<uchar>(index);
        }
    }
    while (table.size() < 256) {
        table.append(qRgb(0, 0, 0));
    }
    indexed.setColorTable(table);
    return indexed;
}

bool save(const QImage& image, const QString& path, const char* format)
{
    QImageWriter writer(path, format);
    if (qstrcmp(format, "jpeg") == 0) {
        writer.setQuality(92);
    }
    if (!writer.write(image)) {
        std::fprintf(stderr, "cannot write %s: %s\n", qPrintable(path), qPrintable(writer.errorString()));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    // --square N: the example square of side N in the board's cell order, column by column, for the
    // README's screenshot of a finished game.
    if (argc == 3 && QByteArray(argv[1]) == "--square") {
        const int n = QByteArray(argv[2]).toInt();
        const auto rows = velsora::siameseSquare(n);
        for (int k = 0; k < n * n; ++k) {
            std::printf("%d\n", rows[static_cast<std::size_t>(k % n)][static_cast<std::size_t>(k / n)]);
        }
        return 0;
    }
    QGuiApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("resources");

    QImage picture = startupPicture(1);
    constexpr int kDotsPerMeter96Dpi = 3780;
    picture.setDotsPerMeterX(kDotsPerMeter96Dpi);
    picture.setDotsPerMeterY(kDotsPerMeter96Dpi);
    bool ok = save(picture, out + QStringLiteral("/startup.jpg"), "jpeg");
    ok = save(startupPicture(2), out + QStringLiteral("/startup@2x.png"), "png") && ok;

    ok = save(toPalette(hamburger(32, false)), out + QStringLiteral("/icons/velsora-32.png"), "png") && ok;
    for (const int size : {48, 64, 128, 256}) {
        ok = save(hamburger(size, true), out + QStringLiteral("/icons/velsora-%1.png").arg(size), "png") && ok;
    }
    return ok ? 0 : 1;
}
