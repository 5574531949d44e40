// Read-only text boxes: the help text and the unused second box.
#include "text_box.h"
#include "faults.h"

namespace velsora {

TextBox::TextBox(QWidget* parent) : Control(new QPlainTextEdit(parent))
{
    QPlainTextEdit* box = edit();
    box->setReadOnly(true);
    // Read-only, yet it still takes the focus so a keyboard user can scroll and select.
    box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    box->setFocusPolicy(Qt::StrongFocus);
    box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setTabChangesFocus(true);
}

QPlainTextEdit* TextBox::edit() const
{
    return static_cast<QPlainTextEdit*>(widget());
}

void TextBox::setText(const QString& text)
{
    faults::beforeWrite("Text");
    text_ = text;
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    edit()->setPlainText(shown);
}

} // namespace velsora
