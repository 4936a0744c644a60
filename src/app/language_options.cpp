#include "app/language_options.h"
#include "plot/forward_commands.h"

#include <array>
#include <cmath>
#include <limits>
#include <string>

#include "app/setup_tab.h"
#include "commands/compute_commands.h"
#include "commands/model_editor.h"
#include "commands/superposition.h"
#include "core/app_title.h"
#include "core/forward.h"
#include "core/language.h"
#include "core/sounding.h"
#include "editor/data_entry.h"
#include "editor/window_sounding.h"
#include "form/applied_array.h"
#include "form/control_captions.h"
#include "form/settings_values.h"
#include "form/sev_form.h"
#include "platform/dialog_host.h"
#include "platform/number_text.h"
#include "plot/loglog_plot.h"

namespace ohmira {

namespace {
struct Language_Item {
    const char *item;
    const char *letter;
    bool *flag;
};
const std::array<Language_Item, 4> language_items{{
    {"English", "E", &Lang_English},
    {"Español", "S", &Lang_Spanish},
    {"Français", "F", &Lang_French},
    {"Deutsch", "A", &Lang_German},
}};

constexpr Language_Text empty_window_message{
    "La fenêtre du graphique est vide : le minimum doit être inférieur au maximum.",
    "La ventana del gráfico está vacía: el mínimo debe ser inferior al máximo.",
    "The plot window is empty: the minimum must be below the maximum."};

void set_language(bool &flag) {
    for (const Language_Item &l : language_items)
        *l.flag = false;
    flag = true;
    language_changed();
}

// The plot window from the four lists; refused (with a box) when a minimum is not below its
// maximum, since such a window has no scale.
void apply_plot_window() {
    std::int32_t values[] = {AB2min_Value, AB2max_Value, RHOmin_Value, RHOmax_Value};
    std::int32_t exponents[] = {AB2min, AB2max, RHOmin, RHOmax};
    ComboBox *combos[] = {&SEV.Combo1, &SEV.Combo2, &SEV.Combo3, &SEV.Combo4};
    for (int i = 0; i < 4; ++i) {
        const std::int32_t before = exponents[i];
        Read_Range_Text(combos[i]->Text(), values[i], exponents[i]);
        // AB2min, AB2max and RHOmin are 16-bit: an exponent they cannot hold is not taken.
        if (i < 3 && (exponents[i] < std::numeric_limits<std::int16_t>::min() ||
                      exponents[i] > std::numeric_limits<std::int16_t>::max()))
            exponents[i] = before;
    }
    if (exponents[0] >= exponents[1] || exponents[2] >= exponents[3]) {
        MsgBox(by_language(empty_window_message), vbExclamation, Prog_Title);
        // Show the window that stays in force.
        const std::int32_t kept[] = {AB2min, AB2max, RHOmin, RHOmax};
        for (int i = 0; i < 4; ++i) {
            const std::int64_t index = std::int64_t{kept[i]} + range_lists[i].offset;
            if (index >= 0 && index < combos[i]->ListCount())
                combos[i]->ListIndex(static_cast<int>(index));
        }
        return;
    }
    AB2min_Value = values[0];
    AB2max_Value = values[1];
    RHOmin_Value = values[2];
    RHOmax_Value = values[3];
    AB2min = static_cast<std::int16_t>(exponents[0]);
    AB2max = static_cast<std::int16_t>(exponents[1]);
    RHOmin = static_cast<std::int16_t>(exponents[2]);
    RHOmax = exponents[3];
}

} // namespace

void Redraw_Applied_Options() {
    Draw_Bilog_Frame();
    Draw_Mode = "NORMAL";
    Misfit = 0;
    Color_Mode = 0;
    // The current model takes the next free slot of the store when that slot is empty.
    const int next = Nb_Superposed + 1;
    if (is_store_slot(next) && Superposed_Models(next, 1, 1).finite_num().value_or(0.0) == 0.0)
        store_model_in_slot(next);
    if (Superpose == 1) {
        const int last = Nb_Superposed + Superposed_Shown;
        for (int k = 1; k <= last && is_store_slot(k); ++k) {
            load_model_from_slot(k);
            Compute_Curve();
        }
    }
    Color_Mode = vbTrue;
    const int current = Superposed_Index + 1;
    if (Curve(0, 1).finite_num().value_or(0.0) > 0.0 && is_store_slot(current)) {
        load_model_from_slot(current);
        Compute_Curve();
    }
    Draw_Mode = "";
}

void Read_Range_Text(std::string_view text, std::int32_t &value, std::int32_t &exponent) {
    const double v = Val(text);
    if (const auto whole = CLng(v))
        value = *whole;
    if (v > 0 && std::isfinite(v)) {
        if (const auto e = CLng(std::log(v) / std::log(10.0)))
            exponent = *e;
    }
}

void Combo6_Click() {
    for (const Language_Item &l : language_items)
        *l.flag = false;
    const std::string &text = SEV.Combo6.Text();
    for (const Language_Item &l : language_items) {
        if (text == l.item) {
            Langue = l.letter;
            *l.flag = true;
        }
    }
    language_changed();
}

void Combo6_Change() {}

void Set_Language_German() {
    set_language(Lang_German);
}
void Set_Language_Spanish() {
    set_language(Lang_Spanish);
}
void Set_Language_English() {
    set_language(Lang_English);
}
void Set_Language_French() {
    set_language(Lang_French);
}

void Command11_Click() {
    // What was typed is taken with the array it was typed under, before another one applies.
    Take_Window_Sounding(Window_Take::Rebuild);
    // The array is set before the grid is filled: the spacing table is read by its layout (two
    // numbers a record, one for Wenner).
    Apply_Array(Selected_Array());
    const bool schlumberger = Schlumberger_Applied();
    const bool dipole = Dipole_Applied();
    FlexGrid &grid = SEV.BuildGrid;
    if (grid.Rows() > 0 && grid.Cols() > 2) {
        grid.TextMatrix(0, 1, schlumberger ? "MN/2" : dipole ? "BN" : "-");
        grid.TextMatrix(0, 2, schlumberger ? "AB/2" : dipole ? "AM" : "a");
    }
    Load_Field_Grid();
    if (grid.Rows() > 1 && grid.Cols() > 1) {
        grid.Row(1);
        grid.Col(1);
    }
    Set_Data_Page_Captions();
    Set_Model_Editor_Captions();

    Decimals_Mode = static_cast<std::int16_t>(SEV.Combo5.ListIndex());
    apply_plot_window();
    Draw_RMS = SEV.RMSB.Value() == vbChecked ? 1 : 0;
    if (Fresh_Load == vbTrue)
        Superpose = -1;
    Draw_Model = SEV.représent_modèle.Value() == vbChecked ? 1 : -1;
    Garder_Config = SEV.garder_config.Value() == vbChecked ? 1 : 0;

    Redraw_Applied_Options();
    Run_Calcul();
}

} // namespace ohmira
