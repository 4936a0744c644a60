#pragma once
// Settings read by the computation and drawing code, with the defaults of the settings file.
#include <cstdint>
#include <string>

#include "core/computation_settings.h"
#include "platform/variant.h"

namespace ohmira {

inline std::int16_t Draw_Model = 1; // 1: draw the model steps after each computation
inline std::int16_t Draw_RMS = 0;   // 1: draw the error curve after each computation

// The rest of the plot window as decade exponents: spacings 10^AB2min .. 10^AB2max m,
// resistivities 10^RHOmin .. 10^RHOmax ohm·m.
inline std::int16_t AB2max = 4;
inline std::int16_t RHOmin = 0;
inline std::int32_t RHOmax = 4;
// The same bounds in metres and ohm·m as whole numbers (a bound below 1 is 0). 32 bits each, so
// that every exponent the Setup tab offers (up to 10^6) fits.
inline std::int32_t AB2min_Value = 0;
inline std::int32_t AB2max_Value = 10000;
inline std::int32_t RHOmin_Value = 1;
inline std::int32_t RHOmax_Value = 10000;

// Plot colours, Windows RGB values (red + 256 × green + 65536 × blue).
inline Variant Grid_Color = 16512;
inline Variant Curve_Color = 255;
inline Variant Points_Color = 255;
inline Variant Model_Color = 16711935;
inline Variant Error_Color = 255;
inline Variant Superposed_Color = 32768;
// True (-1): the current sounding is drawn in its own colours; 0: in Superposed_Color.
inline std::int16_t Color_Mode = -1;
// Palette index of the curves drawn on screen outside the "NORMAL" mode.
inline std::int16_t Print_QBColor = 0;

// Kept from one run to the next by the settings file.
inline std::int16_t Garder_Config = 0; // 1: the Setup tab's options are written at exit
inline std::string Saved_Niveau;       // array code read at start-up, written back at exit
inline std::string Graphical_Prog;     // the user's graphics program
// Full path of the default spacing table of the current array type.
inline std::string Spacing_File;
// Print margins of both preview pages, in twips.
inline double Left_Margin = 1134;
inline double Right_Margin = 1134;
inline double Upper_Margin = 1134;
inline double Bottom_Margin = 1250;
// True once a sheet was sent to the system printer.
inline std::int16_t Printing = 0;

} // namespace ohmira
