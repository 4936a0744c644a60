#include "editor/data_entry.h"

namespace ohmira {

// Placeholder: the editor code fills this in.
void Load_build() {}
void Load_Field_Grid() {}

} // namespace ohmira
