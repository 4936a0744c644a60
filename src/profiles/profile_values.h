#pragma once
// Shared state of the profile tools: the section geometry the scales and the drawing share, the
// folder of the current selection and the results of the slice dialog.
#include <array>
#include <cstdint>
#include <string>

namespace ohmira {

// Lowest altitude reached by the soundings (metres); set by the selection, lowered by the drawing.
inline double Profile_Low_Alt = 99999;
// Top altitude of the section (whole metres) and the vertical extent of the soundings (metres).
inline std::int16_t Profile_Top_Alt = 0;
inline double Profile_Height = 0;
// Twips per metre along the line and in altitude; 0 until the scales are computed.
inline double Profile_X_Twips = 0;
inline double Profile_Z_Twips = 0;
// Width of every column of the last drawing, in twips.
inline double Profile_Column_Width = 0;
// Width in millimetres the column-width box last held as a number above 0; 0 when never. A lone
// filled column uses it (fill spreads the profile length over the gaps between soundings, and one
// sounding has none).
inline double Profile_Last_Fixed_Width = 0;
// Folder of the files of the profile grid, with its trailing separator. The grid keeps bare names;
// `Chemin` follows later commands, so the files are found here.
inline std::string Profile_Folder;

// Results of the slice dialog's OK: the typed altitude and layer, and the quantity 1..5 (0 before
// the first OK).
inline std::string Extract_Altitude;
inline std::string Extract_Layer;
inline std::int16_t Extract_Choice = 0;

} // namespace ohmira
