#pragma once

#include "ui/layout/colours.h"

#include <cstdint>
#include <span>
#include <string_view>

// The main window's controls at their fixed pixel places, as the desktop
// window builds them and the browser page lays them out.

enum class ControlKind {
    Panel,       // a raised panel holding other controls
    Picture,     // the apparatus picture and its track overlay
    Shape,       // a filled rectangle on the drawing
    StaticText,  // a text on a background of its own
    Label,       // a text on its panel's background
    Title,       // a panel's heading, in larger letters
    Edit,
    ReadOnlyEdit,
    Button,
    CheckBox,
    UpDown,      // a stepper's pair of arrows
};

struct ControlRect {
    int x = 0;
    int y = 0;
    int width = 0;   // 0 with height 0: the control fits its text
    int height = 0;

    int Right() const { return x + width; }   // exclusive
    int Bottom() const { return y + height; } // exclusive
};

// How a control is built, before the window's first activation.
struct ControlStart {
    std::uint32_t colour = Colours::White;      // its background, or an input box's, 0xRRGGBB
    std::uint32_t textColour = Colours::Black;
    bool checked = false;                       // a check box's tick
    bool enabled = true;
};

struct ControlPlace {
    std::string_view name;
    std::string_view parent;   // empty: the window's client area
    ControlKind kind;
    ControlRect rect;          // in the parent's coordinates
    std::string_view text;     // caption or default text
    bool shown = true;
    ControlStart start = {};
};

// An input box's colour, which the window's first activation gives it.
struct ActivatedColour {
    std::string_view name;
    std::uint32_t colour;
};

// The client area below the menu bar: the window is 680 pixels wide.
inline constexpr int ClientWidth = 680;
inline constexpr int ClientHeight = 822;

// The apparatus picture, of which the window shows the left part.
inline constexpr int ApparatusPictureWidth = 440;
inline constexpr int ApparatusPictureHeight = 778;
inline constexpr int ApparatusVisibleWidth = 385;
// Where the picture's top-left pixel sits on the panel that carries the
// slit jaws, the detector and their labels.
inline constexpr int ApparatusOriginX = 14;
inline constexpr int ApparatusOriginY = 11;

// How a control takes the keyboard's focus.
enum class FocusTaking {
    Never,
    ByClick,   // Tab passes it by
    ByTab,     // and by a click
};

// Every control, parents before their children, in the window's tab order.
std::span<const ControlPlace> WindowLayout();

// The boxes, buttons, check boxes and steppers are tab stops, the others
// take no focus; the window and the page both set their focus from this.
FocusTaking Focus(const ControlPlace& control);

// The input boxes' working colours, given at the first activation.
std::span<const ActivatedColour> ActivatedBoxColours();

// The control of that name; a name not in the table is a programming error.
const ControlPlace& Place(std::string_view name);

// The control's rectangle in client-area coordinates.
ControlRect ClientRect(const ControlPlace& control);
