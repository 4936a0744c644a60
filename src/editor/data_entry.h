#pragma once
// The data-entry page of the editor.
#include <string>

namespace ohmira {

// Full path of the default spacing table of the current array type (kept in the settings).
inline std::string Spacing_File;

// Rebuilds the data-entry page from the current sounding.
void Load_build();
// Empties the field grid and writes Field_Data into it (after a file is opened).
void Fill_Field_Grid();

} // namespace ohmira
