#include "editor/editor_events.h"

#include "shell/sev_form.h"

namespace ohmira {

void connect_editor_events() {}

} // namespace ohmira
