#pragma once
// A new, empty sounding in the window: the sounding's variables, the field grid, the header boxes,
// the sheet and the plot frame.

namespace ohmira {

// Starts a new, empty sounding.
void New_SEV();
// File ▸ New.
void NewFile_Click();

} // namespace ohmira
