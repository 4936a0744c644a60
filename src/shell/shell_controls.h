#pragma once
// Controls of the main window that belong to the application shell: tab strip, toolbar, menus,
// language list. One control per line: type, name, container, design position and size (twips).
#include "platform/common_dialog.h"
#include "platform/controls.h"
#include "platform/form.h"
#include "platform/image_list.h"
#include "platform/menu.h"
#include "platform/tab_strip.h"
#include "platform/toolbar.h"

namespace ohmira {

struct ShellControls {
    explicit ShellControls(Form &form);
    Form &owner;

    Toolbar Toolbar1{owner, "Toolbar1", 0, 0, 15360, 420};
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
};

} // namespace ohmira
