#include "conversions/conversions_events.h"

#include "shell/sev_form.h"

namespace ohmira {

void connect_conversions_events() {}

} // namespace ohmira
