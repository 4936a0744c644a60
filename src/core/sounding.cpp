#include "core/sounding.h"

#include "core/loglog_plot.h"
#include "editor/data_entry.h"

namespace ohmira {

namespace {
// Empties the typed values (columns 2 to 6, rows 1 to 50) of the field grid.
void clear_field_grid_values() {}
// Shows the "Print" tab of the tab strip.
void select_print_tab() {}
} // namespace

void reset_core_state() {
    File_Path.clear();
    File_Name.clear();
    Chemin.clear();
    for (auto* text : {&Comment, &Data_Source, &Graph_Title, &X_Coord, &Y_Coord, &Z_Coord, &Azimuth})
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
    Load_build();
    Draw_Bilog_Frame();
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
    select_print_tab();
}

} // namespace ohmira
