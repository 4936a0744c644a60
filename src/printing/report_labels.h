#pragma once
// The fixed texts of the sounding sheet in four languages: titles by array type, the captions of
// the location line, the model block and the field-data page, the shift note.
#include <cstdint>
#include <string>

namespace ohmira {

// Report label codes.
enum Report_Label_Code : std::int16_t {
    label_title_schlumberger = 1,
    label_title_dipole = 2,
    label_location = 3,
    label_model = 4,
    label_shift_note = 5,
    label_columns_with_altitude = 6,
    label_columns_without_altitude = 7,
    label_field_data = 8,
    label_title_wenner = 9,
};

// Puts the text of `Code` (1..19; 10..19 are a blank) into `Label`, followed by File_Name for
// the three titles. The language flags are tried French, English, Spanish, German and each set
// flag writes its text, so the last set flag wins. With no flag set or a code outside 1..19,
// `Label` keeps what it held.
void Get_Report_Label(const std::int16_t &Code, std::string &Label);

} // namespace ohmira
