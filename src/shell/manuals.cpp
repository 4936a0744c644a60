#include "shell/manuals.h"

namespace ohmira {

// Placeholder: the manuals fill this in.
void Open_Help_Manual() {}

} // namespace ohmira
