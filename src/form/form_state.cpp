#include "form/form_state.h"

#include "form/settings.h"
#include "platform/printer.h"

namespace ohmira {

void reset_form_state() {
    reset_settings();
    // Installed again by Prepare_Main_Window; a folder of an earlier window must not stay.
    Print_File_Folder = nullptr;
}

} // namespace ohmira
