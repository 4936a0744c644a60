#pragma once
// Controls of the main window that belong to profiles: the profile grid, the colour scale and the
// section preview. One control per line: type, name, container, design position and size (twips).
#include "platform/controls.h"
#include "platform/form.h"
#include "platform/print_preview.h"

namespace ohmira {

struct ProfilesControls {
    explicit ProfilesControls(Form &form) : owner(form) {}
    Form &owner;

    // The section preview; the tab dispatcher places and shows it over the "Make SEV Profile" tab.
    VSPrinter VSPrint1{owner, "VSPrint1", In{"SSTab1", 4}, 2300, 500, 12400, 8812};
};

} // namespace ohmira
