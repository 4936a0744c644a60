#include "app/launched_programs.h"

#include "app/splash_form.h"
#include "core/app_title.h"
#include "core/language.h"
#include "core/text_utils.h"
#include "form/sev_form.h"
#include "platform/app_info.h"
#include "platform/control.h"
#include "platform/dialog_host.h"
#include "platform/file_association.h"
#include "platform/shell_open.h"

namespace ohmira {

namespace {
// The manuals and the video program share one folder beside the program.
std::string manual_folder() {
    return app_path() + "manual/";
}

constexpr const char *description_fr =
    "Ce programme sert à interpréter les sondages électriques "
    "réalisés avec les géométrie Schlumberger, Wenner ou dipôle. "
    "Le programme utilise les formules et filtres digitaux publiés par "
    "KOEFOED, Geosounding principles 1978 p. 98. Elsevier Pub. Co. pour le dispositif "
    "Schlumberger, et KOEFOED et al. 1972, Geophysical Prospecting, pour le dispositif dipôle. "
    "Huit résistivités apparentes par module logarithmique sont calculées "
    "pour un modèle de 20 couches au maximum. "
    "Il s'agit de faire coïncider la courbe du modèle avec les points expérimentaux. "
    "Ne jamais oublier le principe de l'équivalence et le principe de la suppression "
    "qui, sans contrôle géologique, peuvent conduire à des résultats totalement faux. "
    "Les résultats de ce logiciel ont été vérifiés avec plusieurs programmes "
    "de géoélectricité et les courbes standards.";

constexpr const char *description_en =
    "This program is used for the interpretation of electrical soundings with Schlumberger, "
    "Wenner or dipole spread.  "
    "Formula and digital filters used here have been published by "
    "KOEFOED, Geosounding principles 1978 p. 98. Elsevier Pub. Co. for the Schlumberger spread, "
    "and KOEFOED et al. 1972, Geophysical Prospecting, for the dipole spread. "
    "Eight apparent resistivities are computed for each logarithmic module. "
    "Maximum 20 layers are calculated. "
    "To avoid geological misinterpretations, never forget the Equivalence Law ! "
    "Results of this software have been tested with other geoelectrical software "
    "and published standard curves. ";
} // namespace

std::string Find_Associated_Program(const std::string &ext) {
    return find_associated_program(ext);
}

std::string Help_Manual_Path() {
    const char *name = Lang_French    ? "OHMIRA6_FR.PDF"
                       : Lang_Spanish ? "OHMIRA6_ES.PDF"
                                      : "OHMIRA6_US.PDF";
    return manual_folder() + name;
}

void Open_Help_Manual() {
    const std::string reader = Find_Associated_Program("PDF");
    if (reader.empty()) {
        MsgBox("You must intstall ACROBAT READER to open the help file", vbCritical, Prog_Title);
        return;
    }
    const std::string manual = Help_Manual_Path();
    if (!File_Exists(manual)) {
        MsgBox("You must install " + manual + " from the CD-ROM", vbCritical, Prog_Title);
        return;
    }
    // The path goes to the reader as one argument, blanks and all.
    if (shell_open(reader, manual, app_path(), 3) <= 32)
        MsgBox("Unable to shell " + reader);
}

void Show_Program_Description() {
    MsgBox(Lang_French ? description_fr : description_en, vbInformation, Prog_Title);
}

void Show_About_Box() {
    frmSplash.Show(vbModal);
}

std::string Contact_Url() {
    return std::string("mailto:") + Support_Address + "?CC=&BCC=&Subject=Ohmira&Body=";
}

void Help_US_Click() {
    Open_Help_Manual();
}
void NHelp_Click() {
    Show_Program_Description();
}

void NCalculator_Click() {
    SEV.Bilog.MousePointer(vbHourglass);
    for (const char *name : Calculators) {
        const std::string program = find_program(name);
        if (!program.empty()) {
            shell_open(program);
            break;
        }
    }
    SEV.Bilog.MousePointer(vbCrosshair);
}

void video_Click() {
    // Only a video program actually installed there is started; failure is not reported.
    const std::string program = manual_folder() + "ohmira";
    if (!find_program(program).empty())
        shell_open(program);
}

void contact_Click() {
    if (shell_open(Contact_Url()) <= 32)
        MsgBox("Unable to launch e-mail");
}

void WS_Click() {
    Show_About_Box();
}

} // namespace ohmira
