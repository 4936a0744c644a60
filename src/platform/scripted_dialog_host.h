#pragma once
// A dialog host for tests: answers from a queue in order and records every request, so a test
// can assert the exact texts the program showed. A box the script did not expect, or an answer
// of the wrong kind, throws std::logic_error describing the request (and is kept in failures()).
#include "platform/dialog_host.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace ohmira {

// One request as the host saw it, whatever its kind.
struct DialogRecord {
    DialogKind kind = DialogKind::MessageBox;
    std::string title;
    std::string text; // message text or input prompt
    MsgButtons buttons = MsgButtons::OKOnly;
    MsgIcon icon = MsgIcon::None;
    int default_button = 1;   // message box: the button Enter presses, counted from 1
    std::string default_text; // input box default or proposed file name
    std::string filter;
    std::string initial_dir;
    int flags = 0;
    int filter_index = 0;
    std::int32_t color = 0;
    Form *form = nullptr;
};

// One scripted answer; build it with the functions below.
struct ScriptedAnswer {
    DialogKind kind = DialogKind::MessageBox;
    int button = vbOK;
    bool cancelled = false;
    std::string text;
    std::vector<std::string> files;
    std::int32_t color = 0;
    std::function<void(PrintSettings &)> edit_settings;
    std::function<void(Form &)> act;
};

ScriptedAnswer answer_box(int button); // vbOK, vbCancel, vbYes or vbNo
ScriptedAnswer answer_input(std::string text);
ScriptedAnswer cancel_input();
ScriptedAnswer answer_open(std::vector<std::string> files);
ScriptedAnswer cancel_open();
ScriptedAnswer answer_save(std::string file);
ScriptedAnswer cancel_save();
ScriptedAnswer answer_color(std::int32_t color);
ScriptedAnswer cancel_color();
ScriptedAnswer answer_printer(std::function<void(PrintSettings &)> edit = {});
ScriptedAnswer cancel_printer();
ScriptedAnswer answer_page_setup(std::function<void(PrintSettings &)> edit = {});
ScriptedAnswer cancel_page_setup();
// The callback acts on the shown form, e.g. presses one of its buttons.
ScriptedAnswer answer_form(std::function<void(Form &)> act);

class ScriptedDialogHost : public DialogHost {
public:
    ScriptedDialogHost() = default;
    ScriptedDialogHost(std::initializer_list<ScriptedAnswer> answers);

    void expect(ScriptedAnswer answer);

    const std::vector<DialogRecord> &records() const { return records_; }
    // Descriptions of every unexpected request, also when the program swallowed the exception.
    const std::vector<std::string> &failures() const { return failures_; }
    std::size_t pending() const { return answers_.size(); }
    // Message boxes only, for the common case of checking what the user was told.
    std::vector<DialogRecord> message_boxes() const;

    int message_box(const MessageBoxRequest &request) override;
    InputBoxResult input_box(const InputBoxRequest &request) override;
    FileDialogResult open_file(const FileDialogRequest &request) override;
    FileDialogResult save_file(const FileDialogRequest &request) override;
    ColorDialogResult choose_color(const ColorDialogRequest &request) override;
    bool printer_dialog(PrintSettings &settings) override;
    bool page_setup_dialog(PrintSettings &settings) override;
    void show_modal(Form &form) override;

private:
    ScriptedAnswer next(const DialogRecord &record);
    [[noreturn]] void fail(const std::string &why, const DialogRecord &record);
    FileDialogResult file_dialog(DialogKind kind, const FileDialogRequest &request);

    std::deque<ScriptedAnswer> answers_;
    std::vector<DialogRecord> records_;
    std::vector<std::string> failures_;
};

std::string to_string(DialogKind kind);
std::string describe(const DialogRecord &record);

} // namespace ohmira
