#pragma once
// Options of the section drawing: the exclusive name and number labels, the fill switch, the
// redraw from the options frame, the line-colour swatches and the angle box's key filter.

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

} // namespace ohmira
