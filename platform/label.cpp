// Labels: the title, the hidden corner label and the sum labels.
#include "label.h"
#include "faults.h"

#include <QMouseEvent>

namespace velsora {

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && clicked) {
        clicked();
    }
}

Label::Label(QWidget* parent) : Control(new ClickableLabel(parent)) {}

QLabel* Label::label() const
{
    return static_cast<QLabel*>(widget());
}

QString Label::Caption() const
{
    return label()->text();
}

void Label::setCaption(const QString& caption)
{
    faults::beforeWrite("Caption");
    label()->setText(caption);
}

void Label::setSingleBorder()
{
    label()->setFrameShape(QFrame::Box);
    label()->setFrameShadow(QFrame::Plain);
    label()->setLineWidth(1);
}

void Label::setCentered()
{
    label()->setAlignment(Qt::AlignCenter);
}

void Label::onClick(std::function<void()> click)
{
    static_cast<ClickableLabel*>(widget())->clicked = std::move(click);
}

std::unique_ptr<Label> Label::loadCopy() const
{
    auto copy = std::make_unique<Label>(widget()->parentWidget());
    copy->copyLookOf(*this);
    // Only what differs from a new label: each setting makes Qt lay the label out again.
    QLabel* from = label();
    QLabel* to = copy->label();
    if (from->frameStyle() != to->frameStyle()) {
        to->setFrameStyle(from->frameStyle());
    }
    if (from->lineWidth() != to->lineWidth()) {
        to->setLineWidth(from->lineWidth());
    }
    if (from->alignment() != to->alignment()) {
        to->setAlignment(from->alignment());
    }
    if (!Caption().isEmpty()) {
        to->setText(Caption());
    }
    return copy;
}

} // namespace velsora
