#include "shell/setup_tab.h"

namespace ohmira {

// Placeholder: the Setup tab fills this in.
void Load_parameter() {}

} // namespace ohmira
