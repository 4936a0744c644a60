#pragma once
// Placement of the log-log plot on the sheet page, set by the sheet builder before the model
// curves are drawn on the page ("FRMPRINT" mode).
#include "platform/variant.h"

namespace ohmira {

// Millimetres per decade, the same on both axes.
inline Variant Print_Scale;
// Page position in twips of the plot window's lower-left corner (10^AB2min m, 10^RHOmin ohm·m);
// page y grows downwards.
inline Variant Print_X0;
inline Variant Print_Y0;

inline constexpr double twips_per_mm = 56.7;

inline void reset_sheet_geometry() {
    Print_Scale.clear();
    Print_X0.clear();
    Print_Y0.clear();
}

} // namespace ohmira
