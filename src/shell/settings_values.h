#pragma once
// Settings read by the computation and drawing code, with the defaults of the settings file.
#include <cstdint>

namespace ohmira {

inline std::int16_t AB2min = -1;       // decade exponent of the plot's left edge
inline std::int16_t Draw_Model = 1;    // 1: draw the model steps after each computation
inline std::int16_t Draw_RMS = 0;      // 1: draw the error curve after each computation
inline std::int16_t Decimals_Mode = 0; // thickness decimals: 0 automatic, 1 or 2

} // namespace ohmira
