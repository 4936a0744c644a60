#include "editor/editor_state.h"

namespace ohmira {

void reset_editor_state() {}

} // namespace ohmira
