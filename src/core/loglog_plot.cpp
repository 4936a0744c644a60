#include "core/loglog_plot.h"

namespace ohmira {

// Placeholders: the plot code fills these in.
void Draw_Bilog_Frame() {}
void Plot_Curve_Point(int) {}
void Draw_Model_Steps() {}
void Draw_Error_Curve() {}

} // namespace ohmira
