#include "plot/plot_redraw.h"

#include <cstdint>
#include <string>

#include "core/sounding.h"
#include "platform/runtime_error.h"
#include "plot/forward_commands.h"
#include "plot/loglog_plot.h"

namespace ohmira {

void Redraw_Sounding_Plot() {
    const std::string mode = Draw_Mode;
    const std::int16_t fresh = Fresh_Load;
    Draw_Mode = "NORMAL";
    Misfit = 0.0;
    skipping_errors(Draw_Bilog_Frame);
    if (Model_Layers(1, 1).finite_num().value_or(0.0) > 0 &&
        Model_Layers(2, 1).finite_num().value_or(0.0) > 0)
        skipping_errors(Compute_Curve);
    Draw_Mode = mode;
    Fresh_Load = fresh;
}

} // namespace ohmira
