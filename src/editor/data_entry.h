#pragma once
// The data-entry page of the editor.
#include <string>

namespace ohmira {

// Full path of the default spacing table of the current array type (kept in the settings).
inline std::string Spacing_File;

// Rebuilds the data-entry page from the current sounding.
void Load_build();

} // namespace ohmira
