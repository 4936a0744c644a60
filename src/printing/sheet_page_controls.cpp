#include "printing/sheet_page_controls.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "core/app_title.h"
#include "core/language.h"
#include "core/sounding.h"
#include "form/sev_form.h"
#include "platform/dialog_host.h"
#include "platform/number_text.h"
#include "platform/printer.h"
#include "platform/runtime_error.h"
#include "platform/screen.h"
#include "platform/text_metrics.h"
#include "printing/sheet_builder.h"
#include "printing/sheet_preview.h"

namespace ohmira {

namespace {

// The leading number of a copies text; nothing when the text does not start with one.
std::optional<double> copies_number(const std::string &text) {
    const auto first = std::find_if(text.begin(), text.end(),
                                    [](unsigned char c) { return c != ' ' && c != '\t'; });
    if (first == text.end() || std::string_view("+-.0123456789").find(*first) == std::string::npos)
        return std::nullopt;
    try {
        return Val(text);
    } catch (const RuntimeError &) {
        return static_cast<double>(max_print_copies); // a number too large for any type
    }
}

} // namespace

void cmbPercent_Click() {
    if (SEV.cmbPercent.ListIndex() < 0)
        return;
    // A zoom in per cent shows the pages in per-cent mode.
    SEV.VSPrint.ZoomMode(zmPercentage);
    SEV.VSPrint.Zoom(static_cast<int>(Val(SEV.cmbPercent.List(SEV.cmbPercent.ListIndex()))));
}

void cmbZoomMode_Click() {
    const int mode = SEV.cmbZoomMode.ListIndex();
    if (mode == zmPercentage) {
        cmbPercent_Click();
        SEV.cmbPercent.Enabled(true);
    } else {
        SEV.cmbPercent.Enabled(false);
        SEV.VSPrint.ZoomMode(mode);
    }
    // The pages shown at once may have changed: the page label follows.
    Update_Page_Scroll();
}

void chkPhysicalPage_Click() {
    SEV.VSPrint.PhysicalPage(!SEV.VSPrint.PhysicalPage());
}

void chkShowGuides_Click() {
    SEV.VSPrint.ShowGuides(SEV.chkShowGuides.Value() != 0 ? 1 : 0);
}

void fill_font_list(ComboBox &list) {
    list.Clear();
    const int count = Use_Screen_Fonts ? Screen.FontCount() : Printer.FontCount();
    for (int i = 0; i < count; ++i)
        list.AddItem(Use_Screen_Fonts ? Screen.Fonts(i) : Printer.Fonts(i));
}

void ListePolices_Click() {
    const int k = SEV.ListePolices.ListIndex();
    if (k < 0)
        return;
    SEV.VSPrint.FontName(Use_Screen_Fonts ? Screen.Fonts(k) : Printer.Fonts(k));
    Rebuild_Sheet();
}

void ListePolices_Change() {
    take_typed_font(SEV.ListePolices, SEV.VSPrint, Rebuild_Sheet);
}

void ListePolices_KeyPress(int &KeyAscii) {
    if (KeyAscii != vbKeyReturn)
        return;
    KeyAscii = 0;
    font_typing_ended(SEV.ListePolices, SEV.VSPrint, Rebuild_Sheet);
}

void ListePolices_LostFocus() {
    font_typing_ended(SEV.ListePolices, SEV.VSPrint, Rebuild_Sheet);
}

namespace {

std::string lower_case(std::string t) {
    std::transform(t.begin(), t.end(), t.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return t;
}

// The listed family that `name` names, whatever its case, or the entry that stands for it (a
// Liberation font typed under its own name, listed under the font it stands for); "" when it
// names none.
std::string listed_family(const ComboBox &list, const std::string &name) {
    const std::string wanted = lower_case(std::string(listed_font_name(name)));
    for (const std::string &family : list.items())
        if (!family.empty() && lower_case(std::string(listed_font_name(family))) == wanted)
            return family;
    return {};
}

void use_font(VSPrinter &preview, const std::string &family, void (*rebuild)()) {
    if (preview.FontName() == family)
        return;
    preview.FontName(family);
    if (rebuild)
        rebuild();
}

} // namespace

void take_typed_font(ComboBox &list, VSPrinter &preview, void (*rebuild)()) {
    const std::string family = listed_family(list, list.Text());
    if (!family.empty())
        use_font(preview, family, rebuild);
}

void font_typing_ended(ComboBox &list, VSPrinter &preview, void (*rebuild)()) {
    std::string family = listed_family(list, list.Text());
    // The list shows the font in use: nothing was typed, or a family was taken while typed.
    const bool in_use = lower_case(list.Text()) == lower_case(preview.FontName());
    if (family.empty())
        family = in_use || list.ListCount() == 0 ? preview.FontName() : list.List(0);
    use_font(preview, family, rebuild);
    // The list shows the family taken, spelt as listed.
    if (list.Text() != family)
        list.Text(family);
}

void cmdPageSetup_Click() {
    SEV.VSPrint.PrintDialog(1);
    Rebuild_Sheet();
}

void cmdPrinterSetup_Click() {
    const double width = SEV.VSPrint.PageWidth(), height = SEV.VSPrint.PageHeight();
    SEV.VSPrint.PrintDialog(0);
    if (SEV.VSPrint.PageWidth() != width || SEV.VSPrint.PageHeight() != height)
        Rebuild_Sheet();
}

void cmdPrint_Click() {
    const std::optional<double> typed = copies_number(SEV.Text23.Text());
    if (!typed) {
        MsgBox("Enter the number of copies (1 to 99)", vbExclamation, Prog_Title);
        return;
    }
    const double whole = Int(*typed);
    int n = whole > max_print_copies ? max_print_copies : whole < 0 ? 0 : static_cast<int>(whole);
    if (n > 1 && MsgBox("Do you really want to print " + Str(n) + " copies ?", vbYesNo | vbQuestion,
                        Prog_Title) != vbYes)
        n = 1;
    // One job carries every copy, so that a PDF printer writes one file and a cancel or a
    // failure is met once.
    if (n < 1 || SEV.VSPrint.PageCount() <= 0)
        return;
    SEV.VSPrint.DocName(File_Name);
    const int last = SEV.First_page.Value() != vbUnchecked ? 1 : SEV.VSPrint.PageCount();
    SEV.VSPrint.PrintDoc(1, last, n);
}

std::string page_label(int page, int pages_per_view, int page_count) {
    int last = pages_per_view + page - 1;
    if (last > page_count)
        last = page_count;
    if (last < page)
        last = page;
    if (last > page)
        return std::to_string(page) + " - " + std::to_string(last) + " of " +
               std::to_string(page_count);
    return std::to_string(page) + " of " + std::to_string(page_count);
}

void scrlpage_Change() {
    const int v = SEV.VSPrint.PreviewPages();
    SEV.scrlpage.SmallChange(v);
    SEV.scrlpage.LargeChange(v);
    SEV.VSPrint.PreviewPage(SEV.scrlpage.Value());
    SEV.lblpage.Caption(page_label(SEV.VSPrint.PreviewPage(), v, SEV.VSPrint.PageCount()));
}

void Update_Page_Scroll() {
    SEV.scrlpage.Max(std::max(1, SEV.VSPrint.PageCount()));
    SEV.scrlpage.Value(std::max(1, SEV.VSPrint.PreviewPage()));
    scrlpage_Change();
}

void Follow_Preview_Page(std::int16_t Page) {
    if (Page > 0)
        SEV.scrlpage.Value(Page);
}

void Toggle_Print_Bold(std::int32_t Row, std::int32_t, std::string &) {
    // Header rows (row 0) bold, body rows regular.
    if (Row > 0 && SEV.VSPrint.FontBold())
        SEV.VSPrint.FontBold(false);
    else if (Row <= 0 && !SEV.VSPrint.FontBold())
        SEV.VSPrint.FontBold(true);
}

void Show_VSPrint_Error() {
    show_print_error(SEV.VSPrint);
}

void show_print_error(const VSPrinter &preview) {
    std::string text = "The VSPrinter control raised the Error event with the " +
                       std::to_string(preview.LastError()) + " code.";
    if (preview.LastError() == vspPrintFailed && preview.last_print_refused())
        text += std::string("\r\n") + by_language("La file d'impression a refusé le travail.",
                                                  "La cola de impresión rechazó el trabajo.",
                                                  "The print queue refused the job.");
    MsgBox(text, vbOKOnly);
}

void Restart_Sheet_Document() {
    SEV.VSPrint.StartDoc();
    SEV.VSPrint.EndDoc();
}

void Convert_XY(double &World_X, double &World_Y, double &Page_X, double &Page_Y) {
    Page_X = SEV.VSPrint.MarginLeft() + World_X * Convert_X_Scale;
    Page_Y = SEV.VSPrint.MarginTop() + Convert_Y_Offset - World_Y * Convert_Y_Scale;
}

} // namespace ohmira
