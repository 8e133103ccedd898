#include "ui/layout/window_layout.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace {

using enum ControlKind;

constexpr ControlRect ApparatusPicturePlace{ApparatusOriginX, ApparatusOriginY, ApparatusVisibleWidth,
                                           ApparatusPictureHeight};

constexpr ControlStart Drawing{Colours::Teal};
constexpr ControlStart OnGreen{Colours::MoneyGreen};
constexpr ControlStart Jaw{Colours::Black};
constexpr ControlStart Designed{Colours::DesignYellow};
constexpr ControlStart Ticked{.checked = true};

// The labels on the apparatus: coloured letters on white.
constexpr ControlStart OnWhite(std::uint32_t letters)
{
    return {Colours::White, letters};
}

constexpr std::array Controls{
    ControlPlace{"Panel2", "", Panel, {14, 8, 637, 801}, "", true, Drawing},
    ControlPlace{"Image1", "Panel2", Picture, ApparatusPicturePlace, ""},
    ControlPlace{"Image2", "Panel2", Picture, ApparatusPicturePlace, ""},
    // The jaws, the detector and their labels are placed from the apparatus's
    // anchors when the picture is drawn; these are their designed places.
    ControlPlace{"Shape6", "Panel2", Shape, {177, 484, 30, 5}, "", true, Jaw},
    ControlPlace{"Shape7", "Panel2", Shape, {213, 484, 30, 5}, "", true, Jaw},
    ControlPlace{"Shape8", "Panel2", Shape, {166, 665, 86, 54}, "", true, {Colours::Green}},
    ControlPlace{"StaticText4", "Panel2", StaticText, {258, 492, 49, 20}, "Blende", true, OnWhite(Colours::Black)},
    ControlPlace{"StaticText5", "Panel2", StaticText, {282, 668, 57, 20}, "Detektor", true, OnWhite(Colours::Green)},
    ControlPlace{"StaticText6", "Panel2", StaticText, {48, 328, 75, 20}, "Wien szűrő", true, OnWhite(Colours::Blue)},
    ControlPlace{"Panel9", "Panel2", StaticText, {104, 57, 209, 25}, "", true, OnWhite(Colours::Fuchsia)},

    ControlPlace{"Panel7", "Panel2", Panel, {408, 15, 217, 202}, "", true, OnGreen},
    ControlPlace{"StaticText18", "Panel7", StaticText, {22, 16, 165, 26}, "ENERGIASZŰRÉS", true, OnGreen},
    ControlPlace{"CheckBox3", "Panel7", CheckBox, {11, 51, 52, 17}, "Be/Ki", true, Ticked},
    ControlPlace{"Edit7", "Panel7", Edit, {69, 46, 87, 24}, "0", true, Designed},
    ControlPlace{"StaticText19", "Panel7", StaticText, {161, 50, 0, 0}, "keV", true, OnGreen},
    ControlPlace{"StaticText10", "Panel7", StaticText, {46, 83, 0, 0}, "Mágneses indukció (B)", true, OnGreen},
    ControlPlace{"Edit4", "Panel7", Edit, {65, 103, 81, 24}, "0", false},
    ControlPlace{"BField", "Panel7", Edit, {69, 103, 87, 24}, "0", true, Designed},
    ControlPlace{"UpDown4", "Panel7", UpDown, {146, 103, 16, 24}, "", false},
    // The unit reads as microtesla: a mu before the T.
    ControlPlace{"StaticText1", "Panel7", StaticText, {161, 104, 13, 23}, "µ", true, OnGreen},
    ControlPlace{"StaticText16", "Panel7", StaticText, {174, 107, 0, 0}, "T", true, OnGreen},
    ControlPlace{"StaticText11", "Panel7", StaticText, {30, 137, 0, 0}, "Elektromos térerősség (E)", true, OnGreen},
    ControlPlace{"Edit5", "Panel7", Edit, {64, 160, 96, 24}, "0", false},
    ControlPlace{"EField", "Panel7", ReadOnlyEdit, {64, 161, 96, 24}, "0"},
    ControlPlace{"StaticText17", "Panel7", StaticText, {164, 162, 0, 0}, "V/m", true, OnGreen},

    ControlPlace{"Panel5", "Panel2", Panel, {408, 228, 217, 144}, "", true, OnGreen},
    ControlPlace{"Label3", "Panel5", Title, {72, 10, 0, 0}, "MÉRÉS"},
    ControlPlace{"Button3", "Panel5", Button, {9, 41, 79, 25}, "Start"},
    // Continuing needs a measurement to continue: the first one is started with Start.
    ControlPlace{"Button4", "Panel5", Button, {98, 42, 107, 25}, "Stop", true, {.enabled = false}},
    ControlPlace{"CheckBox4", "Panel5", CheckBox, {24, 76, 169, 17}, "Részecskék láthatók", true, Ticked},
    ControlPlace{"Label1", "Panel5", Label, {15, 113, 0, 0}, "Mérés ideje: "},
    ControlPlace{"Edit1", "Panel5", ReadOnlyEdit, {98, 110, 102, 24}, "0"},

    ControlPlace{"Panel3", "Panel2", Panel, {408, 384, 218, 185}, "", true, OnGreen},
    ControlPlace{"Label6", "Panel3", Title, {43, 9, 0, 0}, "RÉSZECSKÉK"},
    ControlPlace{"Label4", "Panel3", Label, {15, 44, 0, 0}, "Beállított"},
    ControlPlace{"Edit6", "Panel3", Edit, {90, 41, 103, 24}, "1000", true, Designed},
    ControlPlace{"CheckBox1", "Panel3", CheckBox, {19, 70, 192, 17}, "Leáll a beállított számnál"},
    ControlPlace{"Label5", "Panel3", Label, {14, 100, 0, 0}, "Kibocsátott:"},
    ControlPlace{"Edit9", "Panel3", ReadOnlyEdit, {91, 97, 102, 24}, "0"},
    ControlPlace{"Button7", "Panel3", Button, {29, 142, 145, 25}, "Részecskék törlése"},

    ControlPlace{"Panel6", "Panel2", Panel, {408, 579, 217, 208}, "", true, OnGreen},
    ControlPlace{"Label7", "Panel6", Title, {50, 6, 0, 0}, "DETEKTOR"},
    ControlPlace{"StaticText12", "Panel6", StaticText, {11, 36, 0, 0}, "Beütésszám", true, OnGreen},
    ControlPlace{"Edit8", "Panel6", ReadOnlyEdit, {99, 33, 101, 24}, "0"},
    ControlPlace{"Button5", "Panel6", Button, {12, 64, 59, 25}, "Töröl"},
    ControlPlace{"CheckBox5", "Panel6", CheckBox, {80, 70, 125, 17}, "Indításkor töröl", true, Ticked},
    ControlPlace{"StaticText9", "Panel6", StaticText, {67, 101, 0, 0}, "Blende (mm)", true, OnGreen},
    ControlPlace{"Edit3", "Panel6", Edit, {58, 121, 81, 24}, "0", false},
    ControlPlace{"Blende3", "Panel6", ReadOnlyEdit, {60, 121, 81, 24}, "0.5", true, Designed},
    ControlPlace{"UpDown3", "Panel6", UpDown, {139, 121, 16, 24}, ""},
    ControlPlace{"StaticText22", "Panel6", StaticText, {16, 151, 197, 20}, "Energiaablak szélessége (keV)", true,
                 OnGreen},
    ControlPlace{"Edit14", "Panel6", ReadOnlyEdit, {60, 171, 101, 23}, "0"},
    // The band's edges are kept below the panel's lower edge, out of sight.
    ControlPlace{"StaticText20", "Panel6", StaticText, {15, 213, 0, 0}, "E_min (keV)", false, OnGreen},
    ControlPlace{"Edit12", "Panel6", ReadOnlyEdit, {98, 210, 101, 23}, "0", false},
    ControlPlace{"StaticText21", "Panel6", StaticText, {14, 238, 0, 0}, "E_max (keV)", false, OnGreen},
    ControlPlace{"Edit13", "Panel6", ReadOnlyEdit, {98, 236, 101, 23}, "0", false},
};

constexpr std::array ActivatedColours{
    ActivatedColour{"Blende3", Colours::White},
    ActivatedColour{"BField", Colours::NormalColor},
    ActivatedColour{"EField", Colours::White},
    ActivatedColour{"Edit6", Colours::NormalColor},
    ActivatedColour{"Edit7", Colours::NormalColor},
};

}

std::span<const ControlPlace> WindowLayout()
{
    return Controls;
}

std::span<const ActivatedColour> ActivatedBoxColours()
{
    return ActivatedColours;
}

const ControlPlace& Place(std::string_view name)
{
    const auto found = std::find_if(Controls.begin(), Controls.end(),
                                    [name](const ControlPlace& control) { return control.name == name; });
    if (found == Controls.end())
        std::abort();
    return *found;
}

FocusTaking Focus(const ControlPlace& control)
{
    // The slit's readout shows the stepper's position; it is the stepper that changes it.
    if (control.name == "Blende3")
        return FocusTaking::Never;
    // The electric field follows from the energy and the induction: a click
    // lets its digits be copied, and Tab goes on to what can be set.
    if (control.name == "EField")
        return FocusTaking::ByClick;
    switch (control.kind) {
    case ControlKind::Edit:
    case ControlKind::ReadOnlyEdit:
    case ControlKind::Button:
    case ControlKind::CheckBox:
    case ControlKind::UpDown:
        return FocusTaking::ByTab;
    default:
        return FocusTaking::Never;
    }
}

ControlRect ClientRect(const ControlPlace& control)
{
    ControlRect rect = control.rect;
    for (std::string_view parent = control.parent; !parent.empty();) {
        const ControlPlace& holder = Place(parent);
        rect.x += holder.rect.x;
        rect.y += holder.rect.y;
        parent = holder.parent;
    }
    return rect;
}
