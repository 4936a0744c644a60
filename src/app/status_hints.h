#pragma once
// Hints written into the status box Text1 when the mouse moves over two colour sample boxes.

namespace ohmira {

void Picture4_MouseMove(int Button, int Shift, double X, double Y);
void Picture5_MouseMove(int Button, int Shift, double X, double Y);

// Hint procedures that no control calls.
void Show_New_Sounding_Hint(int Button, int Shift, double X, double Y);
void Show_Modeling_Hint();
void Show_Help_Hint();
void Do_Nothing_1();
void Do_Nothing_2();

} // namespace ohmira
