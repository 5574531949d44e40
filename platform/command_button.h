// A push button that paints its face in its own colour and reports clicks.
#pragma once

#include "control.h"

#include <QPushButton>
#include <functional>
#include <memory>

namespace velsora {

class CommandButton : public Control {
public:
    explicit CommandButton(QWidget* parent);

    [[nodiscard]] QString Caption() const;
    void setCaption(const QString& caption);

    void onClick(std::function<void()> handler);
    // A new hidden member with this button's caption, colours, size and position.
    [[nodiscard]] std::unique_ptr<CommandButton> loadCopy() const;

    [[nodiscard]] QPushButton* button() const;
};

} // namespace velsora
