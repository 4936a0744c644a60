#include "editor/editor_state.h"

#include "editor/field_grid.h"

#include "editor/model_grid.h"

namespace ohmira {

void reset_editor_state() {
    Model_First_Key = 0;
    Field_Row_Typed.clear();
    Field_Grid_Changed = false;
    Model_Grid_Changed = false;
    Field_Grid_Fit = nullptr;
}

} // namespace ohmira
