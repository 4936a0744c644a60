#include "commands/field_buttons.h"
#include "commands/new_sounding.h"
#include "plot/forward_commands.h"

#include <string>

#include "commands/compute_commands.h"
#include "commands/model_editor.h"
#include "commands/open_save.h"
#include "commands/superposition.h"
#include "core/app_title.h"
#include "core/forward.h"
#include "core/language.h"
#include "core/sounding.h"
#include "editor/data_entry.h"
#include "editor/field_grid.h"
#include "editor/model_grid.h"
#include "editor/window_sounding.h"
#include "form/settings_values.h"
#include "form/sev_form.h"
#include "platform/dialog_host.h"
#include "platform/number_text.h"
#include "platform/runtime_error.h"
#include "platform/user_feedback.h"
#include "plot/loglog_plot.h"
#include "plot/plot_redraw.h"

namespace ohmira {

void Command1_Click() {
    Start_New_Sounding();
    SEV.BuildGrid.SetFocus();
    SEV.Computation.Default(true);
}

void Computation_Click() {
    auto &grid = SEV.BuildGrid;
    First_Key = 1;
    skipping_errors(Compute_Field_Rows);
    skipping_errors(Draw_Bilog_Frame);
    if (Nb_Points < 3) {
        // Rows filled below the end say why the data ended where it did.
        const std::string end = Field_Data_End_Text();
        MsgBox(by_language("Il faut au moins trois valeurs de terrain pour calculer une courbe",
                           "Introduce por le menos tres datos de campo par calcular la curva",
                           "There must be at least three field values to calculate a curve") +
                   (end.empty() ? std::string() : "\n\r" + end),
               vbExclamation + vbOKOnly, Prog_Title);
    } else if (Field_Value_Refused()) {
        // The rows above the refused value are plotted; nothing is fitted to a part of the data.
        MsgBox(Field_Data_End_Text(), vbExclamation + vbOKOnly, Prog_Title);
    } else {
        clear_model_grid();
        skipping_errors(Ajuste_Button_Click);
        if (grid.Row() < Field_Grid_Rows)
            skipping_errors([&] { grid.Row(grid.Row() + 1); });
        grid.SetFocus();
    }
    grid.SetFocus();
    skipping_errors([] { SEV.Grid1.Row(1); });
}

void CorrectButton_Click() {
    auto &grid = SEV.BuildGrid;
    First_Key = 1;
    int removed = 0;
    // Never the header row, whatever the current row.
    if (Nb_Points >= 1 && grid.Row() >= 1 && grid.Row() <= Field_Grid_Rows) {
        removed = grid.Row();
        skipping_errors([&] {
            grid.RemoveItem(removed);
            grid.Col(0);
            grid.AddItem("", Field_Grid_Rows);
            grid.RowHeight(Field_Grid_Rows, 200);
        });
        Field_Grid_Changed = true;
        grid.Redraw(false);
        // The rows below move up from the removed row's place, their typed values with them.
        for (int i = removed; i <= Field_Grid_Rows; ++i) {
            Move_Field_Row_Kept(i, i + 1);
            skipping_errors([&] { grid.TextMatrix(i, 0, Str(static_cast<double>(i))); });
        }
        skipping_errors([&] { grid.Col(1); });
        grid.Redraw(true);
    }
    if (removed >= 1 && removed < Field_Grid_Rows)
        skipping_errors([&] { grid.Row(removed); });
    grid.SetFocus();
}

void RecordButton_Click() {
    auto &grid = SEV.BuildGrid;
    First_Key = 1;
    skipping_errors([&] { grid.Col(2); });
    const int r = grid.Row();
    // A spacing too large for a number is no spacing: the key beeps.
    const auto spacing = [&]() -> double {
        try {
            return Val(grid.TextMatrix(r, 2));
        } catch (const RuntimeError &) {
            return 0;
        }
    };
    const bool allowed = Nb_Points < Field_Grid_Rows && r >= 1 && r <= Field_Grid_Rows &&
                         grid.has_cell(r, 2) && spacing() > 0;
    if (allowed) {
        skipping_errors([&] {
            grid.AddItem("\t\t1\t\t\t", r);
            grid.RowHeight(r, 200);
            grid.Col(0);
        });
        grid.Redraw(false);
        for (int i = Field_Grid_Rows; i >= r; --i) {
            Move_Field_Row_Kept(i + 1, i);
            skipping_errors([&] { grid.TextMatrix(i, 0, Str(static_cast<double>(i))); });
        }
        Field_Data(r, 7) = -1.0; // the new row has no typed resistivity
        Field_Row_Typed(r) = 1;
        Field_Grid_Changed = true;
        skipping_errors([&] {
            grid.Row(Field_Grid_Rows + 1);
            grid.RemoveItem(Field_Grid_Rows + 1);
        });
    } else {
        Beep();
    }
    skipping_errors([&] { grid.Col(1); });
    grid.Redraw(true);
    if (r >= 1 && r < Field_Grid_Rows)
        skipping_errors([&] { grid.Row(r); });
    grid.SetFocus();
}

void lissbox_Click() {
    First_Key = 1;
    Shift_Compensation = SEV.lissbox.Value() == vbChecked ? 1 : 0;
    // The compensation changes the resistivity of every row after a repeated spacing.
    Mark_Every_Field_Row_Typed();
    skipping_errors(Compute_Field_Rows);
    skipping_errors(Draw_Bilog_Frame);
    if (SEV.SSTab1.Tab() == 0)
        SEV.BuildGrid.SetFocus();
}

void SaveButton_Click() {
    auto &grid = SEV.BuildGrid;
    First_Key = 1;
    grid.Redraw(false);
    const int row = grid.Row(), col = grid.Col();
    // The save takes the whole window, a last row typed without an arrow key too.
    if (Take_Window_Sounding(Window_Take::Save) && Confirm_Save_Field_Data()) {
        // The grid keeps only the points saved.
        for (int i = std::max<int>(Nb_Points, 0) + 1; i <= Field_Grid_Rows; ++i)
            for (int c = 1; c <= 6; ++c)
                skipping_errors([&] { grid.TextMatrix(i, c, ""); });
    }
    skipping_errors([&] {
        grid.Row(row);
        grid.Col(col);
    });
    grid.Redraw(true);
    grid.SetFocus();
}

bool Confirm_Save_Field_Data() {
    const std::string n = Str(static_cast<double>(Nb_Points));
    const std::string text =
        Lang_French ? " Le SE compte " + n +
                          " données\n\r Il ne doit pas y avoir de ligne sans "
                          "résistivité..."
        : Lang_Spanish
            ? " El SEV cuenta  " + n + " datos\n\rNo debe haber línea vacía..."
            : " Electrical sounding has  " + n + " data\n\rNo empty line allowed among the data...";
    if (MsgBox(text, vbYesNo + vbQuestion, Prog_Title) != vbYes)
        return false;
    SEV.CmDialog1.CancelError = true;
    if (!Save_QD3(File_Path)) {
        SEV.Bilog.MousePointer(vbCrosshair);
        return false;
    }
    // The model curve stays drawn with the points saved.
    Redraw_Sounding_Plot();
    return true;
}

void ExitButton_Click() {
    First_Key = 1;
    // The plot as the sounding stands: the stored models with superposition on, then the current
    // one. Nothing of the sounding or of the overlay guard changes.
    Redraw_Sounding_Plot();
    Draw_Mode.clear();
    SEV.Bilog.MousePointer(vbCrosshair);
}

void Text3_DblClick() {
    if (SEV.BuildGrid.Col() == 5)
        MsgBox("Impossible", vbCritical + vbOKOnly, Prog_Title);
}

void Form_GotFocus() {
    SEV.BuildGrid.SetFocus();
}

} // namespace ohmira
