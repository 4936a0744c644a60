#pragma once
// Controls of the main window that belong to printing: the sheet preview with its frame of page
// controls on the "Print" tab, and the page controls of the section preview on the "Make SEV
// Profile" tab. One control per line: type, name, container, design position and size (twips).
// Captions, items and tool tips are set in printing_controls.cpp.
#include "platform/controls.h"
#include "platform/form.h"
#include "platform/print_preview.h"

namespace ohmira {

struct PrintingControls {
    explicit PrintingControls(Form &form);
    Form &owner;

    // The sheet preview.
    VSPrinter VSPrint{owner, "VSPrint", In{"SSTab1", 1}, 2300, 500, 12400, 8812};

    // Sheet page controls.
    Frame Frame13{owner, "Frame13", In{"SSTab1", 1}, 30, 500, 1950, 8812};
    ComboBox cmbPercent{owner, "cmbPercent", In{"Frame13"}, 120, 300, 1640, 315};   // zoom %
    ComboBox cmbZoomMode{owner, "cmbZoomMode", In{"Frame13"}, 120, 720, 1640, 315}; // fit mode
    CheckBox chkPhysicalPage{owner, "chkPhysicalPage", In{"Frame13"}, 120, 1140, 1640, 285};
    CheckBox chkShowGuides{owner, "chkShowGuides", In{"Frame13"}, 120, 1460, 1640, 285};
    ComboBox ListePolices{owner, "ListePolices", In{"Frame13"}, 120, 1860, 1640, 315}; // font
    CommandButton cmdPageSetup{owner, "cmdPageSetup", In{"Frame13"}, 120, 2320, 1640, 375};
    CommandButton cmdPrinterSetup{owner, "cmdPrinterSetup", In{"Frame13"}, 120, 2780, 1640, 375};
    Label Label10{owner, "Label10", In{"Frame13"}, 120, 3300, 900, 255};  // "Nb copies"
    TextBox Text23{owner, "Text23", In{"Frame13"}, 1080, 3260, 680, 300}; // number of copies
    CheckBox First_page{owner, "First_page", In{"Frame13"}, 60, 3660, 1870, 285};
    CommandButton cmdPrint{owner, "cmdPrint", In{"Frame13"}, 120, 4040, 1640, 375};
    CommandButton Command21{owner, "Command21", In{"Frame13"}, 120, 4600, 1640, 375}; // copy page
    CommandButton Record_WMF{owner, "Record_WMF", In{"Frame13"}, 120, 5060, 1640, 375};
    CommandButton Command24{owner, "Command24", In{"Frame13"}, 120, 5520, 1640, 375}; // graphics
    ScrollBar scrlpage{owner, "scrlpage", In{"Frame13"}, 120, 6100, 1640, 255};       // shown page
    Label lblpage{owner, "lblpage", In{"Frame13"}, 120, 6420, 1640, 255};             // "3 of 7"

    // Section page controls (the section preview VSPrint1 belongs to profiles).
    Frame Frame12{owner, "Frame12", In{"SSTab1", 4}, 60, 500, 2180, 8812};
    ComboBox cmbPercent2{owner, "cmbPercent2", In{"Frame12"}, 120, 300, 1940, 315};
    ComboBox cmbZoomMode2{owner, "cmbZoomMode2", In{"Frame12"}, 120, 720, 1940, 315};
    ComboBox ListePolices2{owner, "ListePolices2", In{"Frame12"}, 120, 1140, 1940, 315};
    CommandButton cmdPageSetup2{owner, "cmdPageSetup2", In{"Frame12"}, 120, 1600, 1940, 375};
    CommandButton cmdPrinterSetup2{owner, "cmdPrinterSetup2", In{"Frame12"}, 120, 2060, 1940, 375};
    CommandButton Command14{owner, "Command14", In{"Frame12"}, 120, 2520, 1940, 375}; // print
    CommandButton Command15{owner, "Command15", In{"Frame12"}, 120, 3080, 1940, 375}; // copy page
    CommandButton Command16{owner, "Command16", In{"Frame12"}, 120, 3540, 1940, 375}; // WMF file
    CommandButton Command17{owner, "Command17", In{"Frame12"}, 120, 4000, 1940, 375}; // graphics
    // Paper size of the section page, on the "Profile data" page.
    Label Label18{owner, "Label18", In{"SSTab1", 3}, 240, 6400, 4800, 260};
};

} // namespace ohmira
