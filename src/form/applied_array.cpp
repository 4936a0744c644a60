#include "form/applied_array.h"

#include <array>
#include <cstddef>

#include "core/sounding.h"
#include "form/settings_values.h"
#include "form/sev_form.h"
#include "platform/app_info.h"

namespace ohmira {

namespace {

struct Array_Setting {
    OptionButton EditorControls::*option;
    const char *label;
    const char *table;
    const char *niveau;
    const char *name;
};

// In the order of Array_Type: Schlumberger, dipole, Wenner.
constexpr std::array<Array_Setting, 3> array_settings{{
    {&EditorControls::Option1, "AB/2", Schlumberger_Spacing_Table, "0", "Schlumberger"},
    {&EditorControls::Option2, "AM", Dipole_Spacing_Table, "1", "Dipole"},
    {&EditorControls::Option3, "a", Wenner_Spacing_Table, "2", "Wenner"},
}};

} // namespace

Array_Type Selected_Array() {
    if (SEV.Option1.Value())
        return Array_Type::Schlumberger;
    if (SEV.Option3.Value())
        return Array_Type::Wenner;
    return Array_Type::Dipole;
}

void Apply_Array(Array_Type array) {
    const Array_Setting &a = array_settings[static_cast<std::size_t>(array)];
    OptionButton &option = SEV.*a.option;
    // The array applied again keeps its table, also one the user picked when it was missing.
    const bool same = Applied_Array == array && option.Value();
    Applied_Array = array;
    {
        const Control::Events_Held applying{option};
        option.Value(true);
    }
    SEV.Label8.Caption(a.label);
    if (!same)
        Spacing_File = app_path() + a.table;
    Niveau = a.niveau;
    SEV.Text4.Text(a.name);
}

} // namespace ohmira
