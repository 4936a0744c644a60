#pragma once
// The dialog host on real Qt dialogs: message and input boxes, open/save and colour dialogs,
// printer and page set-up, and modal forms. Every window is brought up to date first, so the
// user sees what the program did before it asks.
#include "platform/dialog_host.h"

#include <QString>
#include <QStringList>

namespace ohmira::qt {

class QtDialogHost : public DialogHost {
public:
    int message_box(const MessageBoxRequest &request) override;
    InputBoxResult input_box(const InputBoxRequest &request) override;
    FileDialogResult open_file(const FileDialogRequest &request) override;
    FileDialogResult save_file(const FileDialogRequest &request) override;
    ColorDialogResult choose_color(const ColorDialogRequest &request) override;
    bool printer_dialog(PrintSettings &settings) override;
    bool page_setup_dialog(PrintSettings &settings) override;
    void show_modal(Form &form) override;
};

// The filter of a file dialog ("description|pattern|description|pattern", patterns separated
// by ";") as Qt name filters: each pattern matches its extension in any case ("*.QD3" matches
// "a.qd3"), the description is shown as given.
QStringList qt_name_filters(const std::string &filter);
// A pattern that matches any case of its letters: "*.QD3" gives "*.[qQ][dD]3".
QString any_case_pattern(const QString &pattern);

} // namespace ohmira::qt
