#include "printing/picture_export.h"

namespace ohmira {

// Placeholder: the picture export fills this in.
void Copy_Plot_To_Clipboard() {}

} // namespace ohmira
