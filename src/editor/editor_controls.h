#pragma once
// Controls of the main window that belong to the editor: the field-data grid, the model grid and
// their panels, the array-type options. One control per line: type, name, container, design
// position and size (twips).
#include "platform/controls.h"
#include "platform/flex_grid.h"
#include "platform/form.h"

namespace ohmira {

struct EditorControls {
    explicit EditorControls(Form &form) : owner(form) {
        Option1.Caption("Schlumberger");
        Option2.Caption("Dipole");
        Option3.Caption("Wenner");
    }
    Form &owner;

    Frame Frame16{owner, "Frame16", In{"SSTab1", 0}, 9500, 420, 5040, 2520};
    FlexGrid BuildGrid{owner, "BuildGrid", In{"Frame16"}, 120, 240, 4800, 2160};

    // Editing of the field data: the buttons, the smoothing and half-array boxes.
    Frame Frame14{owner, "Frame14", In{"SSTab1", 0}, 9500, 2980, 3420, 1060};
    CommandButton Command1{owner, "Command1", In{"Frame14"}, 80, 220, 1060, 300}; // new
    CommandButton Computation{owner, "Computation", In{"Frame14"}, 1180, 220, 1060, 300};
    CommandButton CorrectButton{owner, "CorrectButton", In{"Frame14"}, 2280, 220, 1060, 300};
    CommandButton RecordButton{owner, "RecordButton", In{"Frame14"}, 80, 540, 1060, 300};
    CommandButton SaveButton{owner, "SaveButton", In{"Frame14"}, 1180, 540, 1060, 300};
    CommandButton ExitButton{owner, "ExitButton", In{"Frame14"}, 2280, 540, 1060, 300};
    CheckBox lissbox{owner, "lissbox", In{"Frame14"}, 80, 850, 200, 200}; // smoothing
    Label Label26{owner, "Label26", In{"Frame14"}, 300, 850, 1100, 200};
    CheckBox Check10{owner, "Check10", In{"Frame14"}, 1440, 850, 200, 200}; // half array
    Label Label27{owner, "Label27", In{"Frame14"}, 1660, 850, 1300, 200};

    // Marine-floor survey: the correction by the water resistivity.
    Frame Frame9{owner, "Frame9", In{"SSTab1", 0}, 12980, 2980, 1560, 1060};
    CheckBox Marine_floor{owner, "Marine_floor", In{"Frame9"}, 80, 240, 240, 240};
    Label Label25{owner, "Label25", In{"Frame9"}, 80, 520, 1400, 200}; // water resistivity
    TextBox Reau{owner, "Reau", In{"Frame9"}, 80, 730, 1000, 280};
    Frame Frame17{owner, "Frame17", In{"SSTab1", 0}, 9500, 4080, 3000, 4700};
    FlexGrid Grid1{owner, "Grid1", In{"Frame17"}, 120, 240, 2760, 4340};
    Frame Frame15{owner, "Frame15", In{"SSTab1", 0}, 12560, 4080, 1980, 4700};
    Label Label31{owner, "Label31", In{"Frame15"}, 360, 1560, 1500, 240};
    TextBox Grid2{owner, "Grid2", In{"Frame15"}, 120, 1860, 480, 285};
    OptionButton Option1{owner, "Option1", In{"SSTab1", 2}, 240, 600, 2400, 285};
    OptionButton Option2{owner, "Option2", In{"SSTab1", 2}, 240, 900, 2400, 285};
    OptionButton Option3{owner, "Option3", In{"SSTab1", 2}, 240, 1200, 2400, 285};
    Label Label8{owner, "Label8", In{"Frame4"}, 120, 420, 840, 285}; // spacing of the range
};

} // namespace ohmira
