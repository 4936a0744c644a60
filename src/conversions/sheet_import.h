#pragma once
// Multiple soundings sheet: a spread file (the AB/2 spacings shared by every sounding) and a
// resistivity file (one line per sounding: name, X, Y, Z, then one apparent resistivity per
// spacing) turned into one fitted QD3 file per line, saved beside the resistivity file.
#include <string>
#include <string_view>
#include <vector>

namespace ohmira {

// Path of the QD3 file being written.
inline std::string Output_File;

// The fields of one line of the resistivity file. Characters "#" to "z" (codes 35 to 122) belong
// to a field; any other character ends the current field, so two separators in a row make an
// empty field. Blanks, tabs and CR at the end of the line are dropped first: they add no field.
std::vector<std::string> cut_sheet_fields(std::string_view line);

// Conversions ▸ Multiple soundings sheet.
void Sheet_Click();

} // namespace ohmira
