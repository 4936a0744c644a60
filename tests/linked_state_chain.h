#pragma once
// The resets of the folders up to the editor, in reset_all_state's order; those up to the section
// pages are in printing/linked_state_pages.h. Inline, so a test program that calls neither need not
// link the folders they name.

#include "core/sounding.h"
#include "editor/editor_state.h"
#include "form/form_state.h"
#include "plot/loglog_plot.h"
#include "plot/sheet_geometry.h"

namespace ohmira::test {

inline void reset_up_to_editor() {
    reset_core_state();
    reset_plot_state();
    reset_sheet_geometry();
    reset_form_state();
    reset_editor_state();
}

} // namespace ohmira::test
