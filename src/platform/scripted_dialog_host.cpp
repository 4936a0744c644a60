#include "platform/scripted_dialog_host.h"

#include <stdexcept>

namespace ohmira {

namespace {

ScriptedAnswer make(DialogKind kind, bool cancelled) {
    ScriptedAnswer a;
    a.kind = kind;
    a.cancelled = cancelled;
    return a;
}

const char *button_name(int button) {
    switch (button) {
    case vbOK:
        return "OK";
    case vbCancel:
        return "Cancel";
    case vbYes:
        return "Yes";
    case vbNo:
        return "No";
    default:
        return "?";
    }
}

bool box_offers(MsgButtons buttons, int button) {
    switch (buttons) {
    case MsgButtons::OKOnly:
        return button == vbOK;
    case MsgButtons::OKCancel:
        return button == vbOK || button == vbCancel;
    case MsgButtons::YesNo:
        return button == vbYes || button == vbNo;
    case MsgButtons::YesNoCancel:
        return button == vbYes || button == vbNo || button == vbCancel;
    }
    return false;
}

std::string visible(std::string_view text) {
    std::string out;
    for (char c : text) {
        if (c == '\r')
            out += "\\r";
        else if (c == '\n')
            out += "\\n";
        else if (c == '\0')
            out += "\\0";
        else
            out += c;
    }
    return out;
}

} // namespace

ScriptedAnswer answer_box(int button) {
    ScriptedAnswer a = make(DialogKind::MessageBox, false);
    a.button = button;
    return a;
}

ScriptedAnswer answer_input(std::string text) {
    ScriptedAnswer a = make(DialogKind::InputBox, false);
    a.text = std::move(text);
    return a;
}

ScriptedAnswer cancel_input() {
    return make(DialogKind::InputBox, true);
}

ScriptedAnswer answer_open(std::vector<std::string> files) {
    ScriptedAnswer a = make(DialogKind::OpenFile, false);
    a.files = std::move(files);
    return a;
}

ScriptedAnswer cancel_open() {
    return make(DialogKind::OpenFile, true);
}

ScriptedAnswer answer_save(std::string file) {
    ScriptedAnswer a = make(DialogKind::SaveFile, false);
    a.files.push_back(std::move(file));
    return a;
}

ScriptedAnswer cancel_save() {
    return make(DialogKind::SaveFile, true);
}

ScriptedAnswer answer_color(std::int32_t color) {
    ScriptedAnswer a = make(DialogKind::Color, false);
    a.color = color;
    return a;
}

ScriptedAnswer cancel_color() {
    return make(DialogKind::Color, true);
}

ScriptedAnswer answer_printer(std::function<void(PrintSettings &)> edit) {
    ScriptedAnswer a = make(DialogKind::Printer, false);
    a.edit_settings = std::move(edit);
    return a;
}

ScriptedAnswer cancel_printer() {
    return make(DialogKind::Printer, true);
}

ScriptedAnswer answer_page_setup(std::function<void(PrintSettings &)> edit) {
    ScriptedAnswer a = make(DialogKind::PageSetup, false);
    a.edit_settings = std::move(edit);
    return a;
}

ScriptedAnswer cancel_page_setup() {
    return make(DialogKind::PageSetup, true);
}

ScriptedAnswer answer_form(std::function<void(Form &)> act) {
    ScriptedAnswer a = make(DialogKind::Form, false);
    a.act = std::move(act);
    return a;
}

std::string to_string(DialogKind kind) {
    switch (kind) {
    case DialogKind::MessageBox:
        return "message box";
    case DialogKind::InputBox:
        return "input box";
    case DialogKind::OpenFile:
        return "open dialog";
    case DialogKind::SaveFile:
        return "save dialog";
    case DialogKind::Color:
        return "colour dialog";
    case DialogKind::Printer:
        return "printer dialog";
    case DialogKind::PageSetup:
        return "page set-up dialog";
    case DialogKind::Form:
        return "modal form";
    }
    return "dialog";
}

std::string describe(const DialogRecord &r) {
    std::string out = to_string(r.kind) + " titled \"" + visible(r.title) + "\"";
    if (!r.text.empty())
        out += " saying \"" + visible(r.text) + "\"";
    if (r.kind == DialogKind::MessageBox) {
        static constexpr const char *buttons[] = {"OK", "OK/Cancel", "Yes/No/Cancel", "Yes/No"};
        static constexpr const char *icons[] = {"no icon", "critical", "question", "exclamation",
                                                "information"};
        out += std::string(" [") + buttons[static_cast<int>(r.buttons)] + ", " +
               icons[static_cast<int>(r.icon)] + "]";
    }
    if (!r.filter.empty())
        out += " filter \"" + visible(r.filter) + "\"";
    if (!r.default_text.empty())
        out += " default \"" + visible(r.default_text) + "\"";
    return out;
}

ScriptedDialogHost::ScriptedDialogHost(std::initializer_list<ScriptedAnswer> answers)
    : answers_(answers) {}

void ScriptedDialogHost::expect(ScriptedAnswer answer) {
    answers_.push_back(std::move(answer));
}

std::vector<DialogRecord> ScriptedDialogHost::message_boxes() const {
    std::vector<DialogRecord> out;
    for (const auto &r : records_)
        if (r.kind == DialogKind::MessageBox)
            out.push_back(r);
    return out;
}

void ScriptedDialogHost::fail(const std::string &why, const DialogRecord &record) {
    std::string message = "Scripted dialog host: " + why + ": " + describe(record);
    failures_.push_back(message);
    throw std::logic_error(message);
}

ScriptedAnswer ScriptedDialogHost::next(const DialogRecord &record) {
    records_.push_back(record);
    if (answers_.empty())
        fail("unexpected", record);
    ScriptedAnswer answer = std::move(answers_.front());
    answers_.pop_front();
    if (answer.kind != record.kind)
        fail("script expected a " + to_string(answer.kind) + " but got", record);
    return answer;
}

int ScriptedDialogHost::message_box(const MessageBoxRequest &request) {
    DialogRecord r;
    r.kind = DialogKind::MessageBox;
    r.title = request.title;
    r.text = request.text;
    r.buttons = request.buttons;
    r.icon = request.icon;
    r.default_button = request.default_button;
    ScriptedAnswer a = next(r);
    if (!box_offers(request.buttons, a.button))
        fail(std::string("script answers ") + button_name(a.button) +
                 " to a box without that button",
             r);
    return a.button;
}

InputBoxResult ScriptedDialogHost::input_box(const InputBoxRequest &request) {
    DialogRecord r;
    r.kind = DialogKind::InputBox;
    r.title = request.title;
    r.text = request.prompt;
    r.default_text = request.default_text;
    ScriptedAnswer a = next(r);
    if (a.cancelled)
        return {};
    return {false, a.text};
}

FileDialogResult ScriptedDialogHost::file_dialog(DialogKind kind,
                                                 const FileDialogRequest &request) {
    DialogRecord r;
    r.kind = kind;
    r.title = request.title;
    r.filter = request.filter;
    r.filter_index = request.filter_index;
    r.default_text = request.file_name;
    r.initial_dir = request.initial_dir;
    r.flags = request.flags;
    ScriptedAnswer a = next(r);
    if (a.cancelled)
        return {};
    if (a.files.empty())
        fail("script answers no file to", r);
    if (a.files.size() > 1 && !(request.flags & cdlOFNAllowMultiselect))
        fail("script answers several files to a single-file", r);
    return {false, a.files};
}

FileDialogResult ScriptedDialogHost::open_file(const FileDialogRequest &request) {
    return file_dialog(DialogKind::OpenFile, request);
}

FileDialogResult ScriptedDialogHost::save_file(const FileDialogRequest &request) {
    return file_dialog(DialogKind::SaveFile, request);
}

ColorDialogResult ScriptedDialogHost::choose_color(const ColorDialogRequest &request) {
    DialogRecord r;
    r.kind = DialogKind::Color;
    r.title = request.title;
    r.color = request.color;
    ScriptedAnswer a = next(r);
    if (a.cancelled)
        return {true, request.color};
    return {false, a.color};
}

bool ScriptedDialogHost::printer_dialog(PrintSettings &settings) {
    DialogRecord r;
    r.kind = DialogKind::Printer;
    ScriptedAnswer a = next(r);
    if (a.cancelled)
        return false;
    if (a.edit_settings)
        a.edit_settings(settings);
    return true;
}

bool ScriptedDialogHost::page_setup_dialog(PrintSettings &settings) {
    DialogRecord r;
    r.kind = DialogKind::PageSetup;
    ScriptedAnswer a = next(r);
    if (a.cancelled)
        return false;
    if (a.edit_settings)
        a.edit_settings(settings);
    return true;
}

void ScriptedDialogHost::show_modal(Form &form) {
    DialogRecord r;
    r.kind = DialogKind::Form;
    r.form = &form;
    ScriptedAnswer a = next(r);
    if (a.act)
        a.act(form);
}

} // namespace ohmira
