#pragma once
// Superposed soundings: the switch, stepping through the stored models and their redrawing.

namespace ohmira {

// Draws every stored model in the superposed colour and the current one in its own.
void Redraw_Superposed();
void Check18_Click();
void lastone_Click();
void nextone_Click();

} // namespace ohmira
