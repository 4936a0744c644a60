#pragma once
// The readout of the log-log plot: the spacing and resistivity under the pointer, shown in the
// status box `Text1` while the mouse moves over the plot or a button is pressed on it.
#include <string>

namespace ohmira {

// X and Y are the pointer's position in the plot's user scale (decades).
void Bilog_MouseMove(int Button, int Shift, float X, float Y);
void Bilog_MouseDown(int Button, int Shift, float X, float Y);

// The readout text for a pointer at (X, Y), e.g. "AB/2= 3.1  R= 100".
std::string plot_readout_text(float X, float Y);

// Asks "Do you want a color grid" and sets Color_Mode to True on Yes, to 0 on No. No command
// reaches it.
void Ask_Color_Grid();

// Connects the plot's mouse events to the readout; run once at start-up.
void connect_plot_events();

} // namespace ohmira
