#include "app/setup_tab.h"

#include <cstdint>

#include "core/language.h"
#include "core/sounding.h"
#include "form/control_captions.h"
#include "form/settings_values.h"
#include "form/sev_form.h"

namespace ohmira {

namespace {
// Frame7, Frame8 and Frame10 sit on the "Profile data" tab.
constexpr std::array<Caption_Entry, 7> setup_captions{{
    {"Frame10", {"Options du dessin", "Optiones de trazado", "Drawing options"}},
    {"Frame7", {"Paramètres de dessin", "Parámetros de trazado", "Drawing parameters"}},
    {"Frame8",
     {"Choix des couleurs de résisitivité", "Colores de resistividades", "Resistivity colors"}},
    {"Label5", {"Décimales épaisseurs", "Decimalas espessores", "Decimals thickness"}},
    {"représent_modèle",
     {"Représentation graphique du modèle", "Representación gráfica del modelo",
      "Graphic representation of model"}},
    {"garder_config", {"Garder la configuration en sortant", "Salvar opciones", "Save options"}},
    {"RMSB",
     {"Représentation graphique de l'erreur d'ajustement",
      "Representación gráfica de los errores de ajuste",
      "Graphic representation of adjustment error"}},
}};

ComboBox &range_combo(int i) {
    ComboBox *combos[] = {&SEV.Combo1, &SEV.Combo2, &SEV.Combo3, &SEV.Combo4};
    return *combos[i];
}
} // namespace

void Load_parameter() {
    Array_Factor = 1;
    SEV.RMSB.Value(Draw_RMS == 1 ? vbChecked : vbUnchecked);
    SEV.représent_modèle.Value(Draw_Model == 1 ? vbChecked : vbUnchecked);

    const std::int32_t exponents[] = {AB2min, AB2max, RHOmin, RHOmax};
    for (int i = 0; i < 4; ++i) {
        ComboBox &combo = range_combo(i);
        combo.Clear();
        for (const char *entry : range_lists[static_cast<std::size_t>(i)].entries)
            if (entry)
                combo.AddItem(entry);
        // An exponent outside the list leaves it without a selection.
        const std::int64_t index =
            std::int64_t{exponents[i]} + range_lists[static_cast<std::size_t>(i)].offset;
        if (index >= 0 && index < combo.ListCount())
            combo.ListIndex(static_cast<int>(index));
    }

    SEV.Combo5.Clear();
    for (const char *entry : decimals_entries)
        SEV.Combo5.AddItem(entry);
    SEV.Combo5.ListIndex(0);
    Decimals_Mode = static_cast<std::int16_t>(SEV.Combo5.ListIndex());

    Apply_Captions(setup_captions);

    if (Niveau == "0")
        SEV.Option1.Value(true);
    else if (Niveau == "1")
        SEV.Option2.Value(true);
    else if (Niveau == "2")
        SEV.Option3.Value(true);
}

} // namespace ohmira
