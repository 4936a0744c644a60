#pragma once
// The controls of the section page ("Make SEV Profile" tab) acting on the section preview
// `VSPrint1`: zoom and zoom mode, the font, page and printer set-up with the paper-size label,
// printing.
#include <string>

namespace ohmira {

// Zoom lists, font list and margins of the profile page; nothing is drawn.
void Display_profil();
void cmbPercent2_Click();
void cmbZoomMode2_Click();
// The section's font: chosen in the list, or typed into it as on the sheet page; the section is
// drawn again in it.
void ListePolices2_Click();
void ListePolices2_Change();
void ListePolices2_KeyPress(int &KeyAscii);
void ListePolices2_LostFocus();
void cmdPageSetup2_Click();
void cmdPrinterSetup2_Click();
void Command14_Click();

// "Paper size=  297 /  210": height then width of the page in whole millimetres.
std::string paper_size_label(double width_twips, double height_twips);

} // namespace ohmira
