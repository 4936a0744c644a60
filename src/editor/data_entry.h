#pragma once
// The data-entry page of the editor: captions, the layout of the field grid `BuildGrid`, and its
// contents from the sounding or, for a new sounding, from the spacing table of the array type.
#include <string>

#include "form/applied_array.h"
#include "platform/variant.h"

namespace ohmira {

// Rebuilds the data-entry page from the current sounding.
void Load_build();
// Captions of the data-entry page's frames, labels and buttons in the current language.
void Set_Data_Page_Captions();
// Fills the grid from the spacing table (a new sounding without data) or from Field_Data;
// nothing while the grid holds typing that Field_Data lacks (Field_Grid_Changed).
void Load_Field_Grid();
// Writes the spacings read from the table (Field_Data columns 1 and 3 of rows 1..Count).
void Show_Default_Spacings(int &Count);
// Writes Field_Data into the grid; cells of a value that is not there keep their text.
void Show_Field_Data();
// Empties the field grid and writes Field_Data into it (after a file is opened).
void Fill_Field_Grid();

// The array-type options of the Setup tab: the spacing label of the selection. The array, its
// spacing table and every page follow it once the Setup tab's OK applies it (Apply_Array).
void Option1_Click();
void Option2_Click();
void Option3_Click();

// Grid rows of data under the header row.
inline constexpr int Field_Grid_Rows = 50;

// The K cell: the number's text cut to 6 characters, but never inside its whole part.
std::string k_cell_text(const Variant &k);

} // namespace ohmira
