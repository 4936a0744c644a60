#include "shell/shell_state.h"

namespace ohmira {

void reset_shell_state() {}

} // namespace ohmira
