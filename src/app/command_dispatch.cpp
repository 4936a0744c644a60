#include "app/command_dispatch.h"
#include "commands/new_sounding.h"

#include "app/launched_programs.h"
#include "app/program_exit.h"
#include "commands/model_editor.h"
#include "commands/open_save.h"
#include "core/app_title.h"
#include "core/language.h"
#include "core/sounding.h"
#include "editor/data_entry.h"
#include "editor/model_grid.h"
#include "editor/window_sounding.h"
#include "form/file_caption.h"
#include "form/find_control.h"
#include "form/sev_form.h"
#include "platform/dialog_host.h"
#include "platform/runtime_error.h"
#include "platform/screen.h"
#include "platform/toolbar.h"
#include "printing/picture_export.h"
#include "printing/profile_page_controls.h"
#include "printing/sheet_preview.h"
#include "profiles/colour_scale.h"
#include "profiles/section_drawing.h"

#include <exception>
#include <string_view>

namespace ohmira {

namespace {

void new_sounding() {
    skipping_errors(Start_New_Sounding);
    skipping_errors([] { SEV.SSTab1.Tab(0); });
}

struct ToolbarCommand {
    std::string_view key;
    void (*run)();
};

const ToolbarCommand toolbar_commands[] = {
    {"open",
     [] {
         // Nothing opened (cancelled, refused): the window stays as it was, typing included.
         bool opened = false;
         skipping_errors([&] { opened = Read_QD3(); });
         if (!opened)
             return;
         skipping_errors(Set_Model_Editor_Captions);
         Show_File_Caption();
         SEV.Grid1.SetFocus();
     }},
    {"save", NRecord_Click},
    {"bilog", new_sounding},
    {"Help", Open_Help_Manual},
    {"Clip_Bd", Copy_Plot_To_Clipboard},
    {"stop", [] { Quit_Program(Quit_Answer); }},
};

void make_default(const char *button) {
    if (auto *b = sev_control<CommandButton>(button))
        b->Default(true);
}

void select_list_entry(const char *list, int index) {
    if (auto *l = sev_control<ListControl>(list))
        l->ListIndex(index);
}

} // namespace

void Toolbar1_ButtonClick(ToolbarButton &Button) {
    for (const ToolbarCommand &c : toolbar_commands)
        if (c.key == Button.Key()) {
            skipping_errors(c.run);
            return;
        }
}

void SSTab1_Click(int PreviousTab) {
    SSTab &tabs = SEV.SSTab1;
    const std::string caption = tabs.TabCaption(tabs.Tab());
    if (caption == "Main") {
        // The page is built again from the sounding, with what was typed taken into it first.
        skipping_errors(Rebuild_Main_Page);
        SEV.BuildGrid.SetFocus();
        make_default("Computation");
    } else if (PreviousTab == 0) {
        // The other pages (the sheet first) show what the main page shows.
        skipping_errors([] { Take_Window_Sounding(Window_Take::Rebuild); });
    }
    if (caption == "Print")
        skipping_errors(display_print);
    // The options' OK button sits on the "Setup" tab: Enter there presses it.
    if (tabs.Tab() == 2) {
        SEV.Command11.SetFocus();
        SEV.Command11.Default(true);
    }
    if (caption == "Profile data") {
        select_list_entry("cmbPercent2", 3);
        select_list_entry("cmbZoomMode2", 0);
    }
    if (caption != "Make SEV Profile")
        SEV.VSPrint1.Visible(false);
    if (caption == "Make SEV Profile") {
        // The section page's zoom, font list and margins are set up when it is first shown.
        if (SEV.ListePolices2.ListCount() == 0)
            skipping_errors(Display_profil);
        FlexGrid &grid = SEV.SEV_Grid;
        std::string first;
        if (grid.Rows() > 1 && grid.Cols() > 1) {
            grid.Row(1);
            grid.Col(1);
            first = grid.Text();
        }
        if (first.empty()) {
            MsgBox("First, you must load SEV files", vbCritical, Prog_Title);
            return;
        }
        VSPrinter &preview = SEV.VSPrint1;
        preview.Visible(true);
        preview.Move(2300, tabs.Top() + 100, tabs.Width() - 2500, tabs.Height() - 1000);
        skipping_errors(affiche_resistivity);
        skipping_errors(Trace_Profil);
    }
}

void Show_Print_Tab() {
    SEV.SSTab1.Tab(1);
}

void Show_Setup_Tab() {
    SEV.SSTab1.Tab(2);
}

void Show_Profile_Data_Tab() {
    SEV.SSTab1.Tab(3);
}

void Calcul_QD3() {
    Screen.MousePointer(vbHourglass);
    if (File_Name.empty()) {
        MsgBox(by_language("Vous devez d'abord sélectionner un fichier ou entrer des données "
                           "terrains",
                           "Primero, seleccione un fichero", "First select a file"),
               vbExclamation, Prog_Title);
    } else {
        Draw_Mode = "NORMAL";
        SEV.SSTab1.Tab(1);
    }
    Screen.MousePointer(vbDefault);
}

} // namespace ohmira
