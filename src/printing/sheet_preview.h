#pragma once
// The sounding sheet on the "Print" tab.
#include <string>

namespace ohmira {

// The sheet's title line: the report title of the array type with the file name.
inline std::string Sheet_Title;
// True once the printer offered no fonts: the font lists of the preview pages then hold the
// screen's fonts.
inline bool Use_Screen_Fonts = false;

// Prepares the sheet page and builds the sheet of the current sounding in the preview.
void display_print();

} // namespace ohmira
