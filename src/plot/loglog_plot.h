#pragma once
// The log-log plot of the sounding: frame, model curve, model steps and error curve.
// Plot coordinates are decades: x = log10 of the spacing in metres, y = log10 of the resistivity
// in ohm·m, both computed as ln(v) × 0.4343.
#include "core/forward_filters.h"
#include "platform/variant.h"

namespace ohmira {

// Half the side of a field-point square in decades; set by Draw_Bilog_Frame, empty before.
inline Variant Mark_Size;

// Wipes the screen plot and draws the empty frame with the field points.
void Draw_Bilog_Frame();
// Draws sample k (1-based) of the model curve, of apparent resistivity rho, at x = AB2min +
// (k - 1) / 8; a sample outside the window breaks the polyline.
void Plot_Curve_Point(int k, const Variant &rho);
// The same for the resistivity the computation stored for that sample (`Curve` row k - 1).
void Plot_Curve_Point(int k);
// Draws the current model as a step curve.
void Draw_Model_Steps();
// Computes the error of each field point against the model curve into `Curve` column 3 and
// draws it, 1 % on the bottom border and one decade per factor ten.
void Draw_Error_Curve();

// Draws the point at a spacing (m) and a resistivity (ohm·m) on the screen plot as the outline of
// a square of half-side Mark_Size, red in the sounding's own colours, else in Superposed_Color;
// a value with no logarithm draws nothing. No command reaches it.
void Draw_Point_Mark(double spacing, double rho);

// Puts the plot's own state back to its start value.
void reset_plot_state();

} // namespace ohmira
