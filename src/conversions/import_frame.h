#pragma once
// The import frame shared by the conversions of instrument files into QD3 files: the open dialog,
// the reader, and the QD3 file saved beside the input through the ordinary writer.
#include <array>
#include <functional>
#include <string>

#include "form/app_controls.h"
#include "platform/menu.h"

namespace ohmira {

// A reader of the frame: the file read into the sounding; true when the sounding took it.
using ImportReader = std::function<bool(std::string &path)>;

// One member of the frame: its menu item, the dialog's filter and proposed name, its reader.
struct ImportMember {
    MenuItem AppControls::*menu;
    const char *filter;
    const char *file_name;
    bool (*reader)(std::string &path);
};

// Geotrade, ABEM and SAS1000.
extern const std::array<ImportMember, 3> import_members;

// The whole command of a member: hourglass, open dialog, reader, save, cross-hair.
void run_import(const ImportMember &member);

void Geotrade_Click();
void NAbem_Click();
void SAS1000_Click();
// Imports a QDE file; no command of the window reaches it.
void Import_QDE_File();

// Shows the open dialog of CmDialog1 as the import commands set it (Explorer flag, the filter,
// title and proposed name); true when a file was chosen.
bool choose_import_file(const std::string &filter, const std::string &title,
                        const std::string &file_name);

// The open dialog titled "OHMIRA File selection", then the reader on the chosen file, then the
// QD3 file saved beside it. A file the reader refuses leaves the current file name and path as
// they were. Returns true when the sounding took the file.
bool import_chosen_file(const std::string &filter, const std::string &file_name,
                        const ImportReader &reader);

// File_Path becomes the QD3 path beside the input, and Save_QD3 writes it (asking first).
void save_import();

} // namespace ohmira
