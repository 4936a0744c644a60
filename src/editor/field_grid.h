#pragma once
// Typing into the field-data grid and the computation of its rows.

namespace ohmira {

// Reads the field grid into Field_Data, computing K and the apparent resistivity of each row.
void Compute_Field_Rows();

} // namespace ohmira
