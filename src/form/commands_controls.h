#pragma once
// Controls of the main window that the sounding commands own: the log-log plot, the status box, the
// automatic-model threshold and the superposition switch with its two arrows. One control per line:
// type, name, container, design position and size (twips).
#include "platform/controls.h"
#include "platform/form.h"
#include "platform/picture_box.h"

namespace ohmira {

struct CommandsControls {
    explicit CommandsControls(Form &form) : owner(form) {
        Bilog.Font(FontSpec{"Arial", 7.5, true, false});
        Text1.Text("Ohmira");
        lastone.Caption("<");
        nextone.Caption(">");
        lastone.Enabled(false);
        nextone.Enabled(false);
    }
    Form &owner;

    PictureBox Bilog{owner, "Bilog", In{"SSTab1", 0}, 120, 420, 9238, 7500};
    // The status line: beside the toolbar, outside the tab strip, so it shows on every page.
    TextBox Text1{owner, "Text1", 5400, 60, 9500, 300};
    TextBox Text2{owner, "Text2", In{"SSTab1", 0}, 120, 9180, 4560, 285};
    TextBox Text3{owner, "Text3", In{"SSTab1", 0}, 4800, 9180, 2160, 285};
    TextBox Text4{owner, "Text4", In{"SSTab1", 0}, 7080, 9180, 2278, 285};
    Slider Slider1{owner, "Slider1", In{"Frame15"}, 70, 3240, 1240, 420};
    CheckBox Check18{owner, "Check18", In{"Frame15"}, 70, 2130, 240, 240};       // superposition
    CommandButton lastone{owner, "lastone", In{"Frame15"}, 70, 2580, 340, 300};  // previous
    CommandButton nextone{owner, "nextone", In{"Frame15"}, 970, 2580, 340, 300}; // next
};

} // namespace ohmira
