#pragma once
// Controls of the main window that belong to printing: the sheet preview and its controls. One
// control per line: type, name, container, design position and size (twips).
#include "platform/controls.h"
#include "platform/form.h"
#include "platform/print_preview.h"

namespace ohmira {

struct PrintingControls {
    explicit PrintingControls(Form &form) : owner(form) {}
    Form &owner;

    VSPrinter VSPrint{owner, "VSPrint", In{"SSTab1", 1}, 2300, 500, 12400, 8812};
};

} // namespace ohmira
