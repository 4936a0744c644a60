#pragma once
// Controls of the main window that belong to the application shell: tab strip, toolbar, menus,
// language list. One control per line: type, name, container, design position and size (twips).
#include "platform/common_dialog.h"
#include "platform/controls.h"
#include "platform/form.h"
#include "platform/image_list.h"
#include "platform/menu.h"
#include "platform/tab_strip.h"
#include "platform/toolbar.h"

namespace ohmira {

struct ShellControls {
    explicit ShellControls(Form &form);
    Form &owner;

    Toolbar Toolbar1{owner, "Toolbar1", 0, 0, 12000, 420};
    ImageList ImageList1{owner, "ImageList1"};
    SSTab SSTab1{owner, "SSTab1", 0, 420, 12000, 8160};
    CommonDialog CmDialog1; // every open, save and colour dialog of the main window
};

} // namespace ohmira
