#pragma once
// The main window's common dialog: one object whose properties keep the values the last command
// gave them, and which shows the open, save and colour dialogs through the dialog host.
// A cancel is returned as false instead of raising an error; `CancelError` is kept so that a
// caller can tell whether its command treats a cancel as an error.
#include "platform/dialog_host.h"

#include <cstdint>
#include <string>
#include <vector>

namespace ohmira {

class CommonDialog {
public:
    bool CancelError = false;
    int Flags = 0;
    std::string DialogTitle;
    std::string Filter;
    int FilterIndex = 1;
    std::string FileName;  // in: the proposal; out: the chosen path (see ShowOpen)
    std::string FileTitle; // out: the chosen name without folder
    std::string InitDir;
    int MaxFileSize = 260;
    std::int32_t Color = 0;

    // True when a file was chosen. With several files chosen, FileName holds the folder and the
    // bare names separated by the character of code 0 and FileTitle is empty; a single file
    // gives its full path. On cancel FileName and FileTitle keep their values.
    bool ShowOpen();
    bool ShowSave();
    // True when a colour was chosen; on cancel Color keeps the last colour chosen.
    bool ShowColor();

    // The chosen files as full paths (one or several), from the last accepted dialog.
    const std::vector<std::string> &SelectedFiles() const { return selected_; }

private:
    FileDialogRequest request() const;
    bool take(const FileDialogResult &result);

    std::vector<std::string> selected_;
};

} // namespace ohmira
