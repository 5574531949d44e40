// A text label with optional border and centred text that reports clicks.
#pragma once

#include "control.h"

#include <QLabel>
#include <functional>
#include <memory>

namespace velsora {

// QLabel has no click signal; the title label needs one. A callback rather than a signal, so
// that the label needs no meta-object of its own and Qt knows it for a QLabel at once (see
// PushButton).
class ClickableLabel : public QLabel {
public:
    using QLabel::QLabel;
    std::function<void()> clicked;

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

class Label : public Control {
public:
    explicit Label(QWidget* parent);

    [[nodiscard]] QString Caption() const;
    void setCaption(const QString& caption);

    // Design-time looks.
    void setSingleBorder();
    void setCentered();

    // What a left click on the label runs.
    void onClick(std::function<void()> click);
    [[nodiscard]] std::unique_ptr<Label> loadCopy() const;

    [[nodiscard]] QLabel* label() const;
};

} // namespace velsora
