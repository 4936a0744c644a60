#pragma once
// The modal dialog "Extraction parameter for SURFER": the quantity of the slice and its altitude
// or layer number.
#include "platform/controls.h"
#include "platform/form.h"

namespace ohmira {

struct Extraction_Form : Form {
    Extraction_Form();
    OptionButton Option1{*this, "Option1", 240, 240, 3600, 285};
    OptionButton Option2{*this, "Option2", 240, 560, 3600, 285};
    OptionButton Option3{*this, "Option3", 240, 880, 3600, 285};
    OptionButton Option4{*this, "Option4", 240, 1200, 3600, 285};
    OptionButton Option5{*this, "Option5", 240, 1520, 3600, 285};
    Label Label6{*this, "Label6", 240, 1980, 1800, 260};
    TextBox Text1{*this, "Text1", 2160, 1940, 1200, 300};
    Label Label7{*this, "Label7", 240, 2380, 1800, 260};
    TextBox Text2{*this, "Text2", 2160, 2340, 1200, 300};
    CommandButton Command1{*this, "Command1", 1440, 2840, 1200, 400};

    // Whether the last showing ended with OK.
    bool accepted = false;
};

inline Extraction_Form Extraction;

// OK: the typed values and the chosen quantity into Extract_Altitude, Extract_Layer and
// Extract_Choice, then the dialog closes.
void Extraction_Command1_Click();

// Shows the dialog with empty boxes, Option1 chosen and the captions of the user's language;
// true when the user pressed OK.
bool ask_extraction_parameters();

} // namespace ohmira
