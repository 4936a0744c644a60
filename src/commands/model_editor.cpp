#include "commands/model_editor.h"
#include "commands/compute_commands.h"
#include "commands/fit_command.h"
#include "plot/forward_commands.h"

#include "core/fit.h"
#include "core/forward.h"
#include "core/language.h"
#include "core/sounding.h"
#include "editor/model_grid.h"
#include "form/sev_form.h"
#include "platform/number_text.h"
#include "platform/runtime_error.h"
#include "plot/loglog_plot.h"

#include <algorithm>
#include <array>

namespace ohmira {

namespace {

constexpr std::array<Language_Text, 4> Grid1_Headers{{
    {"Résistivité", "Resistiv.", "Resistivity"},
    {"Epaisseur", "Espesor", "Thickness"},
    {"Profond.", "Profund.", "Depth"},
    {"Altitude", "Altitud", "Altitude"},
}};

constexpr std::array<int, 4> Grid1_Col_Widths{832, 800, 800, 850};
constexpr int Header_Alignment = 2;
constexpr const char *Grid1_Format = ">a |>a |> a|> ";

// The captions of the model panel, in the order they are written.
struct Panel_Caption {
    void (*set)(const std::string &);
    Language_Text text;
};

constexpr std::array<Panel_Caption, 10> Panel_Captions{{
    {[](const std::string &s) { SEV.Label29.Caption(s); },
     {"Sensib. modèle", "Sensib. modelo.", "Model sensit."}},
    {[](const std::string &s) { SEV.Label28.Caption(s); }, {"B", "L", "L"}},
    {[](const std::string &s) { SEV.Label30.Caption(s); }, {"H", "H", "H"}},
    {[](const std::string &s) { SEV.Frame1.Caption(s); },
     {" Commentaires ", " Comentarios ", " Comments "}},
    {[](const std::string &s) { SEV.Ajuste_Button.Caption(s); },
     {"&Ajuste", "&Ajustar", "&Fitting"}},
    {[](const std::string &s) { SEV.Label31.Caption(s); },
     {"Superpose courbe", "Superponer curva", "Overlay curve"}},
    {[](const std::string &s) { SEV.Calcul_Button.Caption(s); },
     {"&Calcule", "&Computar", "&Compute"}},
    {[](const std::string &s) { SEV.Record_Button.Caption(s); },
     {"&Enregistrer", "&Salvar", "&Save"}},
    {[](const std::string &s) { SEV.delLine.Caption(s); },
     {"Supprimer ligne", "Borrar linea", "Delete line"}},
    {[](const std::string &s) { SEV.InsLine.Caption(s); },
     {"Insérer ligne", "Insertar linea", "Insert line"}},
}};

constexpr Language_Text Model_Editor_Title{"Traçage modèle", "Trazado modelo", "Drawing up model"};

void lay_out_model_grid() {
    auto &grid = SEV.Grid1;
    grid.RowHeight(0, 220);
    grid.FormatString(Grid1_Format);
    grid.Font(FontSpec{"Arial", 8, false, false});
    for (int c = 0; c < static_cast<int>(Grid1_Col_Widths.size()); ++c) {
        grid.ColWidth(c, Grid1_Col_Widths[static_cast<std::size_t>(c)]);
    }
    grid.Row(0);
    for (int c = 0; c < static_cast<int>(Grid1_Headers.size()); ++c) {
        grid.Col(c);
        grid.FixedAlignment(c, Header_Alignment);
        grid.Text(by_language(Grid1_Headers[static_cast<std::size_t>(c)]));
    }
}

// Steps 2 to 11; a run-time error skips the rest of them.
void set_up_model_editor() {
    SEV.X_Texte1.Text("");
    // The inverse of the slider's rule threshold = value / 10 + 0.03, kept within its range.
    const double wanted = round_half_even((Auto_Threshold.finite_num().value_or(0.0) - 0.03) * 10);
    const double clamped = std::clamp(wanted, double(SEV.Slider1.Min()), double(SEV.Slider1.Max()));
    // The controls show the state: the slider's position never rounds the threshold itself.
    {
        const Control::Events_Held loading_slider{SEV.Slider1}, loading_box{SEV.Check18};
        SEV.Slider1.Value(static_cast<int>(clamped));
        SEV.Check18.Value(Superpose == -1 ? vbUnchecked : vbChecked);
    }
    for (int r = 1; r <= Model_Grid_Layers; ++r) {
        SEV.Grid1.RowHeight(r, 200);
    }
    if (!SEV.Text2.Text().empty() && Fresh_Load == 0) {
        SEV.Grid2.Text(Str(Superposed_Index + 1.0));
        SEV.lastone.Enabled(true);
        SEV.nextone.Enabled(true);
    }
    lay_out_model_grid();
    for (const Panel_Caption &entry : Panel_Captions) {
        entry.set(by_language(entry.text));
    }
    SEV.Caption(by_language(Model_Editor_Title));
    // A model typed and not yet taken stays in the grid with its marks.
    if (Model_Grid_Changed) {
        Show_Header_Texts();
    } else {
        for (int i = 1; i <= Model_Grid_Layers; ++i) {
            Fixed_Param(i) = 0;
        }
        Display_Model();
    }
    if (Draw_Mode == "AUTOMATIC") {
        Draw_Mode = "NORMAL";
        lecturemodèle();
        Draw_Bilog_Frame();
        Compute_Curve();
        Fit_Model();
        Draw_Mode.clear();
        Lift_Overlay_Guard();
        SEV.MousePointer(vbArrow);
    }
}

} // namespace

void Set_Model_Editor_Captions() {
    SEV.Calcul_Button.Default(true);
    try {
        set_up_model_editor();
    } catch (const RuntimeError &) {
        // Trapped and not reported: the grid selection and default button are set all the same.
    }
    try {
        SEV.Grid1.Row(1);
        SEV.Grid1.Col(0);
    } catch (const RuntimeError &) {
    }
    SEV.Calcul_Button.Default(true);
}

} // namespace ohmira
