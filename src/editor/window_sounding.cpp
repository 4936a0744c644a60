#include "editor/window_sounding.h"

#include <array>

#include "core/app_title.h"
#include "core/sounding.h"
#include "editor/field_grid.h"
#include "editor/model_grid.h"
#include "platform/dialog_host.h"
#include "platform/runtime_error.h"
#include "plot/plot_redraw.h"

namespace ohmira {

namespace {

// The resistivities and thicknesses of the model, as numbers.
std::array<double, 40> model_values() {
    std::array<double, 40> v{};
    for (int i = 1; i <= 20; ++i)
        for (int c = 1; c <= 2; ++c)
            v[static_cast<std::size_t>((i - 1) * 2 + c - 1)] =
                Model_Layers(c, i).finite_num().value_or(0.0);
    return v;
}

} // namespace

bool Take_Window_Sounding(Window_Take how) {
    if (Window_Being_Replaced::active())
        return true;
    Take_Header_Boxes();
    const bool tell = how != Window_Take::Rebuild;
    // A model value the file cannot hold refuses before anything is computed.
    if (tell && !Check_Model_Grid())
        return false;
    const auto model_before = model_values();
    bool redraw = false;
    if (Field_Grid_Changed) {
        const Field_Grid_State before = Take_Field_Grid_State();
        skipping_errors(Compute_Field_Rows);
        redraw = true;
        // A save leaves nothing of what the grid shows behind; a computation needs every value
        // it uses to be one the file can hold. Refused, the window and the sounding stay as they
        // were, for the user to mend the row the box names.
        const bool refused = how == Window_Take::Save ? Field_Grid_Changed : Field_Value_Refused();
        if (refused && tell) {
            const std::string why = Field_Data_Refusal_Text();
            Restore_Field_Grid_State(before);
            MsgBox(why, vbExclamation + vbOKOnly, Prog_Title);
            return false;
        }
    }
    // The compute and fit commands read the grid themselves, once they have stored the model it
    // replaces.
    if (how == Window_Take::Save || (how == Window_Take::Rebuild && Model_Grid_Changed))
        Take_Model_Grid(tell);
    // A save shows what it writes: the rows computed and the curve of the model taken.
    if (how == Window_Take::Save && (redraw || model_values() != model_before))
        Redraw_Sounding_Plot();
    return true;
}

} // namespace ohmira
