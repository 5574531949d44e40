// A picture shown at its natural size.
#pragma once

#include "control.h"

#include <QLabel>
#include <QPixmap>

namespace velsora {

class Picture : public Control {
public:
    explicit Picture(QWidget* parent);
    void setPicture(const QPixmap& pixmap);
    [[nodiscard]] QLabel* label() const;
};

} // namespace velsora
