#pragma once
// Controls of the main window that belong to the editor: the field-data grid, the model grid and
// their panels, the header boxes of the sounding, the array-type options. One control per line:
// type, name, container, design position and size (twips).
#include "platform/controls.h"
#include "platform/flex_grid.h"
#include "platform/form.h"

namespace ohmira {

struct EditorControls {
    explicit EditorControls(Form &form) : owner(form) { set_design_state(); }
    Form &owner;

    Frame Frame16{owner, "Frame16", In{"SSTab1", 0}, 9500, 420, 5040, 3600};
    FlexGrid BuildGrid{owner, "BuildGrid", In{"Frame16"}, 120, 240, 4800, 3240}; // field data

    // The layered model: grid, then the panel of its commands.
    Frame Frame17{owner, "Frame17", In{"SSTab1", 0}, 9500, 4080, 3540, 4700};
    FlexGrid Grid1{owner, "Grid1", In{"Frame17"}, 100, 240, 3340, 4340}; // model grid
    Frame Frame15{owner, "Frame15", In{"SSTab1", 0}, 13100, 4080, 1440, 4700};
    CommandButton Calcul_Button{owner, "Calcul_Button", In{"Frame15"}, 100, 240, 1240, 330};
    CommandButton Ajuste_Button{owner, "Ajuste_Button", In{"Frame15"}, 100, 600, 1240, 330};
    CommandButton Record_Button{owner, "Record_Button", In{"Frame15"}, 100, 960, 1240, 330};
    CommandButton InsLine{owner, "InsLine", In{"Frame15"}, 100, 1320, 1240, 330};
    CommandButton delLine{owner, "delLine", In{"Frame15"}, 100, 1680, 1240, 330};
    Label Label31{owner, "Label31", In{"Frame15"}, 380, 2130, 1000, 240}; // beside Check18
    TextBox Grid2{owner, "Grid2", In{"Frame15"}, 480, 2460, 480, 300};    // slot shown
    Label Label29{owner, "Label29", In{"Frame15"}, 100, 2880, 1240, 240}; // slider title
    Label Label28{owner, "Label28", In{"Frame15"}, 100, 3600, 300, 240};  // slider, low end
    Label Label30{owner, "Label30", In{"Frame15"}, 1040, 3600, 300, 240}; // slider, high end
    TextBox Text29{owner, "Text29", In{"Frame15"}, 100, 4200, 1240, 300}; // graph title

    // The sounding's header texts, under the plot.
    Frame Frame5{owner, "Frame5", In{"SSTab1", 0}, 120, 7980, 4320, 800}; // location
    Label X_Label{owner, "X_Label", In{"Frame5"}, 80, 300, 200, 240};
    TextBox X_Texte1{owner, "X_Texte1", In{"Frame5"}, 260, 280, 780, 300};
    Label Y_Label{owner, "Y_Label", In{"Frame5"}, 1100, 300, 200, 240};
    TextBox Y_Texte2{owner, "Y_Texte2", In{"Frame5"}, 1280, 280, 780, 300};
    Label Z_Label{owner, "Z_Label", In{"Frame5"}, 2120, 300, 200, 240};
    TextBox Z_Texte3{owner, "Z_Texte3", In{"Frame5"}, 2300, 280, 700, 300};
    Label Azim_Label{owner, "Azim_Label", In{"Frame5"}, 3060, 300, 300, 240};
    TextBox Azimtext{owner, "Azimtext", In{"Frame5"}, 3380, 280, 860, 300};
    Frame Frame2{owner, "Frame2", In{"SSTab1", 0}, 4500, 7980, 2400, 800}; // graph title
    TextBox Text19{owner, "Text19", In{"Frame2"}, 100, 280, 2200, 300};
    Frame Frame1{owner, "Frame1", In{"SSTab1", 0}, 6960, 7980, 2398, 800}; // comment
    TextBox Text18{owner, "Text18", In{"Frame1"}, 100, 280, 2198, 300};

    OptionButton Option1{owner, "Option1", In{"SSTab1", 2}, 240, 600, 2400, 285};
    OptionButton Option2{owner, "Option2", In{"SSTab1", 2}, 240, 900, 2400, 285};
    OptionButton Option3{owner, "Option3", In{"SSTab1", 2}, 240, 1200, 2400, 285};

private:
    void set_design_state();
};

} // namespace ohmira
