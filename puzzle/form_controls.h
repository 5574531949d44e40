// The window's controls that the puzzle reads and writes.
#pragma once

#include "platform/command_button.h"
#include "platform/control_array.h"
#include "platform/label.h"
#include "platform/list_box.h"
#include "platform/picture.h"

namespace velsora {

struct FormControls {
    ControlArray<CommandButton>& Command1; // the cells; member 0 is the design-time template
    ControlArray<Label>& Label1;           // row sums 0..N-1, column sums N..2N-1
    ListBox& List1;                        // the sizes before Start, the pool after
    CommandButton& Command2;               // Start
    Picture& Image1;                       // the start-up picture
};

} // namespace velsora
