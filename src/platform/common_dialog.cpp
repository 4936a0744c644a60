#include "platform/common_dialog.h"

#include "platform/files.h"

namespace ohmira {

FileDialogRequest CommonDialog::request() const {
    return {DialogTitle, Filter, FilterIndex, FileName, InitDir, Flags};
}

bool CommonDialog::take(const FileDialogResult &result) {
    if (result.cancelled || result.files.empty())
        return false;
    selected_ = result.files;
    if (selected_.size() == 1) {
        FileName = selected_.front();
        FileTitle = name_of(FileName);
        return true;
    }
    // Several files: the folder, then the bare names, separated by the character of code 0.
    std::string folder = folder_of(selected_.front());
    if (folder.size() > 1 && folder.back() == '/')
        folder.pop_back();
    FileName = folder;
    for (const auto &file : selected_) {
        FileName += '\0';
        FileName += name_of(file);
    }
    FileTitle.clear();
    return true;
}

bool CommonDialog::ShowOpen() {
    return take(dialog_host().open_file(request()));
}

bool CommonDialog::ShowSave() {
    return take(dialog_host().save_file(request()));
}

bool CommonDialog::ShowColor() {
    ColorDialogResult result = dialog_host().choose_color({DialogTitle, Color});
    if (result.cancelled)
        return false;
    Color = result.color;
    return true;
}

} // namespace ohmira
