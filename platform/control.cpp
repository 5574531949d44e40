// Geometry and visibility of a control, kept in twips and shown in pixels.
#include "control.h"
#include "faults.h"
#include "twips.h"

namespace velsora {

Control::Control(QWidget* widget) : widget_(widget) {}

Control::~Control()
{
    delete widget_.data();
}

void Control::setLeft(Single left)
{
    faults::beforeWrite("Left");
    left_ = left;
    applyGeometry();
}

void Control::setTop(Single top)
{
    faults::beforeWrite("Top");
    top_ = top;
    applyGeometry();
}

void Control::setVisible(bool visible)
{
    faults::beforeWrite("Visible");
    visible_ = visible;
    widget_->setVisible(visible);
}

void Control::place(Single left, Single top, Single width, Single height)
{
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    applyGeometry();
}

void Control::setBackColor(const QColor& color)
{
    QPalette palette = widget_->palette();
    palette.setColor(QPalette::Window, color);
    palette.setColor(QPalette::Button, color);
    widget_->setPalette(palette);
    widget_->setAutoFillBackground(true);
}

void Control::setToolTipText(const QString& text)
{
    widget_->setToolTip(text);
}

void Control::setAccessibleName(const QString& name)
{
    widget_->setAccessibleName(name);
}

void Control::setAccessibleDescription(const QString& description)
{
    widget_->setAccessibleDescription(description);
}

void Control::copyLookOf(const Control& source)
{
    QWidget* from = source.widget();
    // Only what the source set itself is copied, and only where it differs from a new widget's:
    // each setting costs Qt an event or two, and Start at 11 copies 141 members. The font stays
    // inherited from the window.
    if (from->testAttribute(Qt::WA_SetPalette)) {
        widget_->setPalette(from->palette());
    }
    widget_->setAutoFillBackground(from->autoFillBackground());
    if (!from->toolTip().isEmpty()) {
        widget_->setToolTip(from->toolTip());
    }
    widget_->setFocusPolicy(from->focusPolicy());
    visible_ = false;
    widget_->setVisible(false);
    place(source.left_, source.top_, source.width_, source.height_);
}

void Control::applyGeometry()
{
    // Edges rounded, not sizes: controls that meet in twips meet in pixels at every DPI.
    const int left = toPixels(left_);
    const int top = toPixels(top_);
    widget_->setGeometry(left, top, toPixels(left_ + width_) - left, toPixels(top_ + height_) - top);
}

} // namespace velsora
