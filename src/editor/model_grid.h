#pragma once
// The model grid of the editor.
#include <string>

namespace ohmira {

// Shows the current model in the model grid.
void Display_Model();
// The number as text padded to the thickness decimals of the Setup tab (never rounded).
std::string Format_Decimals(double v);
// Reads the model grid back into the model.
void lecturemodèle();
void Read_Model_Grid();

} // namespace ohmira
