#pragma once
// A small form used by the control tests: two option groups, a tab strip with a page each,
// text boxes, buttons, a list, a combo, a slider and a grid.
#include "platform/controls.h"
#include "platform/flex_grid.h"
#include "platform/form.h"
#include "platform/menu.h"
#include "platform/tab_strip.h"
#include "platform/toolbar.h"

namespace ohmira::test {

struct SampleForm : Form {
    SampleForm() : Form("Sample", "Sample window") {}

    SSTab Tabs{*this, "Tabs", 0, 0, 6000, 4000};
    Frame Left{*this, "Left", In{"Tabs", 0}, 100, 400, 2000, 1500};
    OptionButton OptA{*this, "OptA", In{"Left"}, 100, 200, 1500, 285};
    OptionButton OptB{*this, "OptB", In{"Left"}, 100, 500, 1500, 285};
    OptionButton OptC{*this, "OptC", In{"Tabs", 0}, 2200, 200, 1500, 285};
    OptionButton OptD{*this, "OptD", In{"Tabs", 0}, 2200, 500, 1500, 285};
    OptionButton OptE{*this, "OptE", In{"Tabs", 1}, 2200, 500, 1500, 285};
    CheckBox Check{*this, "Check", In{"Tabs", 0}, 2200, 900, 1500, 285};
    TextBox Entry{*this, "Entry", In{"Tabs", 0}, 100, 2000, 2000, 285};
    TextBox Notes{*this, "Notes", In{"Tabs", 0}, 100, 2400, 2000, 900};
    TextBox Other{*this, "Other", In{"Tabs", 1}, 100, 400, 2000, 285};
    ListBox Items{*this, "Items", In{"Tabs", 0}, 2200, 1300, 1500, 900};
    ComboBox Choice{*this, "Choice", In{"Tabs", 0}, 3800, 200, 1500, 315};
    Slider Level{*this, "Level", In{"Tabs", 0}, 3800, 600, 1500, 420};
    FlexGrid Table{*this, "Table", In{"Tabs", 0}, 3800, 1200, 2000, 2000};
    CommandButton Ok{*this, "Ok", 100, 4100, 1200, 360};
    CommandButton Cancel{*this, "Cancel", 1400, 4100, 1200, 360};
    Label Status{*this, "Status", 2700, 4100, 3000, 285};
};

} // namespace ohmira::test
