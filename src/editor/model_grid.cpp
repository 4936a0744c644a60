#include "editor/model_grid.h"

namespace ohmira {

// Placeholders: the model grid fills these in.
void Display_Model() {}
std::string Format_Decimals(double) {
    return {};
}
void lecturemodèle() {}
void Read_Model_Grid() {}

} // namespace ohmira
