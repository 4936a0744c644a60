#pragma once
// The log-log plot of the sounding: frame, model curve, model steps and error curve.

namespace ohmira {

// Wipes the screen plot and draws the empty frame with the field points.
void Draw_Bilog_Frame();
// Draws sample k of the model curve.
void Plot_Curve_Point(int k);
// Draws the current model as a step curve.
void Draw_Model_Steps();
// Draws the error of each field point against the model curve.
void Draw_Error_Curve();

} // namespace ohmira
