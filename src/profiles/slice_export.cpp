#include "profiles/slice_export.h"

#include "core/app_title.h"
#include "core/language.h"
#include "core/sounding.h"
#include "form/sev_form.h"
#include "platform/dialog_host.h"
#include "platform/files.h"
#include "platform/number_text.h"
#include "platform/runtime_error.h"
#include "platform/text_file.h"
#include "profiles/extraction_form.h"
#include "profiles/profile_selection.h"
#include "profiles/profile_values.h"
#include "profiles/section_geometry.h"

#include <array>
#include <cmath>
#include <optional>
#include <vector>

namespace ohmira {

namespace {
constexpr int max_layers = 20;
constexpr std::array<const char *, 6> prefixes{
    "", "Res_by_alt_", "Res_by_layer_", "Thick_by_alt_", "Thick_by_layer_", "Depht_by_layer_"};

bool by_altitude(int choice) {
    return choice == 1 || choice == 3;
}

void extraction_aborted() {
    MsgBox("Extraction aborted", vbInformation + vbOKOnly, Prog_Title);
}

// The output path, confirmed by the user or chosen in the save dialog; empty when cancelled.
std::string confirm_output_path(std::string path) {
    const std::string question = Lang_French    ? "Sauvegarde du fichier "
                                 : Lang_Spanish ? "Salvar fichero "
                                                : "Recording File ";
    if (MsgBox(question + path, vbQuestion + vbYesNo, Prog_Title) == vbYes)
        return path;
    CommonDialog &cd = SEV.CmDialog1;
    cd.CancelError = false;
    cd.Filter = "Surfer data file (*.DAT)|*.DAT";
    cd.Flags = cdlOFNOverwritePrompt;
    cd.DialogTitle = "Record Surfer data file";
    cd.FileName = path;
    if (!cd.ShowSave())
        return {};
    const std::string chosen = cd.FileName;
    const std::string name = name_of(chosen);
    if (name.empty())
        return {};
    Chemin = chosen.substr(0, chosen.size() - name.size());
    return Chemin + slice_file_name(name);
}
} // namespace

std::optional<double> slice_value(const ProfileSounding &s, int choice, double altitude,
                                  double layer) {
    auto at = [&](int j) -> const ProfileLayer & { return s.layers[static_cast<size_t>(j - 1)]; };
    auto depth = [&](int j) { return j <= max_layers ? at(j).depth : 0.0; };
    const double z = box_value(s.z);
    if (by_altitude(choice)) {
        for (int j = 1; j <= max_layers; ++j) {
            if (at(j).rho <= 0)
                return std::nullopt; // below the model's last layer: nothing matched
            const bool inside = z - depth(j) >= altitude && z - depth(j + 1) < altitude;
            const bool last = (j == max_layers || at(j + 1).rho <= 0);
            if (choice == 1 && (inside || (last && z - depth(j) >= altitude)))
                return at(j).rho;
            if (choice == 3 && inside && !last)
                return at(j).thickness;
        }
        return std::nullopt;
    }
    if (layer != std::floor(layer) || layer < 1 || layer > max_layers)
        return std::nullopt;
    const ProfileLayer &l = at(static_cast<int>(layer));
    if (l.rho <= 0)
        return std::nullopt;
    switch (choice) {
    case 2:
        return l.rho;
    case 4:
        if (l.thickness <= 0)
            return std::nullopt;
        return l.thickness;
    case 5:
        return l.depth;
    default:
        return std::nullopt;
    }
}

std::string slice_file_name(const std::string &chosen_name) {
    const auto dot = chosen_name.find('.');
    if (dot == std::string::npos)
        return chosen_name + ".DAT";
    return chosen_name.substr(0, dot + 1) + "DAT";
}

std::string slice_line(const ProfileSounding &s, double value) {
    return number_text(box_value(s.x)) + "," + number_text(box_value(s.y)) + "," +
           number_text_single(static_cast<float>(value));
}

void HORSLICE_Click() {
    std::string folder;
    std::vector<std::string> names;
    if (!choose_profile_files(folder, names))
        return;
    if (!ask_extraction_parameters()) {
        extraction_aborted();
        return;
    }
    const int choice = Extract_Choice;
    const std::string &parameter = by_altitude(choice) ? Extract_Altitude : Extract_Layer;
    if (choice < 1 || choice > 5 || parameter.empty()) {
        extraction_aborted();
        return;
    }
    // The parameter names the file and selects the layers: a text that is no number would give
    // a file such as Res_by_alt_abc.DAT holding the slice at 0.
    std::optional<double> number;
    try {
        number = parse_number_item(parameter);
    } catch (const RuntimeError &) {
        number.reset();
    }
    if (!number || parameter.find_first_not_of(" \t") == std::string::npos) {
        MsgBox(parameter + " is not a number. Extraction aborted", vbExclamation + vbOKOnly,
               Prog_Title);
        return;
    }
    const std::string path =
        confirm_output_path(Chemin + prefixes[static_cast<size_t>(choice)] + parameter + ".DAT");
    if (path.empty())
        return;

    const double altitude = box_value(Extract_Altitude);
    const double layer = box_value(Extract_Layer);
    std::string text, unreadable;
    for (const std::string &name : names) {
        const auto s = read_profile_sounding(folder + name);
        if (!s) {
            unreadable += "\r\n" + name;
            continue;
        }
        if (const auto v = slice_value(*s, choice, altitude, layer))
            text += slice_line(*s, *v) + "\r\n";
    }
    if (text.empty()) {
        MsgBox("No sounding gives a value: no file written" +
                   (unreadable.empty() ? std::string()
                                       : "\r\nThese files could not be read:" + unreadable),
               vbExclamation + vbOKOnly, Prog_Title);
        return;
    }
    try {
        write_whole_file(path, text);
    } catch (const RuntimeError &) {
        MsgBox("Error while writing " + path, vbExclamation + vbOKOnly, Prog_Title);
        return;
    }
    if (!unreadable.empty())
        MsgBox("These files could not be read:" + unreadable, vbExclamation + vbOKOnly, Prog_Title);
}

} // namespace ohmira
