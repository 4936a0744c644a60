#include "platform/dialog_host.h"

#include "platform/app_info.h"

#include <cstdio>

namespace ohmira {

MsgButtons msg_buttons(int flags) {
    switch (flags & 0x7) {
    case vbOKCancel:
        return MsgButtons::OKCancel;
    case vbYesNoCancel:
        return MsgButtons::YesNoCancel;
    case vbYesNo:
        return MsgButtons::YesNo;
    default:
        return MsgButtons::OKOnly;
    }
}

MsgIcon msg_icon(int flags) {
    switch (flags & 0x70) {
    case vbCritical:
        return MsgIcon::Critical;
    case vbQuestion:
        return MsgIcon::Question;
    case vbExclamation:
        return MsgIcon::Exclamation;
    case vbInformation:
        return MsgIcon::Information;
    default:
        return MsgIcon::None;
    }
}

int HeadlessDialogHost::message_box(const MessageBoxRequest &request) {
    std::fprintf(stderr, "[%s] %s\n", request.title.c_str(), request.text.c_str());
    switch (request.buttons) {
    case MsgButtons::OKOnly:
        return vbOK;
    case MsgButtons::YesNo:
        return vbNo;
    default:
        return vbCancel;
    }
}

InputBoxResult HeadlessDialogHost::input_box(const InputBoxRequest &) {
    return {};
}

FileDialogResult HeadlessDialogHost::open_file(const FileDialogRequest &) {
    return {};
}

FileDialogResult HeadlessDialogHost::save_file(const FileDialogRequest &) {
    return {};
}

ColorDialogResult HeadlessDialogHost::choose_color(const ColorDialogRequest &request) {
    return {true, request.color};
}

bool HeadlessDialogHost::printer_dialog(PrintSettings &) {
    return false;
}

bool HeadlessDialogHost::page_setup_dialog(PrintSettings &) {
    return false;
}

void HeadlessDialogHost::show_modal(Form &) {}

namespace {

DialogHost *&installed_host() {
    static DialogHost *host = nullptr;
    return host;
}

} // namespace

DialogHost &dialog_host() {
    static HeadlessDialogHost headless;
    DialogHost *host = installed_host();
    return host ? *host : headless;
}

void set_dialog_host(DialogHost *host) {
    installed_host() = host;
}

DialogHostGuard::DialogHostGuard(DialogHost &host) : previous_(installed_host()) {
    set_dialog_host(&host);
}

DialogHostGuard::~DialogHostGuard() {
    set_dialog_host(previous_);
}

int MsgBox(std::string_view text, int flags) {
    return MsgBox(text, flags, AppInfo::Title);
}

int MsgBox(std::string_view text, int flags, std::string_view title) {
    MessageBoxRequest request{std::string(text), std::string(title), msg_buttons(flags),
                              msg_icon(flags), (flags & vbDefaultButton2) ? 2 : 1};
    return dialog_host().message_box(request);
}

std::string InputBox(std::string_view prompt) {
    return InputBox(prompt, AppInfo::Title);
}

std::string InputBox(std::string_view prompt, std::string_view title,
                     std::string_view default_text) {
    InputBoxRequest request{std::string(prompt), std::string(title), std::string(default_text)};
    InputBoxResult result = dialog_host().input_box(request);
    return result.cancelled ? std::string() : result.text;
}

void show_modal(Form &form) {
    dialog_host().show_modal(form);
}

} // namespace ohmira
