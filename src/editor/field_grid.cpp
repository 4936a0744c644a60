#include "editor/field_grid.h"

namespace ohmira {

// Placeholder: the field-grid editing fills this in.
void Compute_Field_Rows() {}

} // namespace ohmira
