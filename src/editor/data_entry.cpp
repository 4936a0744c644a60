#include "editor/data_entry.h"
#include "form/applied_array.h"
#include "form/settings_values.h"

#include <algorithm>
#include <array>

#include "core/app_title.h"
#include "core/language.h"
#include "core/sounding.h"
#include "core/sounding_files.h"
#include "editor/field_grid.h"
#include "form/control_captions.h"
#include "form/file_caption.h"
#include "form/sev_form.h"
#include "platform/app_info.h"
#include "platform/dialog_host.h"
#include "platform/number_text.h"
#include "platform/runtime_error.h"
#include "platform/text_file.h"

namespace ohmira {

namespace {

constexpr std::array<Caption_Entry, 14> page_captions{{
    {"Frame1", {"Commentaires", "Comentario", "Comment"}},
    {"Frame2", {"Titre du graphique", "Titulo del grafico", "Graph title"}},
    {"Frame5", {"Situation du SEV", "Ubicación del sondeo", "Location of SEV"}},
    {"Frame9", {"SEV sur fond marin", "Sondeo en fondo marino", "Marine floor survey"}},
    {"Frame14", {"Edition données", "Edicion datos", "Editing data"}},
    {"Label25", {"Résist. eau :", "Resist. agua. :", "Water resist. :"}},
    {"Label26", {"Lissage", "Comp. emp.", "Shifting"}},
    {"Label27", {"Demi-dispos.", "Semi-disposit.", "Half array"}},
    {"Command1", {"&Nouveau SE", "&Nuevo sondeo", "&New ES"}},
    {"Computation", {"&Calcule / ajuste", "&Computar / ajustar", "&Compute / fit"}},
    {"CorrectButton", {"&Supprimer ligne", "&Borrar linea", "&Delete line"}},
    {"RecordButton", {"&Insérer ligne", "&Insertar linea", "&Insert line"}},
    {"SaveButton", {"&Enregistrer", "&Salvar", "&Save"}},
    {"ExitButton", {"&Quitte", "&Salir", "&Quit"}},
}};

// Headers of columns 1 and 2 by array type; columns 3 to 6 are the same for all.
constexpr std::array<std::array<const char *, 2>, 3> spacing_headers{{
    {"MN/2", "AB/2"}, // Schlumberger
    {"BN", "AM"},     // dipole
    {"-", "a"},       // Wenner
}};
constexpr std::array<const char *, 4> value_headers{"DeltaV", "I", "K", "Resist."};

void set_cell(int row, int col, const std::string &text) {
    skipping_errors([&] { SEV.BuildGrid.TextMatrix(row, col, text); });
}

int shown_points() {
    return std::min<int>(Nb_Points, Field_Grid_Rows);
}

// Point i in its row, every cell from the sounding: a value the point lacks shows as an empty
// cell, never as a text typed or shown there before.
void show_point(int i) {
    const auto shown = [](const Variant &v) { return v.num() != 0 ? Str(v) : std::string(); };
    set_cell(i, 1, Wenner_Applied() ? std::string() : shown(Field_Data(i, 3)));
    set_cell(i, 2, Str(Field_Data(i, 1)));
    set_cell(i, 3, shown(Field_Data(i, 4)));
    set_cell(i, 4, shown(Field_Data(i, 6)));
    set_cell(i, 5, Field_Data(i, 5).num() != 0 ? k_cell_text(Field_Data(i, 5)) : std::string());
    set_cell(i, 6, Str(Field_Data(i, 2)));
}

// Reads the spacing table into Field_Data (columns 1 and 3, or 3 alone for Wenner). Returns the
// number of records, or nothing when the table is missing, not a number or too long. The table
// is that of the array option selected (its click named it), so its layout is that array's too,
// whether or not the Setup tab's OK has applied it yet.
std::optional<int> read_spacing_table(const std::string &path) {
    close_all_files();
    Field_Data.clear();
    if (!sounding_file_readable(path))
        return std::nullopt;
    try {
        TextFile in(path, OpenMode::Input);
        const bool one_number = Wenner_Applied();
        int count = 0;
        while (!in.eof()) {
            if (count == Field_Grid_Rows)
                throw RuntimeError(err::SubscriptRange);
            ++count;
            if (!one_number)
                Field_Data(count, 1) = in.input_number();
            Field_Data(count, 3) = in.input_number();
        }
        in.close();
        return count;
    } catch (const RuntimeError &) {
        close_all_files();
        Field_Data.clear();
        return std::nullopt;
    }
}

} // namespace

std::string k_cell_text(const Variant &k) {
    const std::string text = Str(k);
    if (text.size() <= 6 || text.find('E') != std::string::npos)
        return text;
    const auto dot = text.find('.');
    if (dot == std::string::npos)
        return text;
    // Decimals only are cut, and a point left alone at the end goes with them.
    std::string cut = text.substr(0, std::max<std::size_t>(dot, 6));
    if (cut.back() == '.')
        cut.pop_back();
    return cut;
}

void Set_Data_Page_Captions() {
    Apply_Captions(page_captions);
}

void Load_build() {
    auto &page = SEV;
    // The boxes show the sounding's flags: no click, so no row is computed again.
    skipping_errors([&] {
        if (!Schlumberger_Applied()) {
            page.lissbox.Enabled(false);
        } else {
            page.lissbox.Enabled(true);
            const Control::Events_Held loading{page.lissbox};
            page.lissbox.Value(Shift_Compensation == 1 ? vbChecked : vbUnchecked);
        }
    });
    skipping_errors([&] {
        if (Dipole_Applied()) {
            page.Check10.Enabled(false);
        } else {
            page.Check10.Enabled(true);
            const Control::Events_Held loading{page.Check10};
            page.Check10.Value(Array_Factor == 2 ? vbChecked : vbUnchecked);
        }
    });
    if (File_Name.empty())
        File_Name = "NEW";
    Show_File_Caption();
    Curve_Valid = 0;
    page.Bilog.MousePointer(vbHourglass);
    Set_Data_Page_Captions();

    auto &grid = page.BuildGrid;
    skipping_errors([&] {
        grid.Cols(7);
        grid.Rows(Field_Grid_Rows + 1);
        grid.FormatString("> |> |> |> |> |> |> ");
        grid.Font(FontSpec{"Arial", 8, false, false});
        for (int c = 0; c <= 6; ++c)
            grid.ColWidth(c, 700);
        grid.Redraw(false);
        grid.RowHeight(0, 250);
        for (int r = 1; r <= Field_Grid_Rows; ++r) {
            grid.RowHeight(r, 200);
            grid.TextMatrix(r, 0, Str(static_cast<double>(r)));
        }
        grid.Row(0);
        const int array = Schlumberger_Applied() ? 0 : Dipole_Applied() ? 1 : 2;
        for (int c = 1; c <= 6; ++c) {
            grid.Col(c);
            grid.FixedAlignment(c, 3);
            grid.Text(c <= 2 ? spacing_headers[array][c - 1] : value_headers[c - 3]);
        }
    });
    skipping_errors([&] { grid.Redraw(true); });
    Load_Field_Grid();
    skipping_errors([&] {
        grid.Row(0);
        grid.Col(1);
    });
}

void Load_Field_Grid() {
    // The grid holds typing the sounding lacks: filling it from the sounding would lose it.
    if (Field_Grid_Changed)
        return;
    if (File_Name != "NEW" || Field_Data(1, 2).num() != 0) {
        Show_Field_Data();
        return;
    }
    if (auto count = read_spacing_table(Spacing_File)) {
        Show_Default_Spacings(*count);
        return;
    }
    auto &page = SEV;
    MsgBox(by_language("Le fichier ", "Fichero ", "File ") + Spacing_File +
               by_language(" est introuvable ou faux. ", " falso o no existe. ",
                           " is wrong or not found. ") +
               by_language(" Cherchez-le et vérifiez...", " Busquelo y controle...",
                           " Find it and verify..."),
           vbExclamation, Prog_Title);
    Draw_Mode = "FIELD";
    auto &dialog = page.CmDialog1;
    dialog.CancelError = true;
    dialog.DialogTitle = "AB/MN file location";
    dialog.Filter = "AB/MN File (*.TXT)|*.TXT";
    dialog.FileName = "*.TXT";
    dialog.Flags = cdlOFNExplorer;
    if (!dialog.ShowOpen()) {
        page.Bilog.MousePointer(vbCrosshair);
        return;
    }
    Spacing_File = dialog.FileName;
    page.Caption(Prog_Title + " [" + Spacing_File + "]");
    page.Bilog.MousePointer(vbCrosshair);
    if (auto count = read_spacing_table(Spacing_File)) {
        Show_Default_Spacings(*count);
        return;
    }
    MsgBox(by_language("Le fichier ", "Fichero ", "File ") + Spacing_File +
               by_language(" est inutilisable....", " corrompido....", " is corrupted...."),
           vbExclamation, Prog_Title);
}

void Show_Default_Spacings(int &Count) {
    auto &grid = SEV.BuildGrid;
    // The table's spacings are the sounding's (Field_Data columns 1 and 3), without a point.
    Nb_Points = 0;
    Field_Grid_Changed = false;
    grid.Redraw(false);
    for (int i = 1; i <= std::min(Count, Field_Grid_Rows); ++i) {
        set_cell(i, 1, Str(Field_Data(i, 1)));
        set_cell(i, 2, Str(Field_Data(i, 3)));
    }
    for (int i = std::max(Count, 0) + 1; i <= Field_Grid_Rows; ++i) {
        set_cell(i, 1, "");
        set_cell(i, 2, "");
    }
    grid.Redraw(true);
}

void Show_Field_Data() {
    auto &grid = SEV.BuildGrid;
    grid.Redraw(false);
    for (int i = 1; i <= shown_points(); ++i)
        show_point(i);
    for (int i = std::max(shown_points(), 0) + 1; i <= Field_Grid_Rows; ++i)
        for (int c = 1; c <= 6; ++c)
            set_cell(i, c, "");
    grid.Redraw(true);
}

void Fill_Field_Grid() {
    auto &grid = SEV.BuildGrid;
    Field_Grid_Changed = false;
    grid.Redraw(false);
    for (int i = 1; i <= Field_Grid_Rows; ++i)
        for (int c = 1; c <= 6; ++c)
            set_cell(i, c, "");
    for (int i = 1; i <= shown_points(); ++i)
        show_point(i);
    grid.Redraw(true);
}

void Option1_Click() {
    SEV.Label8.Caption("AB/2");
}

void Option2_Click() {
    SEV.Label8.Caption("AM");
}

void Option3_Click() {
    SEV.Label8.Caption("a");
}

} // namespace ohmira
