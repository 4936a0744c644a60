#pragma once
// Leaving the program: every way out (File ▸ Exit, the toolbar's stop, the close box) goes
// through Quit_Program, which writes the settings and asks whether the data was saved.

namespace ohmira {

// True after Quit_Program when the program is ending, False when the user cancelled.
inline bool Quit_Answer = false;

// Writes the settings, then asks. Cancel: the answer is False and the program goes on. Yes: the
// settings are written again and the program ends. No: the same after the sounding is saved to
// File_Path; when that save does not happen (cancelled or failed) the program goes on as after
// Cancel, so nothing is lost.
void Quit_Program(bool &answer);

void E_M_Click();
// The main window's unload: keeps the window (Cancel = 1) when the user cancelled.
void SEV_Form_Unload(int &Cancel);
void Request_Exit();

// The question's text in the user's language.
const char *quit_question();

} // namespace ohmira
