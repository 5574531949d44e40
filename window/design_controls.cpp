// The window's design-time controls, made from the design's table.
#include "design_controls.h"
#include "design.h"

#include <QApplication>
#include <QFile>
#include <QImageReader>
#include <QPixmap>
#include <map>

namespace velsora {

namespace {
QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QColor colourOf(const design::Control& d)
{
    // Labels without a colour of their own take the button face of the program's palette.
    return d.colour == design::kButtonFace ? QApplication::palette().color(QPalette::Button)
                                           : QColor::fromRgb(static_cast<QRgb>(d.colour));
}

// The start-up picture at its natural size, which is `shown` in pixels on this screen: the picture
// itself where that is its own size (at 96 dpi and scale 1), else the one drawn at twice that size,
// scaled down where the screen needs less. Ordinary screens never decode the large one.
QPixmap startupPicture(const QSize& shown)
{
    const qreal ratio = qApp->devicePixelRatio();
    const QSize device = (QSizeF(shown) * ratio).toSize();
    const QString natural = QStringLiteral(":/velsora/startup.jpg");
    QPixmap picture;
    if (device == QImageReader(natural).size()) {
        picture.load(natural);
    } else {
        picture.load(QStringLiteral(":/velsora/startup@2x.png"));
        if (picture.size() != device) {
            picture = picture.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        }
    }
    picture.setDevicePixelRatio(ratio);
    return picture;
}

template <class T> std::unique_ptr<T> make(QWidget* form)
{
    return std::make_unique<T>(form);
}
} // namespace

QString windowCaption()
{
    return fromUtf8(design::kCaption);
}

QString helpText()
{
    QFile file(QStringLiteral(":/velsora/help.txt"));
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return QString::fromUtf8(file.readAll());
}

DesignControls::DesignControls(QWidget* form)
    : Command3(form)
    , Text1(QStringLiteral("Text1"), make<TextBox>(form))
    , Command2(form)
    , List1(form)
    , Command1(QStringLiteral("Command1"), make<CommandButton>(form))
    , Image1(form)
    , Label2(QStringLiteral("Label2"), make<Label>(form))
    , Label1(QStringLiteral("Label1"), make<Label>(form))
{
    Text1.addDesignMember(1, make<TextBox>(form));
    Label2.addDesignMember(1, make<Label>(form));

    // Stacking follows the order in which the design lists the controls.
    for (const design::Control& d : design::kControls) {
        Control& control = find(d.name, static_cast<Integer>(d.index));
        control.place(static_cast<Single>(d.left), static_cast<Single>(d.top), static_cast<Single>(d.width),
                      static_cast<Single>(d.height));
        if (d.colour != design::kStandard) {
            control.setBackColor(colourOf(d));
        }
        if (!d.visible) {
            control.setVisible(false);
        }
        control.widget()->raise();
    }
    Command3.setCaption(fromUtf8(design::kClear.caption));
    Command2.setCaption(fromUtf8(design::kStart.caption));
    Label2(0).setCaption(fromUtf8(design::kTitle.caption));

    Text1(0).setText(helpText());
    for (const int side : design::kSides) {
        List1.AddItem(QString::number(side));
    }
    Image1.setPicture(startupPicture(Image1.widget()->size()));
    for (Label* centred : {&Label2(1), &Label2(0), &Label1(0)}) {
        centred->setCentered();
    }
    Label2(1).setToolTipText(QStringLiteral("Великденско яйце"));
    Label1(0).setSingleBorder();
}

Control& DesignControls::find(std::string_view name, Integer index)
{
    const std::map<std::string_view, Control*> single{
        {"Command3", &Command3}, {"Command2", &Command2}, {"List1", &List1}, {"Image1", &Image1}};
    if (const auto found = single.find(name); found != single.end()) {
        return *found->second;
    }
    if (name == "Command1") {
        return Command1(index);
    }
    if (name == "Label1") {
        return Label1(index);
    }
    if (name == "Label2") {
        return Label2(index);
    }
    return Text1(index);
}

} // namespace velsora
