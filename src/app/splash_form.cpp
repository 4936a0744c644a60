#include "app/splash_form.h"

#include "app/launched_programs.h"
#include "commands/model_editor.h"
#include "commands/new_sounding.h"
#include "commands/open_save.h"
#include "core/app_title.h"
#include "core/sounding.h"
#include "form/file_caption.h"
#include "form/find_control.h"
#include "form/sev_form.h"
#include "platform/app_info.h"
#include "platform/runtime_error.h"

#include <cstdint>
#include <new>
#include <optional>
#include <string>

namespace ohmira {

namespace {

struct DesignCaption {
    CommandButton frmSplash_Form::*button;
    const char *caption;
};

constexpr DesignCaption design_captions[] = {
    {&frmSplash_Form::Command2, "Start a new VES"},
    {&frmSplash_Form::Command4, "Open an Ohmira file"},
    {&frmSplash_Form::Command3, "Load the last Ohmira file"},
    {&frmSplash_Form::Command5, "Read Ohmira Help"},
    {&frmSplash_Form::Command1, "Cancel"},
};

// A file chosen on the splash (or a new sounding), and what its open command restores when the
// file cannot be read.
struct Splash_Choice {
    std::string path;
    bool from_dialog = false;
    std::int16_t plot_empty = 0;
    bool new_sounding = false;
};

// A new sounding, as from any other new-sounding command, on the main tab.
void start_new_sounding() {
    skipping_errors(Start_New_Sounding);
    SEV.SSTab1.Tab(0);
    SEV.BuildGrid.SetFocus();
    if (auto *b = sev_control<CommandButton>("Computation"))
        b->Default(true);
}

std::optional<Splash_Choice> held_choice;

void open_choice(const Splash_Choice &choice) {
    if (choice.new_sounding) {
        start_new_sounding();
        return;
    }
    if (!open_sounding_file(choice.path)) {
        if (choice.from_dialog)
            Plot_Empty = choice.plot_empty;
        else
            SEV.Grid1.SetFocus();
        return;
    }
    // As after File ▸ Read: the model editor set up for it, the caption naming it.
    skipping_errors(Set_Model_Editor_Captions);
    Show_File_Caption();
    SEV.Grid1.SetFocus();
}

// At start-up the file is read once the pages it fills exist; as the About box, at once.
void open_or_hold(Splash_Choice choice) {
    if (Splash_Holds_Open)
        held_choice = std::move(choice);
    else
        open_choice(choice);
}

} // namespace

frmSplash_Form::frmSplash_Form() : Form("frmSplash", "Ohmira") {
    Move(0, 0, 6360, 5160);
    lblProductName.Caption("Produit");
    lblProductName2.Caption("Produit");
    lblVersion.Caption("Version");
    lblCompanyProduct.Caption("Brenkal");
    lblProductName.Font(FontSpec{"Arial", 28, true, false});
    lblProductName.ForeColor(0x800000); // dark blue
    lblProductName2.Font(FontSpec{"Arial", 28, true, false});
    lblProductName2.ForeColor(0xC0C0C0); // its grey shadow
    lblVersion.Font(FontSpec{"Arial", 10, false, false});
    lblCompanyProduct.Font(FontSpec{"Arial", 10, false, true});
    for (Label *l : {&lblProductName, &lblProductName2, &lblVersion, &lblCompanyProduct})
        l->ToolTipText("Click to continue");
    for (const DesignCaption &d : design_captions)
        (this->*d.button).Caption(d.caption);
}

void reset_frmSplash() {
    Splash_Holds_Open = false;
    held_choice.reset();
    frmSplash.~frmSplash_Form();
    ::new (static_cast<void *>(&frmSplash)) frmSplash_Form();
}

void set_splash_design_captions() {
    for (const DesignCaption &d : design_captions)
        (frmSplash.*d.button).Caption(d.caption);
}

void frmSplash_Form_Load() {
    // A new load shows the design captions (the About box); start-up sets its language after.
    set_splash_design_captions();
    frmSplash.lblVersion.Caption("Version " + std::to_string(AppInfo::Major) + "." +
                                 std::to_string(AppInfo::Minor) + "." +
                                 std::to_string(AppInfo::Revision));
    frmSplash.lblProductName.Caption(AppInfo::Title);
    frmSplash.lblProductName2.Caption(frmSplash.lblProductName.Caption());
    frmSplash.lblProductName2.Move(
        frmSplash.lblProductName.Left() - 30, frmSplash.lblProductName.Top() + 20,
        frmSplash.lblProductName.Width(), frmSplash.lblProductName.Height());
}

// Cancel closes the window as its close box does; start-up goes on with an empty sounding.
void frmSplash_Command1_Click() {
    frmSplash.Unload();
}

void frmSplash_Command2_Click() {
    frmSplash.Unload();
    Splash_Choice choice;
    choice.new_sounding = true;
    open_or_hold(choice);
}

void frmSplash_Command3_Click() {
    frmSplash.Unload();
    open_or_hold({Recent_Files(1)});
}

void frmSplash_Command4_Click() {
    frmSplash.Unload();
    const std::int16_t plot_empty = Plot_Empty;
    Plot_Empty = 0;
    Curve_Valid = 0;
    SEV.Bilog.MousePointer(vbHourglass);
    CommonDialog &dlg = SEV.CmDialog1;
    dlg.CancelError = true;
    dlg.Flags = cdlOFNExplorer;
    dlg.Filter = "Ohmira 5 & 6 (*.QD3)|*.QD3|Ohmira 2.2 (*.ESW)|*.ESW|Ohmira 1.0 (*.QDE)|*.QDE|"
                 "Ulmar DOS (*.SEV)|*.SEV";
    dlg.DialogTitle = "OHMIRA File selection";
    dlg.FileName = "*.QD3";
    dlg.InitDir = dialog_folder();
    if (!dlg.ShowOpen()) {
        // Cancelled: nothing is opened and the pattern never becomes a recent file.
        Plot_Empty = plot_empty;
        SEV.Bilog.MousePointer(vbCrosshair);
        return;
    }
    SEV.Bilog.MousePointer(vbCrosshair);
    open_or_hold({dlg.FileName, true, plot_empty});
}

void frmSplash_Command5_Click() {
    frmSplash.Unload();
    Open_Help_Manual();
}

void Open_Splash_Choice() {
    if (!held_choice)
        return;
    const Splash_Choice choice = *held_choice;
    held_choice.reset();
    open_choice(choice);
}

void connect_splash_events() {
    frmSplash.Form_Load = frmSplash_Form_Load;
    frmSplash.Command1.Click = frmSplash_Command1_Click;
    frmSplash.Command2.Click = frmSplash_Command2_Click;
    frmSplash.Command3.Click = frmSplash_Command3_Click;
    frmSplash.Command4.Click = frmSplash_Command4_Click;
    frmSplash.Command5.Click = frmSplash_Command5_Click;
}

} // namespace ohmira
