#include "editor/data_entry.h"

namespace ohmira {

// Placeholder: the editor code fills this in.
void Load_build() {}

} // namespace ohmira
