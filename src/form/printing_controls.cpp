#include "form/printing_controls.h"

#include <array>

namespace ohmira {

namespace {

constexpr std::array<const char *, 7> zoom_items{"25%",  "50%",  "75%", "100%",
                                                 "150%", "200%", "400%"};
constexpr std::array<const char *, 6> zoom_mode_items{"Percentage", "Thumbnail", "TwoPages",
                                                      "WholePage",  "PageWidth", "Stretch"};

void zoom_lists(ComboBox &percent, ComboBox &mode) {
    percent.Style(2);
    mode.Style(2);
    for (const char *item : zoom_items)
        percent.AddItem(item);
    for (const char *item : zoom_mode_items)
        mode.AddItem(item);
    percent.ToolTipText("Zoom");
    mode.ToolTipText("Secect presentation mode");
}

void button(CommandButton &b, const char *caption, const char *tip) {
    b.Caption(caption);
    b.ToolTipText(tip);
}

constexpr const char *copy_tip = "Click here to copy your plot in the clipboard";
constexpr const char *wmf_tip = "Save the displayed plot to Windows metafile";
constexpr const char *program_tip = "Click here to launch the selected graphical program";

} // namespace

PrintingControls::PrintingControls(Form &form) : owner(form) {
    zoom_lists(cmbPercent, cmbZoomMode);
    chkPhysicalPage.Caption("Ph&ysical Page");
    chkShowGuides.Caption("&Show Guides");
    First_page.Caption("Print &first page only");
    // The longest caption of the frame, in a smaller face so that it fits beside the preview.
    First_page.FontSize(7.5);
    ListePolices.Text("Arial");
    ListePolices.ToolTipText("Select font");
    button(cmdPrint, "&Print  ", "Start paper printing");
    Label10.Caption("Nb copies");
    Text23.Text("1");
    Text23.ToolTipText("Enter number of copies");
    button(cmdPrinterSetup, "P&rinter Setup", "Change the printer or paper orientation");
    button(cmdPageSetup, "P&age Setup", "Page parameters setup");
    button(Command21, "Copy to &clipboard", copy_tip);
    button(Record_WMF, "Save as &WMF", wmf_tip);
    button(Command24, "&Graphics program", program_tip);
    scrlpage.Min(1);
    scrlpage.Max(1);
    scrlpage.Value(1);
    lblpage.Caption("Page count");

    zoom_lists(cmbPercent2, cmbZoomMode2);
    ListePolices2.Text("Arial");
    ListePolices2.ToolTipText("Select font");
    button(cmdPageSetup2, "P&age Setup", "Page parameters setup");
    button(cmdPrinterSetup2, "P&rinter Setup", "Change the printer or paper orientation");
    button(Command14, "&Print  ", "Start paper printing");
    button(Command15, "Copy to &clipboard", copy_tip);
    button(Command16, "Save as &WMF", wmf_tip);
    button(Command17, "&Graphics program", program_tip);
}

} // namespace ohmira
