#pragma once
// The sounding sheet on the "Print" tab.

namespace ohmira {

// Prepares the sheet page and builds the sheet of the current sounding in the preview.
void display_print();

} // namespace ohmira
