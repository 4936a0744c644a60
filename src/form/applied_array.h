#pragma once
// The array type the window works with: the one the Setup tab's OK applied, or the settings at
// start-up, or a conversion that reads soundings of one array. Every page, computation and sheet
// reads it; selecting an option button of the Setup tab alone changes nothing else.
#include "core/forward_filters.h"

namespace ohmira {

// No option applied reads as the dipole array, as with no option button selected.
inline Array_Type Applied_Array = Array_Type::Dipole;

// Spacing tables shipped beside the program, by array type.
inline constexpr const char *Schlumberger_Spacing_Table = "DATAVES.TXT";
inline constexpr const char *Dipole_Spacing_Table = "DATADIP.TXT";
inline constexpr const char *Wenner_Spacing_Table = "DATAWEN.TXT";

inline bool Schlumberger_Applied() {
    return Applied_Array == Array_Type::Schlumberger;
}
inline bool Dipole_Applied() {
    return Applied_Array == Array_Type::Dipole;
}
inline bool Wenner_Applied() {
    return Applied_Array == Array_Type::Wenner;
}

// The array the option buttons of the Setup tab select: Option1 Schlumberger, Option3 Wenner,
// else dipole.
Array_Type Selected_Array();
// Applies an array: its option button selected (no click runs), the spacing label, the spacing
// table of the array (Spacing_File), the array code Niveau and the array's name in Text4.
void Apply_Array(Array_Type array);

} // namespace ohmira
