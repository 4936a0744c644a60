#include "core/superposition.h"

namespace ohmira {

// Placeholders: the superposition commands fill these in.
void Redraw_Superposed() {}
void Check18_Click() {}
void lastone_Click() {}
void nextone_Click() {}

} // namespace ohmira
