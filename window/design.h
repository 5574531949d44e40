// The window's design as plain data: each control's place and size in twips, colour, caption and
// visibility, the client area, the sides offered and the caption; read by the window and the bench.
#pragma once

#include "velsora_version.h"

#include <array>
#include <string_view>

namespace velsora::design {

// The control classes of the design.
enum class Kind { CommandButton, TextBox, ListBox, Picture, Label };

// Colours as 0xRRGGBB, or one of these.
inline constexpr int kStandard = -1;   // the program's standard colours for its kind
inline constexpr int kButtonFace = -2; // the palette's button face, as a label without a colour of its own

struct Control {
    std::string_view name; // the control, or its array
    int index;             // the member of a control array; -1 for a single control
    Kind kind;
    int left;
    int top;
    int width;
    int height;
    int colour;
    std::string_view caption; // UTF-8
    bool visible;
};

// The client area in twips.
inline constexpr int kClientWidth = 7635;
inline constexpr int kClientHeight = 7890;
inline constexpr int kFormColour = 0xC0C0FF;

inline constexpr Control kClear{"Command3", -1, Kind::CommandButton, 5880, 2640, 1215, 375, 0xFF0000, "Чисти", true};
inline constexpr Control kSpareText{"Text1", 1, Kind::TextBox, 3000, 6960, 6375, 2535, kStandard, "", false};
inline constexpr Control kHelpText{"Text1", 0, Kind::TextBox, 120, 6120, 7095, 1695, kStandard, "", true};
inline constexpr Control kStart{"Command2", -1, Kind::CommandButton, 5880, 720, 1095, 375, 0x8080FF, "Начало", true};
inline constexpr Control kList{"List1", -1, Kind::ListBox, 6000, 1200, 855, 1200, kStandard, "", true};
inline constexpr Control kCell{"Command1", 0, Kind::CommandButton, 840, 600, 420, 420, 0x8080FF, "", false};
inline constexpr Control kPicture{"Image1", -1, Kind::Picture, 240, 600, 5055, 3930, kStandard, "", true};
inline constexpr Control kCorner{"Label2", 1, Kind::Label, 7560, 0, 135, 135, kFormColour, "", false};
inline constexpr Control kTitle{"Label2", 0, Kind::Label, 1320, 0, 5055, 375, 0xFFC080, "Velsora", true};
inline constexpr Control kSum{"Label1", 0, Kind::Label, 120, 600, 420, 420, kButtonFace, "", false};

// In the order the design lists them, which is also their stacking order, the last on top.
inline constexpr std::array kControls{kClear, kSpareText, kHelpText, kStart, kList,
                                      kCell,  kPicture,   kCorner,   kTitle, kSum};

// The sides the list offers before a game, and the one chosen at start.
inline constexpr std::array kSides{3, 5, 7, 9, 11};
inline constexpr int kFirstChoice = 1;

// The window's caption: the program's homepage, then its name.
inline constexpr std::string_view kCaption = VELSORA_HOMEPAGE " Velsora с нечетен брой";

} // namespace velsora::design
