#pragma once
// The data-entry page of the editor.

namespace ohmira {

// Rebuilds the data-entry page from the current sounding.
void Load_build();

} // namespace ohmira
