#pragma once
// The settings the computation reads: where the curve starts and how thicknesses are rounded.
// They are kept in the settings file with the others (form/settings_values.h).
#include <cstdint>

namespace ohmira {

inline std::int16_t AB2min = -1;       // decade exponent of the plot's left edge, the curve's start
inline std::int16_t Decimals_Mode = 0; // thickness decimals: 0 automatic, 1 or 2

} // namespace ohmira
