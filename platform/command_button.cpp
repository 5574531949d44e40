// Push buttons of the window and of the board.
#include "command_button.h"
#include "faults.h"
#include "keyboard.h"

#include <QKeyEvent>

namespace velsora {

void PushButton::keyPressEvent(QKeyEvent* event)
{
    switch (keyboard::meaningOf(*event)) {
    case keyboard::Meaning::Press:
        click();
        event->accept();
        return;
    case keyboard::Meaning::HeldPress:
        event->accept();
        return;
    default:
        QPushButton::keyPressEvent(event);
    }
}

CommandButton::CommandButton(QWidget* parent) : Control(new PushButton(parent))
{
    // Enter presses the focused button itself (see PushButton); no button is a default button.
    button()->setAutoDefault(false);
}

QPushButton* CommandButton::button() const
{
    return static_cast<QPushButton*>(widget());
}

void CommandButton::setBackColor(const QColor& color)
{
    QPalette palette = widget()->palette();
    palette.setColor(QPalette::Button, color);
    widget()->setPalette(palette);
}

QString CommandButton::Caption() const
{
    return button()->text();
}

void CommandButton::setCaption(const QString& caption)
{
    faults::beforeWrite("Caption");
    button()->setText(caption);
}

std::unique_ptr<CommandButton> CommandButton::loadCopy() const
{
    auto copy = std::make_unique<CommandButton>(widget()->parentWidget());
    copy->copyLookOf(*this);
    // A new button has no caption; setting an empty one would still cost Qt its updates.
    if (!Caption().isEmpty()) {
        copy->button()->setText(Caption());
    }
    return copy;
}

} // namespace velsora
