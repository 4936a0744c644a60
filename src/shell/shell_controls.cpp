#include "shell/shell_controls.h"

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

ShellControls::ShellControls(Form &form) : owner(form) {
    SSTab1.Tabs(static_cast<int>(main_tab_captions.size()));
    for (int i = 0; i < SSTab1.Tabs(); ++i)
        SSTab1.TabCaption(i, main_tab_captions[static_cast<size_t>(i)]);
    Toolbar1.ImageList("ImageList1");
    for (const char *key : toolbar_image_keys)
        ImageList1.Add(key, std::string("icon_") + key + ".xpm");

    // The compute menu is designed hidden and disabled, and nothing shows it.
    for (MenuItem *m : {&NCalcul, &N1Calcul}) {
        m->Visible(false);
        m->Enabled(false);
    }
}

} // namespace ohmira
