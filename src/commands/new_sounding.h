#pragma once
// A new, empty sounding in the window: the sounding's variables, the field grid, the header boxes,
// the sheet and the plot frame.

namespace ohmira {

// Starts a new, empty sounding: the sounding's variables, the grids, the header boxes and the
// plot frame. It names no file, so that no save of it can target a file shown before.
void New_SEV();
// Every way to start a new sounding (the toolbar, File ▸ New, the data page's New, the splash
// window and the About box) runs this: New_SEV, then the model editor, caption and status box.
void Start_New_Sounding();
// File ▸ New.
void NewFile_Click();

} // namespace ohmira
