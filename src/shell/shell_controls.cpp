#include "shell/shell_controls.h"

#include <array>

namespace ohmira {

namespace {
// Design captions of the main window's tabs, by index.
constexpr std::array<const char *, 5> main_tab_captions{"Main", "Print", "Setup", "Profile data",
                                                        "Make SEV Profile"};
} // namespace

ShellControls::ShellControls(Form &form) : owner(form) {
    SSTab1.Tabs(static_cast<int>(main_tab_captions.size()));
    for (int i = 0; i < SSTab1.Tabs(); ++i)
        SSTab1.TabCaption(i, main_tab_captions[static_cast<size_t>(i)]);
    Toolbar1.ImageList("ImageList1");
}

} // namespace ohmira
