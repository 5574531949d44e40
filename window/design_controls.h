// The ten controls the window has from the start, with their design-time properties.
#pragma once

#include "platform/command_button.h"
#include "platform/control_array.h"
#include "platform/label.h"
#include "platform/list_box.h"
#include "platform/picture.h"
#include "platform/text_box.h"

#include <QWidget>
#include <string_view>

namespace velsora {

struct DesignControls {
    explicit DesignControls(QWidget* form);

    CommandButton Command3;               // Clear
    ControlArray<TextBox> Text1;          // 0: the help text; 1: unused, hidden
    CommandButton Command2;               // Start
    ListBox List1;                        // sizes, then the pool
    ControlArray<CommandButton> Command1; // 0: template of the cells, hidden until Start
    Picture Image1;                       // start-up picture
    ControlArray<Label> Label2;           // 0: the title; 1: hidden corner label
    ControlArray<Label> Label1;           // 0: template of the sum labels, hidden until Start

    // The control the design names, or the member of the array it names (Text1 for a name it does
    // not know).
    [[nodiscard]] Control& find(std::string_view name, Integer index = -1);
};

// Texts of the window.
QString windowCaption();
QString helpText();

} // namespace velsora
