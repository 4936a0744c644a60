#include "app/main_frame.h"

#include "app/app_events.h"
#include "commands/commands_events.h"
#include "commands/editor_commands.h"
#include "commands/open_save.h"
#include "conversions/conversions_events.h"
#include "core/sounding.h"
#include "editor/editor_events.h"
#include "form/sev_form.h"
#include "platform/printer.h"
#include "plot/loglog_plot.h"
#include "plot/plot_readout.h"
#include "printing/printing_events.h"
#include "profiles/profiles_events.h"

#include <array>

namespace ohmira {

namespace {
struct ToolbarEntry {
    const char *key;
    int style;
    const char *tooltip;
    int width;
};

constexpr std::array<ToolbarEntry, 9> toolbar_entries{{
    {"", tbrSeparator, "", 0},
    {"open", tbrDefault, "Open File", 0},
    {"save", tbrDefault, "Save File", 0},
    {"bilog", tbrDefault, "New SEV", 0},
    {"Help", tbrDefault, "Help file", 0},
    {"Clip_Bd", tbrDefault, "Copy the screen to the Clipboard ", 0},
    {"stop", tbrDefault, "Exit Ohmira", 0},
    {"", tbrSeparator, "", 0},
    {"combo1", tbrPlaceholder, "", 1500},
}};
} // namespace

void Build_Toolbar() {
    SEV.Toolbar1.ImageList("ImageList1");
    SEV.Toolbar1.Buttons.Clear();
    for (const ToolbarEntry &e : toolbar_entries) {
        const bool has_image = e.style == tbrDefault;
        ToolbarButton *b = SEV.Toolbar1.Buttons.Add(e.key, e.style, has_image ? e.key : "");
        if (!b)
            continue;
        b->ToolTipText(e.tooltip);
        b->Description(e.tooltip);
        if (e.width > 0)
            b->Width(e.width);
    }
}

void Prepare_Main_Window() {
    Print_File_Folder = dialog_folder;
    Print_File_Name = [] {
        const std::string::size_type dot = File_Name.rfind('.');
        const std::string base = dot == 0 ? File_Name : File_Name.substr(0, dot);
        return base.empty() ? std::string() : base + ".pdf";
    };
    Build_Toolbar();
    connect_commands_events();
    connect_plot_events();
    connect_app_events();
    connect_editor_events();
    connect_editor_commands();
    connect_printing_events();
    connect_profiles_events();
    connect_conversions_events();
    SEV.SSTab1.Tab(0);
    Draw_Bilog_Frame();
}

} // namespace ohmira
