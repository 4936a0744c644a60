#include "app/startup.h"
#include "form/applied_array.h"

#include "app/main_frame.h"
#include "app/setup_tab.h"
#include "app/splash_form.h"
#include "commands/model_editor.h"
#include "commands/open_save.h"
#include "core/app_title.h"
#include "core/language.h"
#include "core/sounding.h"
#include "editor/data_entry.h"
#include "form/file_caption.h"
#include "form/find_control.h"
#include "form/settings.h"
#include "form/settings_values.h"
#include "form/sev_form.h"
#include "platform/dialog_host.h"
#include "platform/number_locale.h"
#include "platform/number_text.h"
#include "platform/program_end.h"
#include "platform/runtime_error.h"
#include "platform/single_instance.h"
#include "plot/loglog_plot.h"

#include <array>
#include <cmath>
#include <exception>

namespace ohmira {

namespace {

// The language letter's entry of the language list and the captions of the splash buttons.
struct StartLanguage {
    const char *letter;
    const char *list_text;
    const char *new_ves;   // Command2
    const char *open_file; // Command4
    const char *last_file; // Command3
    const char *help;      // Command5
};

constexpr std::array<StartLanguage, 4> start_languages{{
    {"E", "English", "Start a new VES", "Open a Ohmira file", "Load last Ohmira file",
     "Read Ohmira help"},
    {"S", "Español", "Empezar nuevo SEV", "Cargar un fichero", "Cargar el ultimo fichero",
     "Leer la ajuda Ohmira"},
    {"F", "Français", "Nouveau sondage", "Ouvrir un fichier", "Ouvrir le dernier fichier",
     "Lire l'aide Ohmira"},
    {"A", "Deutsch", "Start a new VES", "Open a Ohmira file", "Load last Ohmira file",
     "Read Ohmira help"},
}};

// A plot bound of at least 2 decades: 4 and its value when the settings gave less.
template <typename Exponent> void raise_bound(Exponent &exponent, std::int32_t &value) {
    if (exponent < 2) {
        exponent = 4;
        value = 10000;
    }
}

void check_decimal_separator() {
    if (user_decimal_separator() == ".")
        return;
    if (MsgBox(decimal_separator_question, vbYesNo, Prog_Title) == vbYes)
        (void)use_point_decimal_separator();
}

void fill_profile_grid() {
    FlexGrid &g = SEV.SEV_Grid;
    g.Redraw(false);
    g.Rows(2);
    g.Cols(8);
    g.Height(2000);
    for (int r = 0; r <= 1; ++r) {
        g.RowHeight(r, 200);
        g.TextMatrix(r, 0, std::to_string(r));
    }
    g.ColWidth(0, 300);
    g.ColWidth(1, 3356);
    for (int c = 2; c <= 7; ++c)
        g.ColWidth(c, 960);
    g.TextMatrix(0, 0, "");
    constexpr const char *headers[] = {"File name", "X",        "Y",         "Z",
                                       "Order",     "Distance", "Max. depth"};
    for (int c = 1; c <= 7; ++c)
        g.TextMatrix(0, c, headers[c - 1]);
    g.Redraw(true);
}

} // namespace

// Each start-up step runs on its own: one that fails is skipped and the next one runs.
void SEV_Form_Load() {
    // 1
    skipping_errors([] { SEV.SSTab1.Tab(0); });
    Rho_Scale = 100;
    // 2
    skipping_errors(check_decimal_separator);
    // 3: a second copy ends at once, before anything is read or written.
    if (PrevInstance()) {
        MsgBox("The requested application is already open", vbExclamation,
               "Cannot load program again.");
        end_program();
        return;
    }
    // 4
    skipping_errors(Build_Toolbar);
    // 5
    skipping_errors([] { SEV.Show(); });
    // 6
    Draw_RMS = 0;
    skipping_errors(Read_Ini_Settings);
    // 7
    Plot_Empty = vbTrue;
    Print_QBColor = 0;
    Color_Mode = vbTrue;
    // 8
    skipping_errors([] {
        SEV.Text4.Text(Schlumberger_Applied() ? "Schlumberger"
                       : Dipole_Applied()     ? "Dipole"
                                              : "Wenner");
    });
    // 9
    raise_bound(AB2max, AB2max_Value);
    raise_bound(RHOmax, RHOmax_Value);
    Superpose = -1;
    skipping_errors([] {
        SEV.Text1.Text("");
        SEV.Text2.Text("");
    });
    // 10
    skipping_errors([] {
        MenuItem *items[] = {&SEV.F1_F, &SEV.F2_F, &SEV.F3_F, &SEV.F4_F, &SEV.F5_F};
        for (int i = 1; i <= 5; ++i)
            items[i - 1]->Caption("&" + std::to_string(i) + " " + Recent_Files(i));
    });
    // 11
    skipping_errors([] {
        SEV.Picture1.BackColor(static_cast<int>(Curve_Color.num()));
        SEV.Picture2.BackColor(static_cast<int>(Points_Color.num()));
        SEV.Picture3.BackColor(static_cast<int>(Grid_Color.num()));
        SEV.Picture4.BackColor(static_cast<int>(Model_Color.num()));
        SEV.Picture5.BackColor(static_cast<int>(Error_Color.num()));
        SEV.Text16.BackColor(static_cast<int>(Superposed_Color.num()));
    });
    // 12
    skipping_errors(Show_File_Caption);
    Draw_Mode.clear();
    // 13
    skipping_errors([] {
        SEV.Show();
        if (std::optional<double> t = Auto_Threshold.finite_num())
            if (std::optional<std::int16_t> v = CInt((*t - 0.03) * 10)) {
                const Control::Events_Held showing{SEV.Slider1}; // shows the threshold, keeps it
                SEV.Slider1.Value(*v);
            }
    });
    // 14
    skipping_errors(Draw_Bilog_Frame);
    // 15
    skipping_errors([] {
        for (const char *item : {"Français", "Deutsch", "Español", "English"})
            SEV.Combo6.AddItem(item);
        for (const StartLanguage &l : start_languages) {
            if (Langue != l.letter)
                continue;
            SEV.Combo6.Text(l.list_text);
            frmSplash.Load();
            frmSplash.Command2.Caption(l.new_ves);
            frmSplash.Command4.Caption(l.open_file);
            frmSplash.Command3.Caption(l.last_file);
            frmSplash.Command5.Caption(l.help);
        }
    });
    // 16: start-up waits here until a button of the splash window closes it.
    Splash_Holds_Open = true;
    skipping_errors([] { frmSplash.Show(vbModal); });
    Splash_Holds_Open = false;
    if (program_ended())
        return;
    // 17
    skipping_errors(Load_build);
    skipping_errors(Load_parameter);
    // 18
    skipping_errors([] {
        const VSPrinter &p = SEV.VSPrint1;
        const auto mm = [](double twips) {
            return std::to_string(static_cast<long long>(round_half_even(twips / 56.7)));
        };
        if (auto *label = sev_control<Label>("Label18"))
            label->Caption("Paper size= " + mm(p.PageHeight()) + " / " + mm(p.PageWidth()));
    });
    // 19
    skipping_errors(fill_profile_grid);
    // 20
    skipping_errors(Set_Model_Editor_Captions);
    skipping_errors(Show_Sounding_Name);
    // A sounding chosen on the splash is read into the pages now built.
    skipping_errors(Open_Splash_Choice);
}

} // namespace ohmira
