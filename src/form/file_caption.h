#pragma once
// The main window's caption, which names the file of the sounding on screen.

namespace ohmira {

// The window's caption, one style for every file: the program's title and, in brackets, the file
// the sounding on screen was read from or written to (Caption_File, else File_Path), or "NEW".
void Show_File_Caption();

} // namespace ohmira
