#include "conversions/geotrade_pasi_readers.h"

#include <ctime>
#include <sys/stat.h>

#include "conversions/abem_sas_readers.h"
#include "conversions/import_frame.h"
#include "conversions/list_reader.h"
#include "core/app_title.h"
#include "core/language.h"
#include "core/sounding.h"
#include "editor/data_entry.h"
#include "form/settings_values.h"
#include "form/sev_form.h"
#include "platform/dialog_host.h"
#include "platform/number_text.h"
#include "platform/runtime_error.h"

namespace ohmira {

namespace {

// A GTR field in V or A, or in mV or mA when it holds a lower-case "m"; kept in mV and mA.
double milli_units(const std::string &field) {
    return Val(field) * (field.find('m') != std::string::npos ? 1 : 1000);
}

} // namespace

ImportedSounding parse_geotrade_gtr(ListReader &in) {
    ImportedSounding s;
    try {
        int beyond = 0; // points beyond the table, counted for the box that says what was kept
        while (!in.eof()) {
            const std::string line = in.line();
            if (static_cast<int>(s.rows.size()) >= max_field_rows) {
                beyond += milli_units(Mid(line, 22, 9)) > 0.1 ? 1 : 0;
                continue;
            }
            FieldRow row{};
            const double ab2 = Val(Mid(line, 87, 6)) / 2;
            row[1] = ab2;
            s.track_ab2(ab2);
            row[3] = Val(Mid(line, 97, 3)) / 2;
            row[4] = milli_units(Mid(line, 11, 9));
            row[6] = milli_units(Mid(line, 22, 9));
            // Titles and lines without a current drop out.
            if (row[6].num() <= 0.1)
                continue;
            s.add_row(row);
        }
        if (beyond > 0) {
            s.rows_in_file = max_field_rows + beyond;
            throw RuntimeError(err::SubscriptRange);
        }
        s.comment = s.data_source = s.x_coord = s.y_coord = s.z_coord = "";
        s.finish_ab2();
    } catch (const RuntimeError &e) {
        s.stop(e, in);
    }
    return s;
}

ImportedSounding parse_pasi_txt(ListReader &in) {
    ImportedSounding s;
    s.data_source = "PASI";
    try {
        s.select_schlumberger = in.text() == "SCHLUMBERGER";
        in.text();
        int beyond = 0; // records beyond the table, counted for the box that says what was kept
        while (!in.eof()) {
            FieldRow row{};
            row[1] = in.number();
            row[3] = in.number();
            in.word();
            const double current = in.number();
            const double voltage = in.number();
            in.word();
            in.word();
            if (static_cast<int>(s.rows.size()) >= max_field_rows) {
                ++beyond;
                continue;
            }
            row[6] = current * 1000000;
            row[4] = voltage * 1000000;
            s.add_row(row);
        }
        if (beyond > 0) {
            s.rows_in_file = max_field_rows + beyond;
            throw RuntimeError(err::SubscriptRange);
        }
        // AB/2 is not tracked: the exponent of the start value, 0.
        s.finish_ab2();
    } catch (const RuntimeError &e) {
        s.stop(e, in);
    }
    return s;
}

std::vector<FieldRow> parse_spacing_table(ListReader &in, bool single_value) {
    std::vector<FieldRow> table;
    while (!in.eof()) {
        if (static_cast<int>(table.size()) >= max_field_rows)
            throw RuntimeError(err::SubscriptRange);
        FieldRow row{};
        if (single_value) {
            row[3] = in.number();
        } else {
            row[1] = in.number();
            row[3] = in.number();
        }
        table.push_back(row);
    }
    return table;
}

std::string pasi_comment(const std::string &path) {
    struct stat st {};
    std::tm t{};
    if (::stat(path.c_str(), &st) != 0 || !::localtime_r(&st.st_mtime, &t))
        return "Date : ..";
    return "Date : " + std::to_string(t.tm_mday) + "." + std::to_string(t.tm_mon + 1) + "." +
           std::to_string(t.tm_year + 1900);
}

bool Read_Geotrade_GTR(std::string &path) {
    return read_instrument_file(path, parse_geotrade_gtr);
}

bool Read_PASI_TXT(std::string &path, const std::vector<FieldRow> &spacing_table) {
    if (refuse_without_file_name())
        return false;
    ImportedSounding s = parse_file(path, parse_pasi_txt);
    show_import_failure(s, path);
    if (!s.keep())
        return false;
    s.comment = pasi_comment(path);
    commit_import(s, &spacing_table);
    return true;
}

namespace {

// The spacing table of the current array from Spacing_File; false when it is missing, unreadable
// or longer than 51 records.
bool load_spacing_table(std::vector<FieldRow> &table) {
    try {
        ListReader in = ListReader::open(Spacing_File);
        table = parse_spacing_table(in, Niveau == "2");
        return true;
    } catch (const RuntimeError &) {
        return false;
    }
}

} // namespace

void PASI_Click() {
    SEV.Bilog.MousePointer(vbHourglass);
    std::vector<FieldRow> table;
    if (!load_spacing_table(table)) {
        const std::string &f = Spacing_File;
        MsgBox(Lang_French ? "Le fichier " + f + " est introuvable ou faux. " +
                                 " Cherchez-le et vérifiez..."
               : Lang_Spanish ? "Fichero " + f + " falso o no existe. " + " Find it and verify..."
                              : "File " + f + " is wrong or not found. " + " Find it and verify...",
               vbExclamation, Prog_Title);
        Draw_Mode = "FIELD";
        if (!choose_import_file("AB/MN File (*.TXT)|*.TXT", "AB/MN file location", "*.TXT")) {
            SEV.Bilog.MousePointer(vbCrosshair);
            return;
        }
        // The caption keeps naming the sounding on screen, not the spacing table.
        Spacing_File = SEV.CmDialog1.FileName;
        SEV.Bilog.MousePointer(vbCrosshair);
        if (!load_spacing_table(table)) {
            MsgBox(Lang_French    ? "Le fichier " + f + " est inutilisable...."
                   : Lang_Spanish ? "Fichero " + f + " corrompido...."
                                  : "File " + f + " is corrupted....",
                   vbExclamation, Prog_Title);
            SEV.Bilog.MousePointer(vbCrosshair);
            return;
        }
    }
    Draw_Mode = "NORMAL";
    import_chosen_file("Fichier Ohmira *.TXT    ", "*.TXT",
                       [&table](std::string &path) { return Read_PASI_TXT(path, table); });
    SEV.Bilog.MousePointer(vbCrosshair);
}

} // namespace ohmira
