#include "app/app_state.h"

#include "conversions/conversions_state.h"
#include "core/sounding.h"
#include "editor/editor_state.h"
#include "form/form_state.h"
#include "plot/loglog_plot.h"
#include "plot/sheet_geometry.h"
#include "printing/printing_state.h"
#include "profiles/profiles_state.h"

namespace ohmira {

void reset_all_state() {
    reset_core_state();
    reset_plot_state();
    reset_sheet_geometry();
    reset_form_state();
    reset_editor_state();
    reset_printing_state();
    reset_profiles_state();
    reset_conversions_state();
}

} // namespace ohmira
