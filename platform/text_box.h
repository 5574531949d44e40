// A multi-line, read-only text box with a vertical scroll bar.
#pragma once

#include "control.h"

#include <QPlainTextEdit>

namespace velsora {

class TextBox : public Control {
public:
    explicit TextBox(QWidget* parent);

    // The text as stored, lines ended by CR LF; the box shows each CR LF as one line break.
    [[nodiscard]] const QString& Text() const noexcept { return text_; }
    void setText(const QString& text);

    [[nodiscard]] QPlainTextEdit* edit() const;

private:
    QString text_;
};

} // namespace velsora
