// The start-up picture control.
#include "picture.h"

namespace velsora {

Picture::Picture(QWidget* parent) : Control(new QLabel(parent))
{
    label()->setScaledContents(false);
    label()->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

QLabel* Picture::label() const
{
    return static_cast<QLabel*>(widget());
}

void Picture::setPicture(const QPixmap& pixmap)
{
    label()->setPixmap(pixmap);
}

} // namespace velsora
