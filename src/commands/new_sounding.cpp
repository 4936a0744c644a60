#include "commands/new_sounding.h"

#include "commands/model_editor.h"
#include "core/sounding.h"
#include "editor/data_entry.h"
#include "editor/field_grid.h"
#include "editor/model_grid.h"
#include "editor/window_sounding.h"
#include "form/file_caption.h"
#include "form/sev_form.h"
#include "platform/runtime_error.h"
#include "plot/loglog_plot.h"

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

// Nothing the window showed of the sounding before stays: the readout, the list of superposed
// soundings and the slot box are emptied, the overlay keys and box are off, and both grids
// scroll back to their first row.
void start_window_afresh() {
    SEV.Text1.Text("");
    SEV.Text2.Text("");
    SEV.Grid2.Text("");
    SEV.lastone.Enabled(false);
    SEV.nextone.Enabled(false);
    {
        const Control::Events_Held showing{SEV.Check18};
        SEV.Check18.Value(vbUnchecked);
    }
    for (FlexGrid *grid : {&SEV.BuildGrid, &SEV.Grid1})
        skipping_errors([grid] { grid->TopRow(grid->FixedRows()); });
}

} // namespace

void New_SEV() {
    const Window_Being_Replaced replacing;
    First_Key = 1;
    // No save of the new sounding can name a file shown before it.
    File_Name.clear();
    File_Path.clear();
    Caption_File.clear();
    Curve_Done = 0;
    Field_Data.clear();
    // No point is counted until the new rows are computed: a save before that writes none.
    Nb_Points = 0;
    Model_Layers.clear();
    for (auto *text :
         {&X_Coord, &Y_Coord, &Z_Coord, &Azimuth, &Comment, &Graph_Title, &Data_Source})
        text->clear();
    // The store's slots are emptied, its counters kept.
    Superposed_Models.clear();
    Superposed_Layers.clear();
    Nb_Layers = 0;
    Fresh_Load = vbTrue;
    Superpose = -1;
    Field_Row_Typed.clear();
    // Both grids show the new sounding, whatever was typed into them.
    Field_Grid_Changed = false;
    Model_Grid_Changed = false;
    clear_field_grid_values();
    skipping_errors(start_window_afresh);
    // The boxes of the sounding before would pass into this one at its first save.
    skipping_errors(Show_Header_Texts);
    skipping_errors(Load_build);
    skipping_errors(Draw_Bilog_Frame);
}

void Start_New_Sounding() {
    const Window_Being_Replaced replacing;
    New_SEV();
    skipping_errors(Set_Model_Editor_Captions);
    Show_Sounding_Name();
}

void NewFile_Click() {
    Start_New_Sounding();
    SEV.SSTab1.Tab(1); // the "Print" tab; its click handler builds the sheet
}

} // namespace ohmira
