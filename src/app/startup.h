#pragma once
// The program's start: the main window's Form_Load.

namespace ohmira {

// Prepares the shared state, refuses a second copy, reads the settings, fills the recent files,
// swatches, caption and language list, shows the splash window and, once it is closed, sets up
// the data-entry page, the Setup tab, the profile grid and the model editor.
void SEV_Form_Load();

// The text of the decimal-separator question.
inline constexpr const char *decimal_separator_question =
    " Decimal separator is a comma, Ohmira can modify the decimal separator\r\n"
    "a point is required to run correctly all modules! ";

} // namespace ohmira
