#include "editor/model_editor.h"

namespace ohmira {

// Placeholder: the model editor fills this in.
void Set_Model_Editor_Captions() {}

} // namespace ohmira
