#include "core/sounding.h"

#include "core/loglog_plot.h"
#include "core/open_save.h"
#include "editor/data_entry.h"
#include "platform/number_text.h"
#include "platform/runtime_error.h"
#include "shell/sev_form.h"

namespace ohmira {

namespace {

// Empties the typed values (columns 2 to 6, rows 1 to 50) of the field grid, cell by cell
// through the current cell as the grid's own editing does; cells the grid lacks are skipped.
void clear_field_grid_values() {
    auto &grid = SEV.BuildGrid;
    for (int c = 2; c <= 6; ++c)
        for (int r = 1; r <= 50; ++r)
            if (c < grid.Cols() && r < grid.Rows())
                skipping_errors([&] {
                    grid.Col(c);
                    grid.Row(r);
                    grid.Text("");
                });
}

} // namespace

void reset_core_state() {
    File_Path.clear();
    File_Name.clear();
    Chemin.clear();
    for (auto *text :
         {&Comment, &Data_Source, &Graph_Title, &X_Coord, &Y_Coord, &Z_Coord, &Azimuth})
        text->clear();
    Field_Data.clear();
    Nb_Points = 0;
    Model_Layers.clear();
    Nb_Layers = 0;
    Fixed_Param.clear();
    Layer_Altitude.clear();
    Niveau.clear();
    Array_Factor = 0;
    Shift_Compensation = 0;
    Saved_Shift_Compensation = 0;
    Max_AB2 = 0;
    Curve_Done = 0;
    Fresh_Load = 0;
    Curve_Valid = 0;
    Plot_Empty = vbTrue;
    First_Key = 0;
    Saved = 0;
    File_Layout = 0;
    Rho_Scale = 100;
    Superposed_Models.clear();
    Superposed_Layers.clear();
    Nb_Superposed = 0;
    Superposed_Index = 0;
    Superposed_Shown = 0;
    Model_Stored = 0;
    Superpose = -1;
    Curve.clear();
    Curve_Last = 0;
    Misfit.clear();
    Pen_Up = 0;
    Auto_Threshold.clear();
    Draw_Mode.clear();
    Recent_Files.clear();
}

void raise_max_ab2(double spacing) {
    if (spacing > Max_AB2)
        if (const auto whole = CInt(spacing))
            Max_AB2 = *whole;
}

void New_SEV() {
    First_Key = 1;
    File_Name.clear();
    Curve_Done = 0;
    Field_Data.clear();
    Model_Layers.clear();
    X_Coord.clear();
    Y_Coord.clear();
    Z_Coord.clear();
    Azimuth.clear();
    // The store's slots are emptied, its counters kept.
    Superposed_Models.clear();
    Superposed_Layers.clear();
    Nb_Layers = 0;
    Fresh_Load = vbTrue;
    Superpose = -1;
    Comment.clear();
    Graph_Title.clear();
    clear_field_grid_values();
    skipping_errors(Load_build);
    skipping_errors(Draw_Bilog_Frame);
}

void NewFile_Click() {
    File_Name.clear();
    X_Coord.clear();
    Y_Coord.clear();
    Z_Coord.clear();
    Azimuth.clear();
    Field_Data.clear();
    Model_Layers.clear();
    Curve_Done = 0;
    New_SEV();
    SEV.SSTab1.Tab(1); // the "Print" tab; its click handler builds the sheet
}

} // namespace ohmira
