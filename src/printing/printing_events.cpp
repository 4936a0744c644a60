#include "printing/printing_events.h"

#include "shell/sev_form.h"

namespace ohmira {

void connect_printing_events() {}

} // namespace ohmira
