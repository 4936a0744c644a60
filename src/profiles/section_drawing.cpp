#include "profiles/section_drawing.h"

namespace ohmira {

// Placeholder: the section drawing fills this in.
void Trace_Profil() {}

} // namespace ohmira
