#pragma once
// Options of the section drawing: the exclusive name and number labels, the fill switch, the
// redraw from the options frame, the line-colour swatches, the angle box's key filter, and the
// profile page set-up.

namespace ohmira {

void Check7_Click();
void Check9_Click();
// Fill on: narrow touching columns, numbers instead of names, no labels or correlation lines.
// Fill off: the last drawn width back in Text8 (mm, one decimal), names, labels and correlation.
void Check8_Click();
void Frame10_Click();
// Colour dialog for the correlation-line and topography-line swatches; a cancel keeps the colour.
void Text15_Click();
void Text9_Click();
void Text17_KeyPress(int &KeyAscii);
// Zoom lists, font list and margins of the profile page; nothing is drawn.
void Display_profil();

} // namespace ohmira
