#pragma once
// The resets of the folders up to the editor, and up to the section pages, in reset_all_state's
// order. Inline, so a test program that calls neither need not link the folders they name.

#include "core/sounding.h"
#include "editor/editor_state.h"
#include "form/shell_state.h"
#include "plot/loglog_plot.h"
#include "plot/sheet_geometry.h"
#include "printing/printing_state.h"
#include "profiles/profiles_state.h"

namespace ohmira::test {

inline void reset_up_to_editor() {
    reset_core_state();
    reset_plot_state();
    reset_sheet_geometry();
    reset_shell_state();
    reset_editor_state();
}

inline void reset_up_to_pages() {
    reset_up_to_editor();
    reset_printing_state();
    reset_profiles_state();
}

} // namespace ohmira::test
