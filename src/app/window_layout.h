#pragma once
// The main window's size: a minimum, the tab strip and the plot and previews in proportion to
// the window, the controls of the Main page placed around the plot so that none covers another,
// and the plot redrawn once a sounding was opened or computed.

namespace ohmira {

// The smallest window that holds every page's controls whole, beside and below the plot.
inline constexpr int min_window_width = 15360;
inline constexpr int min_window_height = 10800;

// What the window's frame, title and menu bar take from its outer size, in twips (8 and 55
// pixels): the tab strip stays inside what is left.
inline constexpr int window_chrome_width = 120;
inline constexpr int window_chrome_height = 825;

void SEV_Form_Resize();

} // namespace ohmira
