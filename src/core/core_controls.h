#pragma once
// Controls of the main window that belong to the core: the log-log plot, the status box, the
// automatic-model threshold and the superposition switch. One control per line: type, name,
// container, design position and size (twips).
#include "platform/controls.h"
#include "platform/form.h"
#include "platform/picture_box.h"

namespace ohmira {

struct CoreControls {
    explicit CoreControls(Form &form) : owner(form) {
        Bilog.Font(FontSpec{"Arial", 7.5, true, false});
    }
    Form &owner;

    PictureBox Bilog{owner, "Bilog", In{"SSTab1", 0}, 120, 420, 6600, 6000};
    TextBox Text1{owner, "Text1", In{"SSTab1", 0}, 120, 6480, 6600, 285};
    TextBox Text2{owner, "Text2", In{"SSTab1", 0}, 120, 6840, 3240, 285};
    TextBox Text3{owner, "Text3", In{"SSTab1", 0}, 3480, 6840, 1560, 285};
    TextBox Text4{owner, "Text4", In{"SSTab1", 0}, 5160, 6840, 1560, 285};
    Slider Slider1{owner, "Slider1", In{"Frame15"}, 120, 2400, 1740, 420};
    CheckBox Check18{owner, "Check18", In{"Frame15"}, 120, 1560, 240, 240};
};

} // namespace ohmira
