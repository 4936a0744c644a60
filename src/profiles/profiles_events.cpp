#include "profiles/profiles_events.h"

#include "shell/sev_form.h"

namespace ohmira {

void connect_profiles_events() {}

} // namespace ohmira
