#include "form/app_controls.h"

#include <array>

namespace ohmira {

namespace {
// Design captions of the main window's tabs, by index.
constexpr std::array<const char *, 5> main_tab_captions{"Main", "Print", "Setup", "Profile data",
                                                        "Make SEV Profile"};

// Keys of the toolbar's pictures; each picture is a file beside the program.
constexpr std::array<const char *, 10> toolbar_image_keys{
    "open", "bilog", "save", "SEV", "computation", "print", "Help", "Clip_Bd", "zoom", "stop"};
} // namespace

AppControls::AppControls(Form &form) : owner(form) {
    SSTab1.Tabs(static_cast<int>(main_tab_captions.size()));
    for (int i = 0; i < SSTab1.Tabs(); ++i)
        SSTab1.TabCaption(i, main_tab_captions[static_cast<size_t>(i)]);
    Toolbar1.ImageList("ImageList1");
    for (const char *key : toolbar_image_keys)
        ImageList1.Add(key, std::string("icon_") + key + ".xpm");

    setup_tab_design();

    // The compute menu is designed hidden and disabled, and nothing shows it.
    for (MenuItem *m : {&NCalcul, &N1Calcul}) {
        m->Visible(false);
        m->Enabled(false);
    }
}

void AppControls::setup_tab_design() {
    Frame3.Caption("Type of sounding");
    Frame4.Caption("Bilog range");
    Label22.Caption("min");
    Label7.Caption("max");
    Label6.Caption("Rho app.             min");
    Label4.Caption("max");
    Frame11.Caption("Options");
    Label5.Caption("Décimales modèle");
    RMSB.Caption("RMS");
    représent_modèle.Caption("Représentation graphique du modèle");
    garder_config.Caption("Garder la configuration en sortant");
    Combo6.Text("English");
    Combo6.ToolTipText("Select here your langage for plot only");
    for (ComboBox *c : {&Combo1, &Combo2, &Combo3, &Combo4, &Combo5})
        c->Style(2);
    Frame6.Caption("Bilog Colors");
    Command12.Caption("Curve color");
    Command4.Caption("Points color");
    Command5.Caption("Grid color");
    Command6.Caption("Model color");
    Command7.Caption("Error color");
    Command8.Caption("Superposed curve");
    Text16.Locked(true);
    Command11.Caption("OK");
}

} // namespace ohmira
