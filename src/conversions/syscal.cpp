#include "conversions/syscal.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "commands/open_save.h"
#include "conversions/batch_run.h"
#include "conversions/imported_sounding.h"
#include "conversions/list_reader.h"
#include "core/app_title.h"
#include "core/language.h"
#include "core/qd3_limits.h"
#include "core/sounding.h"
#include "form/sev_form.h"
#include "platform/dialog_host.h"
#include "platform/files.h"
#include "platform/number_text.h"
#include "platform/runtime_error.h"
#include "platform/text_file.h"
#include "plot/loglog_plot.h"

namespace ohmira {

namespace {

constexpr double Pi_Syscal = 3.1416;

constexpr Language_Text Done_Text = {"Tous les fichiers SYSCAL sont convertis ",
                                     "Todos los ficheros SYSCAL han sido convertidos",
                                     "All Syscal files have been converte"};
// Follows the count of soundings written, after a line break.
constexpr Language_Text Written_Text = {" sondage(s) enregistré(s)", " sondeo(s) guardado(s)",
                                        " sounding(s) written"};
constexpr Language_Text No_Sounding_Text = {"Aucun sondage n'a pu être lu dans ",
                                            "No se pudo leer ningún sondeo en ",
                                            "No sounding could be read in "};
// Closes a conversion that wrote fewer soundings than it found, with "n / m" after it.
constexpr Language_Text Converted_Text = {
    "Sondages SYSCAL convertis :", "Sondeos SYSCAL convertidos:", "Syscal soundings converted:"};
constexpr Language_Text Too_Many_Text = {
    "Plus de 10 sondages ou de 51 points par sondage : conversion arrêtée",
    "Más de 10 sondeos o de 51 puntos por sondeo: conversión detenida",
    "More than 10 soundings or 51 points per sounding: conversion stopped"};
constexpr Language_Text Value_Error_Text = {
    "Valeur hors limites dans le fichier : conversion arrêtée",
    "Valor fuera de límites en el fichero: conversión detenida",
    "Value out of range in the file: conversion stopped"};

std::string name_prompt(const std::string &header, int k) {
    const std::string number = Str(static_cast<double>(k));
    if (Lang_French) {
        return "Entrez un nom (sans extension) pour le fichier " + header + "N° " + number;
    }
    if (Lang_Spanish) {
        return "Entre un nombre de fichero (sin extension) para Syscal  " + header + " N° " +
               number;
    }
    return "Enter a file name (without extension) for Syscal  " + header + "data N° " + number;
}

// The sounding's points into the field table (rows 1..51, columns 1 to 6 cleared first).
void fill_field_data(const std::vector<Syscal_Point> &points) {
    for (int r = 1; r <= Syscal_Max_Points; ++r) {
        for (int c = 1; c <= 6; ++c) {
            Field_Data(r, c) = 0.0;
        }
    }
    Nb_Points = 0;
    for (const Syscal_Point &p : points) {
        ++Nb_Points;
        Field_Data(Nb_Points, 1) = p.ab2;
        Field_Data(Nb_Points, 2) = p.rho;
        Field_Data(Nb_Points, 3) = p.mn2;
        Field_Data(Nb_Points, 4) = p.mv;
        Field_Data(Nb_Points, 5) = p.k;
        Field_Data(Nb_Points, 6) = p.ma;
    }
}

} // namespace

Syscal_File read_syscal_file(const std::string &path) {
    Syscal_File file;
    ListReader in = ListReader::open(path);
    try {
        file.header = in.text();
        for (int i = 1; i <= Syscal_Max_Records; ++i) {
            Syscal_Record r;
            r.name = in.text();
            in.integer();
            in.integer();
            r.volts = in.number();
            r.amperes = in.number();
            r.ab2 = in.number();
            r.mn2 = in.number();
            r.line = in.line_number();
            if (r.volts > 0) {
                file.records.push_back(std::move(r));
            }
        }
    } catch (const RuntimeError &) {
        // the end of the file or an unreadable item ends the reading
    }
    return file;
}

std::vector<Syscal_Sounding> group_syscal_soundings(const std::vector<Syscal_Record> &records) {
    std::vector<Syscal_Sounding> soundings;
    for (const Syscal_Record &r : records) {
        auto it = std::find_if(soundings.begin(), soundings.end(),
                               [&](const Syscal_Sounding &s) { return s.name == r.name; });
        if (it == soundings.end()) {
            soundings.push_back({r.name, {}});
            it = soundings.end() - 1;
        }
        it->records.push_back(r);
    }
    return soundings;
}

namespace {

// A whole number of `value` × `scale`, or ValueBeyondFile naming `value`.
double whole(double value, double scale = 1) {
    const auto n = CLng(value * scale);
    if (!n)
        throw ValueBeyondFile(number_text(value));
    return *n;
}

// A spacing cut down to two decimals, or ValueBeyondFile naming it.
double cut_spacing(double value) {
    const double cut = Int(value * 100) / 100;
    if (!std::isfinite(cut))
        throw ValueBeyondFile(number_text(value));
    return cut;
}

} // namespace

Syscal_Point syscal_point(const Syscal_Record &r) {
    Syscal_Point p;
    p.mv = whole(r.volts, 1000);
    p.ma = whole(r.amperes, 1000);
    p.ab2 = cut_spacing(r.ab2);
    p.mn2 = cut_spacing(r.mn2);
    if (r.volts * r.amperes * r.ab2 * r.mn2 > 0) {
        const double k = Pi_Syscal * (r.ab2 - r.mn2) * (r.ab2 + r.mn2) / (2 * r.mn2);
        if (k < 100) {
            const auto hundredths = CInt(k * 100);
            if (!hundredths)
                throw ValueBeyondFile(number_text(k));
            p.k = *hundredths / 100.0;
        } else {
            p.k = whole(k);
        }
        if (r.volts * r.amperes > 0) {
            p.rho = whole(p.k * r.volts / r.amperes);
        }
    }
    return p;
}

void sort_syscal_points(std::vector<Syscal_Point> &points) {
    std::stable_sort(points.begin(), points.end(),
                     [](const Syscal_Point &a, const Syscal_Point &b) {
                         return a.ab2 < b.ab2 || (a.ab2 == b.ab2 && a.mn2 < b.mn2);
                     });
}

void Syscal_Click() {
    CommonDialog &dlg = SEV.CmDialog1;
    dlg.CancelError = true;
    dlg.Flags = cdlOFNExplorer;
    dlg.Filter = "File Syscal *.DAT";
    dlg.DialogTitle = "OHMIRA File selection";
    dlg.FileName = "*.DAT";
    if (!dlg.ShowOpen()) {
        SEV.Bilog.MousePointer(vbCrosshair);
        return;
    }
    // However it ends, the window shows the last file written or the sounding of before.
    Conversion_Result result;
    File_Name = dlg.FileTitle;
    const std::string input = dlg.FileName;
    const std::string folder = folder_of(input);
    Nb_Points = 0;
    Syscal_File file;
    try {
        file = read_syscal_file(dlg.FileName);
    } catch (const RuntimeError &) {
        MsgBox("Error during reading\n\r" + dlg.FileName, vbCritical, Prog_Title);
        SEV.Bilog.MousePointer(vbCrosshair);
        return;
    }

    if (file.records.empty()) {
        MsgBox(std::string(by_language(No_Sounding_Text)) + File_Name, vbExclamation, Prog_Title);
        SEV.Bilog.MousePointer(vbCrosshair);
        return;
    }

    const std::vector<Syscal_Sounding> soundings = group_syscal_soundings(file.records);
    std::size_t written = 0;
    for (std::size_t k = 1; k <= soundings.size(); ++k) {
        const Syscal_Sounding &s = soundings[k - 1];
        // The box that stops the conversion names the file and the sounding.
        const auto stop = [&](const Language_Text &text, const std::string &detail) {
            MsgBox(std::string(by_language(text)) + "\n\r" + input + "\n\r" +
                       by_language("sondage ", "sondeo ", "sounding ") + s.name + detail,
                   vbExclamation, Prog_Title);
            SEV.Bilog.MousePointer(vbCrosshair);
        };
        if (k > Syscal_Max_Soundings) {
            stop(Too_Many_Text, "");
            return;
        }
        if (s.records.size() > Syscal_Max_Points) {
            stop(Too_Many_Text, by_language(" : ", ": ", ": ") + std::to_string(s.records.size()) +
                                    by_language(" points", " puntos", " points"));
            return;
        }
        std::vector<Syscal_Point> points;
        clear_sounding_contents(); // each sounding holds only what the file gives
        Max_AB2 = 1;
        for (const Syscal_Record &r : s.records) {
            try {
                points.push_back(syscal_point(r));
                if (r.ab2 > Max_AB2 && !CInt(r.ab2))
                    throw ValueBeyondFile(number_text(r.ab2));
            } catch (const RuntimeError &e) {
                stop(Value_Error_Text, ", " + value_at(line_place(r.line), refused_value_text(e)));
                return;
            }
            if (r.ab2 > Max_AB2) {
                Max_AB2 = CInt_or_throw(r.ab2);
            }
        }
        fill_field_data(points); // the plot shows the points in file order
        Draw_Mode = "NORMAL";
        result.window_changed();
        Draw_Bilog_Frame();

        const std::string name =
            InputBox(name_prompt(file.header, static_cast<int>(k)), "Ohmira file name");
        if (name.empty()) {
            continue; // no name: this sounding is not saved
        }
        File_Path = (name.front() == '/' ? std::string() : folder) + name + ".QD3";
        sort_syscal_points(points);
        fill_field_data(points);
        if (Save_QD3(File_Path)) {
            ++written;
            result.written(File_Path);
        }
    }
    result.show();
    // All converted only when every sounding was written; otherwise how many were.
    if (written > 0 && written == soundings.size()) {
        MsgBox(std::string(by_language(Done_Text)) + "\n" + std::to_string(written) +
                   by_language(Written_Text),
               vbInformation, Prog_Title);
    } else {
        const std::string counts =
            Str(static_cast<double>(written)) + " /" + Str(static_cast<double>(soundings.size()));
        MsgBox(by_language(Converted_Text) + counts, vbInformation, Prog_Title);
    }
    close_all_files();
}

} // namespace ohmira
