#include "../linked_state.h"

#include "core/sounding.h"
#include "editor/editor_state.h"
#include "form/shell_state.h"
#include "plot/loglog_plot.h"
#include "plot/sheet_geometry.h"
#include "printing/printing_state.h"
#include "profiles/profiles_state.h"

namespace ohmira::test {

void reset_linked_state() {
    reset_core_state();
    reset_plot_state();
    reset_sheet_geometry();
    reset_shell_state();
    reset_editor_state();
    reset_printing_state();
    reset_profiles_state();
}

} // namespace ohmira::test
