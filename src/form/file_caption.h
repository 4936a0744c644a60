#pragma once
// The main window's caption and status box, which name the file of the sounding on screen.

namespace ohmira {

// The window's caption, one style for every file: the program's title and, in brackets, the file
// the sounding on screen was read from or written to (Caption_File, else File_Path), or "NEW";
// the title alone while no sounding has been started.
void Show_File_Caption();
// The caption, and the status box Text1 the name of that file ("NEW" for a sounding typed in):
// after an open, a save, a conversion and a new sounding.
void Show_Sounding_Name();

} // namespace ohmira
