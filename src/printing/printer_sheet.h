#pragma once
// The sounding sheet drawn directly on the system printer, without the preview: the plot in a
// user scale of decades (frame, grid, labels, the stored and current model curves, the field
// points), then the text half (location, model table, comment, footer) and, while `Printing` is
// set, a second page with the field data. No menu reaches these operations.
#include <string>

#include "platform/variant.h"

namespace ohmira {

// Number of sheets Print_Sheet_Copies prints; the copies of the printer dialog.
inline Variant Print_Copies;

// One print job: the plot, the text part, end of document.
void Print_Sheet();
// Prints one sheet with its field-data page.
void Run_Print_Sheet();
// Asks for the number of copies in the printer dialog, then prints that many sheets.
void Print_Sheet_Copies();
// Prints the image of the main window.
void Print_Form_Image();

// The text half of the sheet on the open printer document.
void Print_Sheet_Text();
// The number text of `value` right-aligned by leading blanks, a digit counting two blank widths
// and the point one: 250 gets 4 blanks, 12.5 gets 3, 0 gives 12 blanks. A text too long for the
// column gets none.
void Pad_Print_Number(const Variant &value, std::string &text);

} // namespace ohmira
