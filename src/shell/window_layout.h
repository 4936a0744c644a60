#pragma once
// The main window's size: a minimum, the tab strip and the plot and previews in proportion to
// the window, and the plot redrawn once a sounding was opened or computed.

namespace ohmira {

inline constexpr int min_window_width = 10440;
inline constexpr int min_window_height = 8300;

void SEV_Form_Resize();

} // namespace ohmira
