#pragma once
// The buttons of the field-data editing frame `Frame14`: new sounding, compute and fit, delete
// and insert a line, save with its confirmation, quit the editing; the smoothing box `lissbox`;
// the window's focus rule and the shift-marker box `Text3`.

namespace ohmira {

void Command1_Click();      // new sounding
void Computation_Click();   // compute the rows, then the automatic model and its fit
void CorrectButton_Click(); // delete the current line
void RecordButton_Click();  // insert a line above the current one
void SaveButton_Click();
void ExitButton_Click(); // end the editing and redraw the plot
void lissbox_Click();
void Text3_DblClick();
void Form_GotFocus();

// Asks whether the field points counted are to be saved, and saves them; true when written.
bool Confirm_Save_Field_Data();

} // namespace ohmira
