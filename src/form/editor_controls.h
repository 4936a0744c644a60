#pragma once
// Controls of the main window that belong to the editor: the field-data grid, the model grid and
// their panels, the header boxes of the sounding, the array-type options. One control per line:
// type, name, container, design position and size (twips).
#include "platform/controls.h"
#include "platform/flex_grid.h"
#include "platform/form.h"

namespace ohmira {

struct EditorControls {
    explicit EditorControls(Form &form) : owner(form) {
        set_design_state();
        Option1.Caption("Schlumberger");
        Option2.Caption("Dipole");
        Option3.Caption("Wenner");
    }
    Form &owner;

    Frame Frame16{owner, "Frame16", In{"SSTab1", 0}, 9500, 420, 5360, 2520};
    FlexGrid BuildGrid{owner, "BuildGrid", In{"Frame16"}, 100, 240, 5200, 2160}; // field data

    // Editing of the field data: the buttons in two columns wide enough for every language, then
    // the smoothing and half-array boxes.
    Frame Frame14{owner, "Frame14", In{"SSTab1", 0}, 9500, 2980, 3250, 1480};
    CommandButton Command1{owner, "Command1", In{"Frame14"}, 60, 220, 1550, 300}; // new
    CommandButton Computation{owner, "Computation", In{"Frame14"}, 1640, 220, 1550, 300};
    CommandButton CorrectButton{owner, "CorrectButton", In{"Frame14"}, 60, 540, 1550, 300};
    CommandButton RecordButton{owner, "RecordButton", In{"Frame14"}, 1640, 540, 1550, 300};
    CommandButton SaveButton{owner, "SaveButton", In{"Frame14"}, 60, 860, 1550, 300};
    CommandButton ExitButton{owner, "ExitButton", In{"Frame14"}, 1640, 860, 1550, 300};
    CheckBox lissbox{owner, "lissbox", In{"Frame14"}, 60, 1200, 200, 200}; // smoothing
    Label Label26{owner, "Label26", In{"Frame14"}, 280, 1200, 1300, 200};
    CheckBox Check10{owner, "Check10", In{"Frame14"}, 1640, 1200, 200, 200}; // half array
    Label Label27{owner, "Label27", In{"Frame14"}, 1860, 1200, 1300, 200};

    // Marine-floor survey: the correction by the water resistivity.
    Frame Frame9{owner, "Frame9", In{"SSTab1", 0}, 12810, 2980, 2050, 1480};
    CheckBox Marine_floor{owner, "Marine_floor", In{"Frame9"}, 80, 300, 240, 240};
    Label Label25{owner, "Label25", In{"Frame9"}, 80, 620, 1880, 400}; // water resistivity
    TextBox Reau{owner, "Reau", In{"Frame9"}, 80, 1060, 1000, 280};

    // The layered model: grid, then the panel of its commands.
    Frame Frame17{owner, "Frame17", In{"SSTab1", 0}, 9500, 4500, 3600, 4700};
    FlexGrid Grid1{owner, "Grid1", In{"Frame17"}, 90, 240, 3420, 4380}; // model grid
    Frame Frame15{owner, "Frame15", In{"SSTab1", 0}, 13160, 4500, 1700, 4700};
    CommandButton Calcul_Button{owner, "Calcul_Button", In{"Frame15"}, 70, 240, 1560, 330};
    CommandButton Ajuste_Button{owner, "Ajuste_Button", In{"Frame15"}, 70, 600, 1560, 330};
    CommandButton Record_Button{owner, "Record_Button", In{"Frame15"}, 70, 960, 1560, 330};
    CommandButton InsLine{owner, "InsLine", In{"Frame15"}, 70, 1320, 1560, 330};
    CommandButton delLine{owner, "delLine", In{"Frame15"}, 70, 1680, 1560, 330};
    Label Label31{owner, "Label31", In{"Frame15"}, 350, 2100, 1280, 420}; // beside Check18
    TextBox Grid2{owner, "Grid2", In{"Frame15"}, 450, 2580, 480, 300};    // slot shown
    Label Label29{owner, "Label29", In{"Frame15"}, 70, 3000, 1560, 240};  // slider title
    Label Label28{owner, "Label28", In{"Frame15"}, 70, 3690, 300, 240};   // slider, low end
    Label Label30{owner, "Label30", In{"Frame15"}, 1010, 3690, 300, 240}; // slider, high end
    Label Title_Label{owner, "Title_Label", In{"Frame15"}, 70, 3960, 1560, 240};
    TextBox Text19{owner, "Text19", In{"Frame15"}, 70, 4200, 1560, 300}; // title read by the fit

    // The sounding's header texts, under the plot.
    Frame Frame5{owner, "Frame5", In{"SSTab1", 0}, 120, 7980, 4320, 800}; // location
    Label X_Label{owner, "X_Label", In{"Frame5"}, 80, 300, 170, 240};
    TextBox X_Texte1{owner, "X_Texte1", In{"Frame5"}, 260, 280, 780, 300};
    Label Y_Label{owner, "Y_Label", In{"Frame5"}, 1100, 300, 170, 240};
    TextBox Y_Texte2{owner, "Y_Texte2", In{"Frame5"}, 1280, 280, 780, 300};
    Label Z_Label{owner, "Z_Label", In{"Frame5"}, 2120, 300, 170, 240};
    TextBox Z_Texte3{owner, "Z_Texte3", In{"Frame5"}, 2300, 280, 700, 300};
    Label Azim_Label{owner, "Azim_Label", In{"Frame5"}, 3060, 300, 300, 240};
    TextBox Azimtext{owner, "Azimtext", In{"Frame5"}, 3380, 280, 860, 300};
    Frame Frame2{owner, "Frame2", In{"SSTab1", 0}, 4500, 7980, 2400, 800}; // graph title
    TextBox Text29{owner, "Text29", In{"Frame2"}, 100, 280, 2200, 300};
    Frame Frame1{owner, "Frame1", In{"SSTab1", 0}, 6960, 7980, 2398, 800}; // comment
    TextBox Text18{owner, "Text18", In{"Frame1"}, 100, 280, 2198, 300};

    OptionButton Option1{owner, "Option1", In{"SSTab1", 2}, 240, 600, 2400, 285};
    OptionButton Option2{owner, "Option2", In{"SSTab1", 2}, 240, 900, 2400, 285};
    OptionButton Option3{owner, "Option3", In{"SSTab1", 2}, 240, 1200, 2400, 285};
    Label Label8{owner, "Label8", In{"Frame4"}, 120, 420, 840, 285}; // spacing of the range

private:
    void set_design_state();
};

} // namespace ohmira
