#pragma once
// Controls of the main window that belong to the program around the pages: tab strip, toolbar,
// menus, language list. One control per line: type, name, container, design position and size
// (twips).
#include "platform/common_dialog.h"
#include "platform/controls.h"
#include "platform/form.h"
#include "platform/image_list.h"
#include "platform/menu.h"
#include "platform/picture_box.h"
#include "platform/tab_strip.h"
#include "platform/toolbar.h"

namespace ohmira {

struct AppControls {
    explicit AppControls(Form &form);
    Form &owner;
    void setup_tab_design();

    Toolbar Toolbar1{owner, "Toolbar1", 0, 0, 6000, 420}; // up to the status box Text1
    ImageList ImageList1{owner, "ImageList1"};
    SSTab SSTab1{owner, "SSTab1", 0, 420, 14900, 9612};

    // Menu bar, in design order: name, parent menu ("" = menu bar), caption, shortcut.
    MenuItem Nfiche{owner, "Nfiche", "", "&File/Fichiers"};
    MenuItem NewFile{owner, "NewFile", "Nfiche", "&New File/Nouveau fichier", "Ctrl+N"};
    MenuItem NFile{owner, "NFile", "Nfiche", "Read/&Lecture ", "Ctrl+L"};
    MenuItem NRecord{owner, "NRecord", "Nfiche", "&Save/EnRegistre ", "Ctrl+S"};
    MenuItem HORSLICE{owner, "HORSLICE", "Nfiche", "Extraction for SURFER"};
    MenuItem xlsave{owner, "xlsave", "Nfiche", "Save for &XL", "Ctrl+X"};
    MenuItem Nconvert{owner, "Nconvert", "Nfiche", "&Conversions"};
    MenuItem Sheet{owner, "Sheet", "Nconvert", "&Multiple soundings sheet"};
    MenuItem RES2DINV{owner, "RES2DINV", "Nconvert", "&RES2DINV"};
    MenuItem SAS1000{owner, "SAS1000", "Nconvert", "SAS&1000 to QD3"};
    MenuItem NAbem{owner, "NAbem", "Nconvert", "&ABEM  to QD3"};
    MenuItem Syscal{owner, "Syscal", "Nconvert", "&Syscal to QD3"};
    MenuItem Geotrade{owner, "Geotrade", "Nconvert", "&Geotrade to QD3"};
    MenuItem PASI{owner, "PASI", "Nconvert", "&PASI to QD3"};
    MenuItem astier{owner, "astier", "Nconvert", "Astier to QD3"};
    MenuItem OYO{owner, "OYO", "Nconvert", "&OYO to QD3"};
    MenuItem Bak_M{owner, "Bak_M", "Nconvert", "&BAK to QD3"};
    MenuItem sperae1{owner, "sperae1", "Nfiche", "-"};
    MenuItem F1_F{owner, "F1_F", "Nfiche", "File &1"};
    MenuItem F2_F{owner, "F2_F", "Nfiche", "File &2"};
    MenuItem F3_F{owner, "F3_F", "Nfiche", "File &3"};
    MenuItem F4_F{owner, "F4_F", "Nfiche", "File &4"};
    MenuItem F5_F{owner, "F5_F", "Nfiche", "File &5"};
    MenuItem separe2{owner, "separe2", "Nfiche", "-"};
    MenuItem E_M{owner, "E_M", "Nfiche", "&EXIT"};
    MenuItem NData{owner, "NData", "", "&Model"};
    MenuItem NModele{owner, "NModele", "NData", "&Model + Calcul", "Ctrl+M"};
    MenuItem NCalcul{owner, "NCalcul", "", "&Calcul"};
    MenuItem N1Calcul{owner, "N1Calcul", "NCalcul", "Calcul", "Ctrl+K"};
    MenuItem NAjust{owner, "NAjust", "NCalcul", "Curve fitting/&Ajustage", "Ctrl+A"};
    MenuItem NHelp{owner, "NHelp", "", "&SEV Info"};
    MenuItem Nutil{owner, "Nutil", "", "&Utility"};
    MenuItem NCalculator{owner, "NCalculator", "Nutil", "Calc&ulator", "Ctrl+U"};
    MenuItem CopyClipBoard{owner, "CopyClipBoard", "Nutil", "Copy to &clipBoard", "Ctrl+C"};
    MenuItem NAuteur{owner, "NAuteur", "", "&Help and info"};
    MenuItem WS{owner, "WS", "NAuteur", "About Ohmira"};
    MenuItem contact{owner, "contact", "NAuteur", "Contact Brenkal"};
    MenuItem Help_US{owner, "Help_US", "NAuteur", "Ohmira Help"};
    MenuItem video{owner, "video", "NAuteur", "Video"};

    CommonDialog CmDialog1; // every open, save and colour dialog of the main window

    // Setup tab (tab 2 of SSTab1): plot window, drawing options, language, plot colours, OK.
    // The array-type option buttons Option1..Option3 and the spacing label Label8 of the plot
    // window belong to the editor; Frame3 frames the options, Frame4 holds the label.
    Frame Frame3{owner, "Frame3", In{"SSTab1", 2}, 120, 360, 2760, 1260};
    Frame Frame4{owner, "Frame4", In{"SSTab1", 2}, 3000, 360, 5520, 1500};
    Label Label22{owner, "Label22", In{"Frame4"}, 1680, 420, 480, 285};
    ComboBox Combo1{owner, "Combo1", In{"Frame4"}, 2160, 360, 1320, 315};
    Label Label7{owner, "Label7", In{"Frame4"}, 3600, 420, 480, 285};
    ComboBox Combo2{owner, "Combo2", In{"Frame4"}, 4080, 360, 1320, 315};
    Label Label6{owner, "Label6", In{"Frame4"}, 120, 1020, 2040, 285};
    ComboBox Combo3{owner, "Combo3", In{"Frame4"}, 2160, 960, 1320, 315};
    Label Label4{owner, "Label4", In{"Frame4"}, 3600, 1020, 480, 285};
    ComboBox Combo4{owner, "Combo4", In{"Frame4"}, 4080, 960, 1320, 315};
    Frame Frame11{owner, "Frame11", In{"SSTab1", 2}, 120, 1980, 8400, 2460};
    ComboBox Combo6{owner, "Combo6", In{"Frame11"}, 120, 360, 2160, 315}; // language
    Label Label5{owner, "Label5", In{"Frame11"}, 120, 900, 2400, 285};
    ComboBox Combo5{owner, "Combo5", In{"Frame11"}, 2640, 840, 1320, 315}; // thickness decimals
    CheckBox RMSB{owner, "RMSB", In{"Frame11"}, 120, 1320, 7200, 285};
    CheckBox représent_modèle{owner, "représent_modèle", In{"Frame11"}, 120, 1680, 7200, 285};
    CheckBox garder_config{owner, "garder_config", In{"Frame11"}, 120, 2040, 7200, 285};
    // Plot colours: each button opens the colour dialog, the box beside it shows the colour.
    Frame Frame6{owner, "Frame6", In{"SSTab1", 2}, 8640, 360, 4080, 3000};
    CommandButton Command12{owner, "Command12", In{"Frame6"}, 120, 360, 2400, 360};
    PictureBox Picture1{owner, "Picture1", In{"Frame6"}, 2760, 360, 1080, 360};
    CommandButton Command4{owner, "Command4", In{"Frame6"}, 120, 780, 2400, 360};
    PictureBox Picture2{owner, "Picture2", In{"Frame6"}, 2760, 780, 1080, 360};
    CommandButton Command5{owner, "Command5", In{"Frame6"}, 120, 1200, 2400, 360};
    PictureBox Picture3{owner, "Picture3", In{"Frame6"}, 2760, 1200, 1080, 360};
    CommandButton Command6{owner, "Command6", In{"Frame6"}, 120, 1620, 2400, 360};
    PictureBox Picture4{owner, "Picture4", In{"Frame6"}, 2760, 1620, 1080, 360};
    CommandButton Command7{owner, "Command7", In{"Frame6"}, 120, 2040, 2400, 360};
    PictureBox Picture5{owner, "Picture5", In{"Frame6"}, 2760, 2040, 1080, 360};
    CommandButton Command8{owner, "Command8", In{"Frame6"}, 120, 2460, 2400, 360};
    TextBox Text16{owner, "Text16", In{"Frame6"}, 2760, 2460, 1080, 360};
    CommandButton Command11{owner, "Command11", In{"SSTab1", 2}, 8640, 3600, 1440, 480}; // OK
};

} // namespace ohmira
