#pragma once
// The controls of the sheet page ("Print" tab) acting on the sheet preview `VSPrint`: zoom and
// zoom mode, physical page, guides, fonts, page and printer set-up, printing with copies, the
// page scroll bar with its label, and the handlers of the preview's events.
#include <cstdint>
#include <string>

#include "platform/controls.h"
#include "platform/print_preview.h"

namespace ohmira {

// At most this many copies are printed at once.
inline constexpr int max_print_copies = 99;

void cmbPercent_Click();
void cmbZoomMode_Click();
void chkPhysicalPage_Click();
void chkShowGuides_Click();
void ListePolices_Click();
void ListePolices_Change();
// Enter in the font list, or the list left: ends a typed font name.
void ListePolices_KeyPress(int &KeyAscii);
void ListePolices_LostFocus();
void cmdPageSetup_Click();
void cmdPrinterSetup_Click();
void cmdPrint_Click();
void scrlpage_Change();

// Events of the sheet preview.
void Update_Page_Scroll();
void Follow_Preview_Page(std::int16_t Page);
void Toggle_Print_Bold(std::int32_t Row, std::int32_t Col, std::string &Text);
void Show_VSPrint_Error();
// The print failure box of a preview's error: its code, and for a job the print system turned
// away, a second line saying so.
void show_print_error(const VSPrinter &preview);

// The page label: "3 - 4 of 7", or "7 of 7" when one page is shown.
std::string page_label(int page, int pages_per_view, int page_count);

// Fills a font list from the screen's fonts when Use_Screen_Fonts, else from the printer's,
// after clearing it.
void fill_font_list(ComboBox &list);

// A font name typed into a font list of a preview. While it is typed, a name that is a listed
// family (whatever its case) becomes the preview's font at once and `rebuild` draws the document
// again in it. When typing ends (`font_typing_ended`: Enter, or the list left), a name that is
// no listed family is answered with the list's first family, which the list then shows and the
// preview takes.
void take_typed_font(ComboBox &list, VSPrinter &preview, void (*rebuild)());
void font_typing_ended(ComboBox &list, VSPrinter &preview, void (*rebuild)());

// Starts a new, empty sheet document.
void Restart_Sheet_Document();
// World coordinates to page twips of the sheet preview, by the conversion's scales (none are
// set by the program, so every point lands on the top-left margin corner).
inline double Convert_X_Scale = 0;
inline double Convert_Y_Offset = 0;
inline double Convert_Y_Scale = 0;
void Convert_XY(double &World_X, double &World_Y, double &Page_X, double &Page_Y);

} // namespace ohmira
