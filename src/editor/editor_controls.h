#pragma once
// Controls of the main window that belong to the editor: the field-data grid, the model grid and
// their panels, the array-type options. One control per line: type, name, container, design
// position and size (twips).
#include "platform/controls.h"
#include "platform/flex_grid.h"
#include "platform/form.h"

namespace ohmira {

struct EditorControls {
    explicit EditorControls(Form &form) : owner(form) {}
    Form &owner;

    Frame Frame16{owner, "Frame16", In{"SSTab1", 0}, 9500, 420, 5040, 3600};
    FlexGrid BuildGrid{owner, "BuildGrid", In{"Frame16"}, 120, 240, 4800, 3240};
    Frame Frame17{owner, "Frame17", In{"SSTab1", 0}, 9500, 4080, 3000, 4700};
    FlexGrid Grid1{owner, "Grid1", In{"Frame17"}, 120, 240, 2760, 4340};
    Frame Frame15{owner, "Frame15", In{"SSTab1", 0}, 12560, 4080, 1980, 4700};
    Label Label31{owner, "Label31", In{"Frame15"}, 360, 1560, 1500, 240};
    TextBox Grid2{owner, "Grid2", In{"Frame15"}, 120, 1860, 480, 285};
    OptionButton Option1{owner, "Option1", In{"SSTab1", 2}, 240, 600, 2400, 285};
    OptionButton Option2{owner, "Option2", In{"SSTab1", 2}, 240, 900, 2400, 285};
    OptionButton Option3{owner, "Option3", In{"SSTab1", 2}, 240, 1200, 2400, 285};
};

} // namespace ohmira
