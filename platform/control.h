// Base of every control: position, size and visibility in twips over one Qt widget.
#pragma once

#include "checked.h"

#include <QColor>
#include <QPointer>
#include <QWidget>

namespace velsora {

class Control {
public:
    explicit Control(QWidget* widget); // takes ownership of the widget
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    Control(Control&&) = delete;
    Control& operator=(Control&&) = delete;

    [[nodiscard]] Single Left() const noexcept { return left_; }
    [[nodiscard]] Single Top() const noexcept { return top_; }
    [[nodiscard]] Single Width() const noexcept { return width_; }
    [[nodiscard]] Single Height() const noexcept { return height_; }
    [[nodiscard]] bool Visible() const noexcept { return visible_; }
    void setLeft(Single left);
    void setTop(Single top);
    void setVisible(bool visible);

    // Design-time set-up, done once when the window builds its controls.
    void place(Single left, Single top, Single width, Single height);
    virtual void setBackColor(const QColor& color); // fills the control's whole rectangle
    void setToolTipText(const QString& text);
    // What a screen reader says of the control besides the text it shows.
    void setAccessibleName(const QString& name);
    void setAccessibleDescription(const QString& description);

    [[nodiscard]] QWidget* widget() const noexcept { return widget_; }

protected:
    // A run-time copy: the source's size, position, colours and tooltip, hidden.
    void copyLookOf(const Control& source);

private:
    void applyGeometry();

    QPointer<QWidget> widget_;
    Single left_ = 0;
    Single top_ = 0;
    Single width_ = 0;
    Single height_ = 0;
    bool visible_ = true;
};

} // namespace velsora
