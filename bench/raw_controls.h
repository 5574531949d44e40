// The window's ten controls as the design's table has them, made with raw Qt calls at 96 dpi.
#pragma once

#include "window/design.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <array>

namespace raw {

inline QString text(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

inline QRect pixels(const velsora::design::Control& c)
{
    return {c.left / 15, c.top / 15, c.width / 15, c.height / 15};
}

inline void colour(QWidget* w, int rgb)
{
    if (rgb == velsora::design::kStandard) return;
    const QColor c = rgb == velsora::design::kButtonFace ? QApplication::palette().color(QPalette::Button)
                                                         : QColor::fromRgb(static_cast<QRgb>(rgb));
    QPalette p = w->palette();
    p.setColor(QPalette::Button, c);
    p.setColor(QPalette::Window, c);
    w->setPalette(p);
}

inline QWidget* make(QWidget* window, const velsora::design::Control& c)
{
    using velsora::design::Kind;
    QWidget* w = nullptr;
    switch (c.kind) {
    case Kind::CommandButton:
        w = new QPushButton(text(c.caption), window);
        break;
    case Kind::TextBox: {
        auto* box = new QPlainTextEdit(window);
        box->setReadOnly(true);
        box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        QFile help(QStringLiteral(":/velsora/help.txt"));
        if (c.visible && help.open(QIODevice::ReadOnly))
            box->setPlainText(QString::fromUtf8(help.readAll()).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        w = box;
        break;
    }
    case Kind::ListBox: {
        // Configured like the game's list, so that only the layer between differs.
        auto* list = new QListWidget(window);
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        list->setUniformItemSizes(true);
        list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        for (const int side : velsora::design::kSides)
            list->addItem(QString::number(side));
        list->setCurrentRow(velsora::design::kFirstChoice);
        w = list;
        break;
    }
    case Kind::Picture: {
        auto* picture = new QLabel(window);
        picture->setPixmap(QPixmap(QStringLiteral(":/velsora/startup.jpg")));
        w = picture;
        break;
    }
    case Kind::Label: {
        auto* label = new QLabel(text(c.caption), window);
        label->setAlignment(Qt::AlignCenter);
        label->setAutoFillBackground(c.colour != velsora::design::kStandard);
        if (c.colour == velsora::design::kButtonFace) label->setFrameShape(QFrame::Box);
        w = label;
        break;
    }
    }
    w->setGeometry(pixels(c));
    colour(w, c.colour);
    w->setVisible(c.visible);
    return w;
}

// The ten controls in the design's order, which is their stacking order.
inline std::array<QWidget*, velsora::design::kControls.size()> makeAll(QWidget* window)
{
    std::array<QWidget*, velsora::design::kControls.size()> all{};
    for (std::size_t i = 0; i < all.size(); ++i)
        all[i] = make(window, velsora::design::kControls[i]);
    return all;
}

} // namespace raw
