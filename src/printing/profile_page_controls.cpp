#include "printing/profile_page_controls.h"

#include "form/settings_values.h"
#include "form/sev_form.h"
#include "platform/dialog_host.h"
#include "platform/number_text.h"
#include "platform/print_preview.h"
#include "platform/printer.h"
#include "plot/sheet_geometry.h"
#include "printing/sheet_page_controls.h"
#include "printing/sheet_preview.h"
#include "profiles/section_drawing.h"

#include <functional>
#include <string>

namespace ohmira {

namespace {

void show_paper_size() {
    SEV.Label18.Caption(paper_size_label(SEV.VSPrint1.PageWidth(), SEV.VSPrint1.PageHeight()));
}

// The section's own name: its first and last soundings along the line, without their extensions
// ("S1-S5"); empty without soundings.
std::string section_name() {
    const FlexGrid &grid = SEV.SEV_Grid;
    if (grid.Rows() < 2 || grid.Cols() < 2)
        return {};
    const auto stem = [&](int row) {
        const std::string &name = grid.TextMatrix(row, 1);
        const std::string::size_type dot = name.rfind('.');
        return dot == std::string::npos || dot == 0 ? name : name.substr(0, dot);
    };
    const std::string first = stem(1), last = stem(grid.Rows() - 1);
    return first.empty() || last.empty() ? first + last : first + "-" + last;
}

} // namespace

std::string paper_size_label(double width_twips, double height_twips) {
    return "Paper size= " + Str(round_half_even(height_twips / twips_per_mm)) + " / " +
           Str(round_half_even(width_twips / twips_per_mm));
}

void Display_profil() {
    SEV.cmbPercent2.ListIndex(3);
    SEV.cmbZoomMode2.ListIndex(0);
    if (Printer.FontCount() == 0)
        Use_Screen_Fonts = true;
    fill_font_list(SEV.ListePolices2);
    VSPrinter &vp = SEV.VSPrint1;
    vp.MarginLeft(Left_Margin);
    vp.MarginRight(Right_Margin);
    vp.MarginTop(Upper_Margin);
    vp.MarginBottom(Bottom_Margin);
}

void cmbPercent2_Click() {
    if (SEV.cmbPercent2.ListIndex() < 0)
        return;
    // A zoom in per cent shows the pages in per-cent mode.
    SEV.VSPrint1.ZoomMode(zmPercentage);
    SEV.VSPrint1.Zoom(static_cast<int>(Val(SEV.cmbPercent2.List(SEV.cmbPercent2.ListIndex()))));
}

void cmbZoomMode2_Click() {
    const int mode = SEV.cmbZoomMode2.ListIndex();
    if (mode == zmPercentage) {
        cmbPercent2_Click();
        SEV.cmbPercent2.Enabled(true);
    } else {
        SEV.cmbPercent2.Enabled(false);
        SEV.VSPrint1.ZoomMode(mode);
    }
}

void ListePolices2_Click() {
    const int k = SEV.ListePolices2.ListIndex();
    if (k < 0)
        return;
    SEV.VSPrint1.FontName(SEV.ListePolices2.List(k));
    Trace_Profil();
}

void ListePolices2_Change() {
    take_typed_font(SEV.ListePolices2, SEV.VSPrint1, Trace_Profil);
}

void ListePolices2_KeyPress(int &KeyAscii) {
    if (KeyAscii != vbKeyReturn)
        return;
    KeyAscii = 0;
    font_typing_ended(SEV.ListePolices2, SEV.VSPrint1, Trace_Profil);
}

void ListePolices2_LostFocus() {
    font_typing_ended(SEV.ListePolices2, SEV.VSPrint1, Trace_Profil);
}

void cmdPageSetup2_Click() {
    SEV.VSPrint1.PrintDialog(1);
    show_paper_size();
    Trace_Profil();
}

void cmdPrinterSetup2_Click() {
    SEV.VSPrint1.PrintDialog(0);
    show_paper_size();
    Trace_Profil();
}

void Command14_Click() {
    if (SEV.VSPrint1.PageCount() <= 0)
        return;
    // Named for itself, so that a PDF of it never takes the name of the current sounding's sheet.
    const std::string name = section_name();
    SEV.VSPrint1.DocName(name);
    SEV.VSPrint1.print_file_name((name.empty() ? "Ohmira" : name) + ".pdf");
    // The section page has no error box of its own: a job that failed or that the print system
    // refused is told with the sheet page's box, so that it is not taken for printed.
    bool failed = false;
    const std::function<void()> kept = SEV.VSPrint1.Error;
    SEV.VSPrint1.Error = [&failed] { failed = SEV.VSPrint1.LastError() == vspPrintFailed; };
    SEV.VSPrint1.PrintDoc();
    SEV.VSPrint1.Error = kept;
    if (failed)
        show_print_error(SEV.VSPrint1);
}

} // namespace ohmira
