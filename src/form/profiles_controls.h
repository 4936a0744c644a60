#pragma once
// Controls of the main window that belong to profiles: the "Profile data" page (profile grid,
// draw parameters, plot options, colour scale) and the section preview. One control per line:
// type, name, container, design position and size (twips). Captions, tool tips and design values
// are set in profiles_controls.cpp.
#include "platform/controls.h"
#include "platform/flex_grid.h"
#include "platform/form.h"
#include "platform/print_preview.h"

namespace ohmira {

struct ProfilesControls {
    explicit ProfilesControls(Form &form);
    Form &owner;

    // The section preview; the tab dispatcher places and shows it over the "Make SEV Profile" tab.
    VSPrinter VSPrint1{owner, "VSPrint1", In{"SSTab1", 4}, 2300, 500, 12400, 8812};

    // "Profile data" page: selection, ordering, title and the profile grid.
    CommandButton Command2{owner, "Command2", In{"SSTab1", 3}, 240, 520, 1700, 400};
    CommandButton Command9{owner, "Command9", In{"SSTab1", 3}, 2060, 520, 1700, 400};
    Label Label13{owner, "Label13", In{"SSTab1", 3}, 3960, 580, 900, 260};
    TextBox Text10{owner, "Text10", In{"SSTab1", 3}, 4880, 520, 5200, 330};
    FlexGrid SEV_Grid{owner, "SEV_Grid", In{"SSTab1", 3}, 240, 1020, 9840, 2000};

    // Draw parameters: scales, sizes, column width, line colours.
    Frame Frame7{owner, "Frame7", In{"SSTab1", 3}, 240, 3180, 4800, 3000};
    Label Label103{owner, "Label103", In{"Frame7"}, 160, 320, 2900, 260};
    TextBox Text14{owner, "Text14", In{"Frame7"}, 3160, 280, 1400, 300};
    Label Label104{owner, "Label104", In{"Frame7"}, 160, 680, 2900, 260};
    TextBox Text13{owner, "Text13", In{"Frame7"}, 3160, 640, 1400, 300};
    Label Label105{owner, "Label105", In{"Frame7"}, 160, 1040, 2900, 260};
    TextBox Text5{owner, "Text5", In{"Frame7"}, 3160, 1000, 1400, 300};
    Label Label106{owner, "Label106", In{"Frame7"}, 160, 1400, 2900, 260};
    TextBox Text6{owner, "Text6", In{"Frame7"}, 3160, 1360, 1400, 300};
    Label Label107{owner, "Label107", In{"Frame7"}, 160, 1760, 2900, 260};
    TextBox Text8{owner, "Text8", In{"Frame7"}, 3160, 1720, 1400, 300};
    Label Label108{owner, "Label108", In{"Frame7"}, 160, 2120, 2900, 260};
    TextBox Text9{owner, "Text9", In{"Frame7"}, 3160, 2080, 1400, 300};
    Label Label109{owner, "Label109", In{"Frame7"}, 160, 2480, 2900, 260};
    TextBox Text15{owner, "Text15", In{"Frame7"}, 3160, 2440, 1400, 300};

    // Plot options: the drawn elements, the colour-scale limits and the label angle. A click on
    // the frame's free area redraws the section.
    Frame Frame10{owner, "Frame10", In{"SSTab1", 3}, 5200, 3180, 4880, 3000};
    CheckBox Check1{owner, "Check1", In{"Frame10"}, 160, 300, 1500, 280};
    CheckBox Check2{owner, "Check2", In{"Frame10"}, 160, 620, 1500, 280};
    CheckBox Check3{owner, "Check3", In{"Frame10"}, 160, 940, 1500, 280};
    CheckBox Check4{owner, "Check4", In{"Frame10"}, 160, 1260, 1500, 280};
    CheckBox Check5{owner, "Check5", In{"Frame10"}, 160, 1580, 1500, 280};
    CheckBox Check6{owner, "Check6", In{"Frame10"}, 1760, 300, 1400, 280};
    CheckBox Check7{owner, "Check7", In{"Frame10"}, 1760, 620, 1400, 280};
    CheckBox Check9{owner, "Check9", In{"Frame10"}, 1760, 940, 1400, 280};
    CheckBox Check8{owner, "Check8", In{"Frame10"}, 1760, 1260, 1400, 280};
    Label Label110{owner, "Label110", In{"Frame10"}, 3280, 300, 1500, 260};
    TextBox Text11{owner, "Text11", In{"Frame10"}, 3280, 580, 1400, 300};
    Label Label111{owner, "Label111", In{"Frame10"}, 3280, 960, 1500, 260};
    TextBox Text12{owner, "Text12", In{"Frame10"}, 3280, 1240, 1400, 300};
    Label Label23{owner, "Label23", In{"Frame10"}, 160, 2040, 2000, 260};
    TextBox Text17{owner, "Text17", In{"Frame10"}, 2200, 2000, 800, 300};

    // Resistivity colour scale: 16 class boxes, three key colours with their channels, and the
    // button that stores the class colours in the settings file.
    Frame Frame8{owner, "Frame8", In{"SSTab1", 3}, 10300, 520, 4400, 8900};
    TextBox Text101{owner, "Text101", In{"Frame8"}, 200, 300, 1000, 285};
    TextBox Text102{owner, "Text102", In{"Frame8"}, 200, 600, 1000, 285};
    TextBox Text103{owner, "Text103", In{"Frame8"}, 200, 900, 1000, 285};
    TextBox Text104{owner, "Text104", In{"Frame8"}, 200, 1200, 1000, 285};
    TextBox Text105{owner, "Text105", In{"Frame8"}, 200, 1500, 1000, 285};
    TextBox Text106{owner, "Text106", In{"Frame8"}, 200, 1800, 1000, 285};
    TextBox Text107{owner, "Text107", In{"Frame8"}, 200, 2100, 1000, 285};
    TextBox Text108{owner, "Text108", In{"Frame8"}, 200, 2400, 1000, 285};
    TextBox Text109{owner, "Text109", In{"Frame8"}, 200, 2700, 1000, 285};
    TextBox Text110{owner, "Text110", In{"Frame8"}, 200, 3000, 1000, 285};
    TextBox Text111{owner, "Text111", In{"Frame8"}, 200, 3300, 1000, 285};
    TextBox Text112{owner, "Text112", In{"Frame8"}, 200, 3600, 1000, 285};
    TextBox Text113{owner, "Text113", In{"Frame8"}, 200, 3900, 1000, 285};
    TextBox Text114{owner, "Text114", In{"Frame8"}, 200, 4200, 1000, 285};
    TextBox Text115{owner, "Text115", In{"Frame8"}, 200, 4500, 1000, 285};
    TextBox Text116{owner, "Text116", In{"Frame8"}, 200, 4800, 1000, 285};
    Label Label102{owner, "Label102", In{"Frame8"}, 1440, 300, 2800, 500};
    TextBox Text117{owner, "Text117", In{"Frame8"}, 1440, 900, 1200, 700};
    TextBox Text120{owner, "Text120", In{"Frame8"}, 2800, 900, 480, 285};
    TextBox Text121{owner, "Text121", In{"Frame8"}, 3300, 900, 480, 285};
    TextBox Text122{owner, "Text122", In{"Frame8"}, 3800, 900, 480, 285};
    TextBox Text118{owner, "Text118", In{"Frame8"}, 1440, 2300, 1200, 700};
    TextBox Text123{owner, "Text123", In{"Frame8"}, 2800, 2300, 480, 285};
    TextBox Text124{owner, "Text124", In{"Frame8"}, 3300, 2300, 480, 285};
    TextBox Text125{owner, "Text125", In{"Frame8"}, 3800, 2300, 480, 285};
    TextBox Text119{owner, "Text119", In{"Frame8"}, 1440, 3700, 1200, 700};
    TextBox Text126{owner, "Text126", In{"Frame8"}, 2800, 3700, 480, 285};
    TextBox Text127{owner, "Text127", In{"Frame8"}, 3300, 3700, 480, 285};
    TextBox Text128{owner, "Text128", In{"Frame8"}, 3800, 3700, 480, 285};
    CommandButton Command10{owner, "Command10", In{"Frame8"}, 1440, 4700, 1800, 400};

    // The 16 class boxes in class order, and the key-colour boxes with their channel boxes.
    TextBox *class_box(int k);                  // k = 1..16; nullptr outside
    TextBox *key_box(int key);                  // key = 1..3: Text117..Text119
    TextBox *channel_box(int key, int channel); // channel 0 red, 1 green, 2 blue
};

} // namespace ohmira
