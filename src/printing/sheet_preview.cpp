#include "printing/sheet_preview.h"
#include "form/applied_array.h"

#include "form/settings_values.h"
#include "form/sev_form.h"
#include "platform/printer.h"
#include "printing/report_labels.h"
#include "printing/sheet_builder.h"
#include "printing/sheet_page_controls.h"

namespace ohmira {

namespace {
constexpr int preview_left = 2000;
constexpr int zoom_100_percent = 3;
} // namespace

void display_print() {
    VSPrinter &P = SEV.VSPrint;
    P.Redraw(false);
    // Their click handlers apply the zoom.
    SEV.cmbPercent.ListIndex(zoom_100_percent);
    SEV.cmbZoomMode.ListIndex(zmPercentage);
    P.Left(preview_left);
    if (Printer.FontCount() == 0)
        Use_Screen_Fonts = true;
    fill_font_list(SEV.ListePolices);
    const std::int16_t title = Schlumberger_Applied() ? label_title_schlumberger
                               : Wenner_Applied()     ? label_title_wenner
                                                      : label_title_dipole;
    Get_Report_Label(title, Sheet_Title);
    P.MarginLeft(Left_Margin);
    P.MarginRight(Right_Margin);
    P.MarginTop(Upper_Margin);
    P.MarginBottom(Bottom_Margin);
    Rebuild_Sheet();
    P.Redraw(true);
}

} // namespace ohmira
