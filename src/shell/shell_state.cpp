#include "shell/shell_state.h"

#include "shell/settings.h"

namespace ohmira {

void reset_shell_state() {
    reset_settings();
}

} // namespace ohmira
