#pragma once
// The two hubs of the main window besides the menus: the toolbar, by the pressed button's key,
// and the tab strip, by the caption of the tab just selected.

namespace ohmira {

class ToolbarButton;

void Toolbar1_ButtonClick(ToolbarButton &Button);
void SSTab1_Click(int PreviousTab);

// Select the "Print", "Setup" and "Profile data" tabs.
void Show_Print_Tab();
void Show_Setup_Tab();
void Show_Profile_Data_Tab();
// Builds the sheet of the current sounding on the "Print" tab, or asks for a file first.
void Calcul_QD3();

} // namespace ohmira
