// Positions, sizes, colours, texts and visibility of the window's design-time controls.
#include "design_controls.h"

#include <QApplication>
#include <QFile>
#include <QPixmap>

namespace velsora {

const QColor kFormLilac(192, 192, 255);

namespace {
const QColor kStartBlue(128, 128, 255);
const QColor kClearRed(255, 0, 0);
const QColor kTitleOrange(255, 192, 128);

// Labels without a colour of their own take the button face of the program's palette.
QColor buttonFace()
{
    return QApplication::palette().color(QPalette::Button);
}

// The start-up picture at its natural size, 5055 x 3930 twips, which is `shown` in pixels on this
// screen: the picture itself where that is its own size (337 x 262, at 96 dpi and scale 1), else
// the one drawn at twice that size, scaled down where the screen needs less. Ordinary screens
// never decode the large one.
QPixmap startupPicture(const QSize& shown)
{
    const qreal ratio = qApp->devicePixelRatio();
    const QSize device = (QSizeF(shown) * ratio).toSize();
    QPixmap picture;
    if (device == QSize(337, 262)) {
        picture.load(QStringLiteral(":/velsora/startup.jpg"));
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
    return QStringLiteral("https://velsora.example/ Velsora с нечетен брой");
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

    Command3.place(5880, 2640, 1215, 375);
    Command3.setCaption(QStringLiteral("Чисти"));
    Command3.setBackColor(kClearRed);

    TextBox& spare = Text1(1);
    spare.place(3000, 6960, 6375, 2535);
    spare.setVisible(false);

    TextBox& help = Text1(0);
    help.place(120, 6120, 7095, 1695);
    help.setText(helpText());

    Command2.place(5880, 720, 1095, 375);
    Command2.setCaption(QStringLiteral("Начало"));
    Command2.setBackColor(kStartBlue);

    List1.place(6000, 1200, 855, 1200);
    for (const char* size : {"3", "5", "7", "9", "11"}) {
        List1.AddItem(QString::fromLatin1(size));
    }

    CommandButton& cell = Command1(0);
    cell.place(840, 600, 420, 420);
    cell.setBackColor(kStartBlue);
    cell.setVisible(false);

    Image1.place(240, 600, 5055, 3930);
    Image1.setPicture(startupPicture(Image1.widget()->size()));

    Label& corner = Label2(1);
    corner.place(7560, 0, 135, 135);
    corner.setBackColor(kFormLilac);
    corner.setCentered();
    corner.setToolTipText(QStringLiteral("Великденско яйце"));
    corner.setVisible(false);

    Label& title = Label2(0);
    title.place(1320, 0, 5055, 375);
    title.setCaption(QStringLiteral("Velsora"));
    title.setBackColor(kTitleOrange);
    title.setCentered();

    Label& sum = Label1(0);
    sum.place(120, 600, 420, 420);
    sum.setBackColor(buttonFace());
    sum.setCentered();
    sum.setSingleBorder();
    sum.setVisible(false);

    // Stacking follows the order in which the design lists the controls.
    for (QWidget* w : {Command3.widget(), spare.widget(), help.widget(), Command2.widget(), List1.widget(),
                       cell.widget(), Image1.widget(), corner.widget(), title.widget(), sum.widget()}) {
        w->raise();
    }
}

} // namespace velsora
