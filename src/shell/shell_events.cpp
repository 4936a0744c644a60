#include "shell/shell_events.h"

#include "shell/sev_form.h"

namespace ohmira {

void connect_shell_events() {}

} // namespace ohmira
