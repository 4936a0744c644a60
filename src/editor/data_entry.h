#pragma once
// The data-entry page of the editor.
#include <string>

namespace ohmira {

// Full path of the default spacing table of the current array type (kept in the settings).
inline std::string Spacing_File;

// Rebuilds the data-entry page from the current sounding.
void Load_build();
// Refills the field grid: the sounding's field data, or the spacing table for a new sounding.
void Load_Field_Grid();

} // namespace ohmira
