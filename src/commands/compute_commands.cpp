#include "commands/compute_commands.h"
#include "commands/auto_model_commands.h"
#include "commands/fit_command.h"
#include "plot/forward_commands.h"

#include "commands/superposition.h"
#include "core/app_title.h"
#include "core/auto_model.h"
#include "core/fit.h"
#include "core/forward.h"
#include "core/sounding.h"
#include "editor/field_grid.h"
#include "editor/model_grid.h"
#include "editor/window_sounding.h"
#include "form/settings_values.h"
#include "form/sev_form.h"
#include "platform/dialog_host.h"
#include "platform/number_text.h"
#include "platform/runtime_error.h"
#include "plot/loglog_plot.h"

#include <optional>
#include <string>

namespace ohmira {

namespace {

// A number typed into the model grid; a cell that cannot be read counts as empty.
double model_cell(int row, int col) {
    try {
        return Val(SEV.Grid1.TextMatrix(row, col));
    } catch (const RuntimeError &) {
        return 0.0;
    }
}

// The model grid during a command: redrawing off, its cursor kept, and at the end, whatever the
// path, the cursor back, the focus on the grid and redrawing on.
class Grid_Guard {
public:
    Grid_Guard() : row_(SEV.Grid1.Row()), col_(SEV.Grid1.Col()) { SEV.Grid1.Redraw(false); }
    ~Grid_Guard() {
        skipping_errors([this] {
            SEV.Grid1.Row(row_);
            SEV.Grid1.Col(col_);
        });
        SEV.Grid1.SetFocus();
        SEV.Grid1.Redraw(true);
    }
    Grid_Guard(const Grid_Guard &) = delete;
    Grid_Guard &operator=(const Grid_Guard &) = delete;

private:
    int row_, col_;
};

bool superposition_on() {
    return Superpose == 1;
}

// The file name without its extension (the last four characters); nothing for a shorter name,
// where the statement failed and was skipped.
std::optional<std::string> sounding_name() {
    if (File_Name.size() < 4) {
        return std::nullopt;
    }
    return File_Name.substr(0, File_Name.size() - 4);
}

void draw_superposed_model() {
    Color_Mode = 0;
    Compute_Curve();
}

// Items 1 to 4 of the store step: count the model in memory as a new slot (unless the reader
// already did), show the slot, and store the model, or draw it when the store was just redrawn.
void store_step_counting() {
    if (Model_Stored == 0 && Nb_Superposed < Store_Slots) {
        ++Nb_Superposed;
        Superposed_Index = Nb_Superposed;
    }
    if (Fresh_Load == 0) {
        SEV.Grid2.Text(Str(Superposed_Index + 1.0));
        SEV.lastone.Enabled(true);
        SEV.nextone.Enabled(true);
    }
    if (Superposed_Shown == 1) {
        draw_superposed_model();
        if (Draw_Model == 1) {
            Draw_Model_Steps();
        }
        if (Draw_RMS == 1) {
            Draw_Error_Curve();
        }
    } else {
        store_model_in_slot(Nb_Superposed);
    }
}

// Item 5 of the store step: the sounding's name joins the list of superposed soundings.
void store_step_name() {
    if (File_Name == "NEW") {
        return;
    }
    if (const auto name = sounding_name()) {
        SEV.Text2.Text(SEV.Text2.Text() + ", " + *name);
    }
}

void store_reset(bool with_name) {
    Nb_Superposed = 0;
    Superposed_Index = 0;
    SEV.Grid2.Text("");
    SEV.lastone.Enabled(false);
    SEV.nextone.Enabled(false);
    Superposed_Models.clear();
    if (with_name && File_Name != "NEW") {
        if (const auto name = sounding_name()) {
            SEV.Text2.Text(*name);
        }
    }
}

// The fit's store step: the model in memory as a new slot, drawn in the superposed colour
// unless the store was just redrawn.
void fit_store_step(bool with_name) {
    store_step_counting();
    if (Superposed_Shown != 1) {
        load_model_from_slot(Nb_Superposed);
        draw_superposed_model();
    }
    Color_Mode = vbTrue;
    if (with_name) {
        store_step_name();
    }
}

void show_shift_captions() {
    SEV.Text3.Text(by_language("Lissé", "Empalmes compens.", "Shifted"));
    SEV.Frame16.Caption(by_language("Données de terrain", "Datos de campo", "Field data"));
    SEV.Frame17.Caption(by_language("Modèle", "Modelo", "Earth model"));
    SEV.Frame15.Caption(by_language("Edition modèle", "Edition modelo", "Editing model"));
}

void idle_pointers() {
    SEV.Bilog.MousePointer(vbCrosshair);
    SEV.MousePointer(vbArrow);
}

} // namespace

void Calcul_Button_Click() {
    if (Run_Calcul())
        Lift_Overlay_Guard();
}

void Lift_Overlay_Guard() {
    if (!superposition_on())
        Fresh_Load = 0;
}

bool Run_Calcul() {
    const Grid_Guard guard;
    Model_First_Key = 1;
    const double h1 = model_cell(1, 1);
    if ((superposition_on() && Nb_Superposed >= 19) || h1 == 0) {
        if (File_Name != "NEW") {
            MsgBox(by_language(h1 == 0 ? Value_Missing_Text : Maximum_Superposed_Text),
                   vbExclamation, Prog_Title);
        }
        idle_pointers();
        return false;
    }
    // The curve is that of the window: rows typed are computed first, and a value the file
    // cannot hold stops the command at its box.
    if (!Take_Window_Sounding(Window_Take::Compute)) {
        idle_pointers();
        return false;
    }
    skipping_errors([] {
        if (superposition_on() && Nb_Layers >= 2) {
            store_step_counting();
            store_step_name();
        } else {
            store_reset(true);
        }
    });
    Model_Stored = 0;
    if (Shift_Compensation == 1) {
        show_shift_captions();
    } else {
        SEV.Text3.Text("");
    }
    SEV.Bilog.MousePointer(vbHourglass);
    SEV.MousePointer(vbHourglass);
    Draw_Mode = "NORMAL";
    if (!superposition_on()) {
        skipping_errors(Read_Model_Grid);
        skipping_errors(Draw_Bilog_Frame);
    } else if (Superposed_Shown == 1) {
        skipping_errors(Read_Model_Grid);
        Color_Mode = vbTrue;
        load_model_from_slot(Nb_Superposed);
        Color_Mode = 0;
        skipping_errors(Compute_Curve);
        skipping_errors(Read_Model_Grid);
        Color_Mode = vbTrue;
    } else {
        // The model stored, the curve drawn is the grid's, not the one in memory before.
        skipping_errors(Read_Model_Grid);
    }
    skipping_errors(Compute_Curve);
    Draw_Mode.clear();
    Superposed_Shown = 0;
    Saved = 0;
    idle_pointers();
    return true;
}

void Ajuste_Button_Click() {
    const Grid_Guard guard;
    const double h1 = model_cell(1, 1);
    const double rho1 = model_cell(1, 0);
    if (superposition_on() && Nb_Superposed >= 19) {
        MsgBox(by_language(Maximum_Superposed_Text), vbExclamation, Prog_Title);
        return;
    }
    // The fit starts from the window: rows typed are computed first, and a value the file cannot
    // hold stops it at its box, before anything is fitted or written into the grid.
    if (!Take_Window_Sounding(Window_Take::Compute))
        return;
    if ((rho1 > 0 && h1 == 0) || Field_Data(2, 1).finite_num().value_or(0.0) == 0 ||
        Field_Data(2, 2).finite_num().value_or(0.0) == 0) {
        const std::string end = Fit_Data_End_Text(); // where the field data end, and why
        MsgBox(std::string(by_language(Fit_Needs_Data_Text)) + (end.empty() ? "" : "\n\r" + end),
               vbExclamation, Prog_Title);
        return;
    }
    Model_First_Key = 1;
    const bool grid_has_model = rho1 > 0;
    Draw_Mode = "NORMAL";
    if (!superposition_on()) {
        store_reset(grid_has_model);
    } else {
        fit_store_step(grid_has_model);
    }
    Model_Stored = 0;
    if (grid_has_model) {
        lecturemodèle();
        Update_Layer_Depths();
    } else {
        Create_Auto_Model();
    }
    SEV.Text3.Text(Shift_Compensation == 1 ? by_language("lissé", "Empalmes compens.", "shifted")
                                           : "");
    if (!superposition_on()) {
        Draw_Bilog_Frame();
    }
    Misfit = 1.0;
    Draw_Mode = "NORMAL";
    Compute_Curve();
    Fit_Model();
    Display_Model();
    Draw_Mode.clear();
    Superposed_Shown = 0;
    Lift_Overlay_Guard();
    SEV.MousePointer(vbArrow);
    SEV.Bilog.MousePointer(vbCrosshair);
    SEV.SSTab1.Tab(0);
}

void N1Calcul_Click() {
    SEV.Bilog.MousePointer(vbHourglass);
    Draw_Mode = "NORMAL";
    Draw_Bilog_Frame();
    Update_Layer_Depths();
    Compute_Curve();
    Draw_Mode.clear();
    SEV.Bilog.MousePointer(vbCrosshair);
}

} // namespace ohmira
