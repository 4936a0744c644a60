#include "printing/sheet_preview.h"

namespace ohmira {

// Placeholder: the sheet printing fills this in.
void display_print() {}

} // namespace ohmira
