#include "platform/qt/qt_dialog_host.h"

#include "platform/form.h"
#include "platform/qt/form_view.h"
#include "platform/qt/print_settings_qt.h"
#include "platform/qt/qt_convert.h"
#include "platform/qt/qt_ui.h"

#include <QApplication>
#include <QCloseEvent>
#include <QColorDialog>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPushButton>
#include <QVBoxLayout>

namespace ohmira::qt {

namespace {

QWidget *dialog_parent() {
    QWidget *w = QApplication::activeModalWidget();
    if (!w)
        w = QApplication::activeWindow();
    return w;
}

struct BoxButton {
    QMessageBox::StandardButton button;
    int result;
};

} // namespace

int QtDialogHost::message_box(const MessageBoxRequest &request) {
    QtUi::instance().sync_all();
    QMessageBox box(dialog_parent());
    box.setWindowTitle(qstr(request.title));
    box.setText(text_lines(request.text));
    box.setTextFormat(Qt::PlainText);
    switch (request.icon) {
    case MsgIcon::Critical:
        box.setIcon(QMessageBox::Critical);
        break;
    case MsgIcon::Question:
        box.setIcon(QMessageBox::Question);
        break;
    case MsgIcon::Exclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    case MsgIcon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case MsgIcon::None:
        box.setIcon(QMessageBox::NoIcon);
        break;
    }
    std::vector<BoxButton> buttons;
    switch (request.buttons) {
    case MsgButtons::OKOnly:
        buttons = {{QMessageBox::Ok, vbOK}};
        break;
    case MsgButtons::OKCancel:
        buttons = {{QMessageBox::Ok, vbOK}, {QMessageBox::Cancel, vbCancel}};
        break;
    case MsgButtons::YesNoCancel:
        buttons = {
            {QMessageBox::Yes, vbYes}, {QMessageBox::No, vbNo}, {QMessageBox::Cancel, vbCancel}};
        break;
    case MsgButtons::YesNo:
        buttons = {{QMessageBox::Yes, vbYes}, {QMessageBox::No, vbNo}};
        break;
    }
    QMessageBox::StandardButtons set;
    for (const BoxButton &b : buttons)
        set |= b.button;
    box.setStandardButtons(set);
    const std::size_t default_index =
        request.default_button == 2 && buttons.size() >= 2 ? 1 : 0; // the first unless asked
    box.setDefaultButton(buttons[default_index].button);
    box.exec();
    const auto clicked = box.standardButton(box.clickedButton());
    for (const BoxButton &b : buttons)
        if (b.button == clicked)
            return b.result;
    // Closed without a button: Cancel where the box has one, else its last button.
    for (const BoxButton &b : buttons)
        if (b.result == vbCancel)
            return vbCancel;
    return buttons.back().result;
}

InputBoxResult QtDialogHost::input_box(const InputBoxRequest &request) {
    QtUi::instance().sync_all();
    QInputDialog dlg(dialog_parent());
    dlg.setWindowTitle(qstr(request.title));
    dlg.setLabelText(text_lines(request.prompt));
    dlg.setTextValue(qstr(request.default_text));
    dlg.setInputMode(QInputDialog::TextInput);
    if (dlg.exec() != QDialog::Accepted)
        return {};
    return {false, dlg.textValue().toStdString()};
}

QString any_case_pattern(const QString &pattern) {
    QString out;
    for (const QChar ch : pattern) {
        if (ch.isLetter() && ch.toLower() != ch.toUpper())
            out += u'[' + QString(ch.toLower()) + QString(ch.toUpper()) + u']';
        else
            out += ch;
    }
    return out;
}

QStringList qt_name_filters(const std::string &filter) {
    const QStringList parts = qstr(filter).split(u'|');
    QStringList out;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns;
        for (const QString &p : parts[i + 1].split(u';', Qt::SkipEmptyParts))
            patterns << (p.trimmed() == QStringLiteral("*.*") ? QStringLiteral("*")
                                                              : any_case_pattern(p.trimmed()));
        out << parts[i] + QStringLiteral(" (") + patterns.join(u' ') + u')';
    }
    if (out.isEmpty())
        out << QStringLiteral("* (*)");
    return out;
}

namespace {

FileDialogResult run_file_dialog(const FileDialogRequest &request, bool save) {
    QtUi::instance().sync_all();
    QFileDialog dlg(dialog_parent(), qstr(request.title));
    dlg.setOption(QFileDialog::DontUseNativeDialog, true);
    dlg.setOption(QFileDialog::HideNameFilterDetails, true);
    QStringList filters = qt_name_filters(request.filter);
    const QString proposed = qstr(request.file_name);
    const bool wildcard = proposed.contains(u'*') || proposed.contains(u'?');
    // A filter that is a description alone lists the files the proposed pattern matches.
    if (!request.filter.empty() && request.filter.find('|') == std::string::npos && wildcard)
        filters = {qstr(request.filter).trimmed() + QStringLiteral(" (") +
                   any_case_pattern(proposed) + u')'};
    dlg.setNameFilters(filters);
    const int index = request.filter_index - 1;
    if (index >= 0 && index < filters.size())
        dlg.selectNameFilter(filters[index]);
    dlg.setDirectory(request.initial_dir.empty() ? QDir::currentPath() : qstr(request.initial_dir));
    if (!proposed.isEmpty() && !wildcard)
        dlg.selectFile(proposed);
    if (save) {
        dlg.setAcceptMode(QFileDialog::AcceptSave);
        dlg.setFileMode(QFileDialog::AnyFile);
        dlg.setOption(QFileDialog::DontConfirmOverwrite,
                      (request.flags & cdlOFNOverwritePrompt) == 0);
    } else {
        dlg.setAcceptMode(QFileDialog::AcceptOpen);
        dlg.setFileMode((request.flags & cdlOFNAllowMultiselect) ? QFileDialog::ExistingFiles
                                                                 : QFileDialog::ExistingFile);
    }
    FileDialogResult result;
    if (dlg.exec() != QDialog::Accepted)
        return result;
    for (const QString &f : dlg.selectedFiles())
        result.files.push_back(QDir::cleanPath(f).toStdString());
    result.cancelled = result.files.empty();
    return result;
}

} // namespace

FileDialogResult QtDialogHost::open_file(const FileDialogRequest &request) {
    return run_file_dialog(request, false);
}

FileDialogResult QtDialogHost::save_file(const FileDialogRequest &request) {
    return run_file_dialog(request, true);
}

ColorDialogResult QtDialogHost::choose_color(const ColorDialogRequest &request) {
    QtUi::instance().sync_all();
    QColorDialog dlg(win_colour(request.color), dialog_parent());
    if (!request.title.empty())
        dlg.setWindowTitle(qstr(request.title));
    dlg.setOption(QColorDialog::DontUseNativeDialog, true);
    if (dlg.exec() != QDialog::Accepted)
        return {true, request.color};
    return {false, win_rgb(dlg.selectedColor())};
}

bool QtDialogHost::printer_dialog(PrintSettings &settings) {
    QtUi::instance().sync_all();
    QPrinter &printer = shared_printer();
    apply_settings(settings, printer);
    QPrintDialog dlg(&printer, dialog_parent());
    dlg.setOption(QAbstractPrintDialog::PrintPageRange, true);
    if (dlg.exec() != QDialog::Accepted)
        return false;
    read_settings(printer, settings);
    return true;
}

bool QtDialogHost::page_setup_dialog(PrintSettings &settings) {
    QtUi::instance().sync_all();
    QPrinter &printer = shared_printer();
    apply_settings(settings, printer);
    QPageSetupDialog dlg(&printer, dialog_parent());
    if (dlg.exec() != QDialog::Accepted)
        return false;
    read_settings(printer, settings);
    return true;
}

namespace {

// The frame of a modal form: closing it unloads the form unless Form_Unload cancels.
class ModalFormDialog : public QDialog {
public:
    ModalFormDialog(Form &form, QWidget *parent) : QDialog(parent), form_(form) {}
    void reject() override {
        if (!form_.loaded() || !form_.Visible()) {
            QDialog::reject();
            return;
        }
        bool unloaded = true;
        QtUi::instance().run([&] { unloaded = form_.Unload(); });
        if (unloaded)
            QDialog::reject();
    }

protected:
    // Escape is a key for the form's controls, not a way out of the form.
    void keyPressEvent(QKeyEvent *e) override {
        if (e->key() == Qt::Key_Escape) {
            e->accept();
            return;
        }
        QDialog::keyPressEvent(e);
    }

private:
    Form &form_;
};

} // namespace

void QtDialogHost::show_modal(Form &form) {
    QtUi::instance().sync_all();
    if (!form.Visible() || !form.loaded())
        return;
    ModalFormDialog dlg(form, dialog_parent());
    dlg.setWindowTitle(qstr(form.Caption()));
    auto *layout = new QVBoxLayout(&dlg);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *body = new FormView(form, &dlg);
    layout->addWidget(body);
    dlg.resize(std::max(1, twips_to_px(form.Width()) - FormView::frame_width_px),
               std::max(1, twips_to_px(form.Height()) - FormView::frame_height_px));
    body->on_form_hidden = [&dlg] { dlg.done(QDialog::Accepted); };
    body->sync();
    if (form.Visible() && form.loaded())
        dlg.exec();
    body->on_form_hidden = nullptr;
    delete body;
    QtUi::instance().sync_all();
}

} // namespace ohmira::qt
