#pragma once
// Pictures of the plot and the preview pages: clipboard and WMF files.

namespace ohmira {

// Puts the picture of the log-log plot on the clipboard and says so.
void Copy_Plot_To_Clipboard();

} // namespace ohmira
