// The RES2DINV conversion as a user runs it in the real window: the menu item, the file dialog,
// the parameter dialog typed into and confirmed; then the three converted soundings opened from
// the File menu, their curves drawn, and grabbed. Set OHMIRA_QT_SHOTS to a folder to keep the
// pictures.
#include "app/main_frame.h"
#include "commands/auto_model_commands.h"
#include "conversions/res2dinv.h"
#include "core/auto_model.h"
#include "core/forward.h"
#include "core/sounding.h"
#include "form/settings_values.h"
#include "form/sev_form.h"
#include "main_window_fixture.h"
#include "platform/qt/form_view.h"
#include "plot/loglog_plot.h"
#include "printing/printer_sheet.h"

#include "../conversions/sample_files.h"
#include "form/applied_array.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTabBar>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace ohmira::qt {
namespace {

// A Wenner line over a conductive layer on a resistive basement.
QByteArray wenner_line() {
    QByteArray text = "Line 7\r\n1\r\n1\r\n";
    QByteArray rows;
    int n = 0;
    for (int a = 1; a <= 8; ++a) {
        for (int x = 0; x + 3 * a <= 48; ++x, ++n) {
            const double rho = (40 + 6.0 * a * a) * (1 + x / 12.0) + (x % 4);
            rows += QByteArray::number(x) + " " + QByteArray::number(a) + " " +
                    QByteArray::number(rho) + "\r\n";
        }
    }
    return text + QByteArray::number(n) + "\r\n1\r\n0\r\n" + rows;
}

// Runs `act` on the first modal dialog of type D once it is open; a dialog still closing from an
// earlier step is waited out (for half a minute at most), a message box that comes instead fails
// the test and is closed.
template <class D>
void when_open(std::function<void(D &)> act, QDeadlineTimer deadline = QDeadlineTimer(30000)) {
    testing::when_open<QDialog>([act, deadline](QDialog &d) {
        if (auto *wanted = qobject_cast<D *>(&d)) {
            act(*wanted);
            return;
        }
        if (auto *box = qobject_cast<QMessageBox *>(&d)) {
            ADD_FAILURE() << "unexpected box: " << box->text().toStdString();
            box->reject();
        }
        if (!deadline.hasExpired()) {
            when_open<D>(act, deadline);
        } else {
            ADD_FAILURE() << "waited in vain for a " << D::staticMetaObject.className();
            testing::close_modal_dialogs();
        }
    });
}

// The dialog showing a form of the program.
bool is_form_dialog(QDialog &d) {
    return d.findChild<FormView *>() != nullptr;
}

class BatchWindow : public testing::MainWindowTest {
protected:
    void prepare() override {
        Apply_Array(Array_Type::Schlumberger);
        Niveau = "0";
        Setup_Auto_Threshold_Slider();
    }
    // Chooses `file` in the file dialog once it opens, then runs `next`.
    void choose_file(const QString &file, std::function<void()> next = {}) {
        when_open<QFileDialog>([file, next](QFileDialog &d) {
            testing::type_file_name(d, file);
            if (next)
                next();
        });
    }

    std::function<void(QDialog &)> answer_parameters;
    QTemporaryDir data;
};

TEST_F(BatchWindow, Res2dinvLineCutIntoFittedSoundingsAndOpened) {
    const QString line = data.path() + "/line.DAT";
    {
        QFile f(line);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(wenner_line());
    }
    QAction *res2dinv = view->action_of("RES2DINV");
    ASSERT_NE(res2dinv, nullptr);

    bool dialog_seen = false;
    // The parameter dialog comes after the file dialog has closed.
    answer_parameters = [this, &dialog_seen](QDialog &d) {
        if (!is_form_dialog(d)) {
            when_open<QDialog>(answer_parameters); // the file dialog is still closing
            return;
        }
        {
            auto *body = d.findChild<FormView *>();
            EXPECT_EQ(d.windowTitle(), "RES2DINV conversion parameter");
            auto *count = qobject_cast<QLineEdit *>(body->widget_of("Text1"));
            auto *azimuth = qobject_cast<QLineEdit *>(body->widget_of("Text4"));
            auto *altitude = qobject_cast<QLineEdit *>(body->widget_of("Text5"));
            ASSERT_TRUE(count && azimuth && altitude);
            for (auto [edit, text] : {std::pair{count, "3"}, {azimuth, "90"}, {altitude, "312"}}) {
                edit->setFocus();
                edit->selectAll();
                QTest::keyClicks(edit, text);
            }
            shot(&d, "res2dinv-dialog");
            dialog_seen = true;
            QTest::mouseClick(body->widget_of("Command1"), Qt::LeftButton);
        }
    };
    choose_file(line, [this] { when_open<QDialog>(answer_parameters); });
    res2dinv->trigger();
    EXPECT_TRUE(dialog_seen);
    EXPECT_EQ(R2DI_Count, 3);
    EXPECT_TRUE(SEV.Option1.Value()) << "the array option is put back";
    for (int k = 1; k <= 3; ++k) {
        EXPECT_TRUE(QFile::exists(data.path() + QString("/line_ %1.QD3").arg(k))) << k;
    }

    // Each converted sounding opened through File ▸ Read, then its model computed and shown.
    Apply_Array(Array_Type::Wenner);
    QAction *read = view->action_of("NFile");
    QAction *model = view->action_of("NModele");
    ASSERT_NE(read, nullptr);
    ASSERT_NE(model, nullptr);
    for (int k = 1; k <= 3; ++k) {
        choose_file(data.path() + QString("/line_ %1.QD3").arg(k));
        read->trigger();
        EXPECT_EQ(File_Name, "line_ " + std::to_string(k) + ".QD3");
        EXPECT_EQ(Z_Coord, "312");
        // Model ▸ Model + Calcul shows the model and computes it (and turns to the sheet), then
        // the user comes back to the main tab.
        model->trigger();
        auto *tabs = view->widget_of("SSTab1")->findChild<QTabBar *>();
        ASSERT_NE(tabs, nullptr);
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(0).center());
        EXPECT_EQ(SEV.Grid1.TextMatrix(1, 1).empty(), false);
        QtUi::instance().sync_all();
        QApplication::processEvents();
        ASSERT_TRUE(shot(view, QString("res2dinv-sounding-%1").arg(k)));
    }
}

TEST_F(BatchWindow, ARefusedLineLeavesTheSoundingWhichFileSaveWritesBack) {
    const QString kept = data.path() + "/keep.QD3";
    const QString line = data.path() + "/dipole.DAT";
    const QByteArray kept_bytes = QByteArray::fromStdString(ohmira::test::qd3_sample());
    const QByteArray line_bytes = "Dipole line\r\n1\r\n3\r\n2\r\n0\r\n0\r\n0 1 10\r\n1 1 12\r\n";
    for (const auto &[name, bytes] : {std::pair{kept, kept_bytes}, {line, line_bytes}}) {
        QFile f(name);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    // File ▸ Read.
    choose_file(kept);
    view->action_of("NFile")->trigger();
    ASSERT_EQ(File_Path, kept.toStdString());
    const QString title = view->windowTitle();

    // Conversions ▸ RES2DINV on a dipole line: refused.
    QString refusal;
    choose_file(line, [&refusal] {
        when_open<QMessageBox>([&refusal](QMessageBox &box) {
            refusal = box.text();
            box.button(QMessageBox::Ok)->click();
        });
    });
    view->action_of("RES2DINV")->trigger();
    EXPECT_EQ(refusal, "Only for Wenner spread\n" + line + "\nline 3: 3");
    QtUi::instance().sync_all();
    EXPECT_EQ(view->windowTitle().toStdString(), title.toStdString());
    ASSERT_TRUE(shot(view, "res2dinv-refused"));

    // File ▸ Save asks about the sounding's own file and writes it back as it was.
    QString question;
    when_open<QMessageBox>([&question](QMessageBox &box) {
        question = box.text();
        box.button(QMessageBox::Yes)->click();
    });
    view->action_of("NRecord")->trigger();
    EXPECT_EQ(question.toStdString(), "Recording File " + kept.toStdString());
    for (const auto &[name, bytes] : {std::pair{kept, kept_bytes}, {line, line_bytes}}) {
        QFile f(name);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_EQ(f.readAll().toStdString(), bytes.toStdString()) << name.toStdString();
    }
}

TEST_F(BatchWindow, AWriteErrorEndsTheRunWithOneBoxNamingWhatWasWritten) {
    const QString line = data.path() + "/line.DAT";
    {
        QFile f(line);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(wenner_line());
    }
    ASSERT_TRUE(QDir(data.path()).mkdir("line_ 2.QD3")); // no file can be written there
    testing::BoxSeen seen;
    answer_parameters = [this, &seen](QDialog &d) {
        if (!is_form_dialog(d)) {
            when_open<QDialog>(answer_parameters); // the file dialog is still closing
            return;
        }
        auto *body = d.findChild<FormView *>();
        auto *count = qobject_cast<QLineEdit *>(body->widget_of("Text1"));
        ASSERT_NE(count, nullptr);
        count->setFocus();
        count->selectAll();
        QTest::keyClicks(count, "3");
        // The box that ends the run, once the soundings before the failing one are written.
        testing::when_open<QMessageBox>([this, &seen](QMessageBox &box) {
            seen.text = box.text();
            seen.icon = box.icon();
            shot(&box, "res2dinv-write-error");
            box.button(QMessageBox::Ok)->click();
        });
        QTest::mouseClick(body->widget_of("Command1"), Qt::LeftButton);
    };
    choose_file(line, [this] { when_open<QDialog>(answer_parameters); });
    view->action_of("RES2DINV")->trigger();
    EXPECT_EQ(seen.text, "Write protected File...\n" + data.path() +
                             "/line_ 2.QD3\nSoundings written: line_ 1.QD3");
    EXPECT_EQ(seen.icon, QMessageBox::Warning);
    EXPECT_TRUE(QFile::exists(data.path() + "/line_ 1.QD3"));
    EXPECT_FALSE(QFile::exists(data.path() + "/line_ 3.QD3"));
    EXPECT_EQ(File_Path, (data.path() + "/line_ 1.QD3").toStdString());
    EXPECT_TRUE(SEV.Option1.Value()) << "the array option is put back";
}

} // namespace
} // namespace ohmira::qt

namespace ohmira::qt {
namespace {

TEST_F(BatchWindow, TheWindowImageGoesToThePrinterOrItsPdfFile) {
    if (!QPrinterInfo::availablePrinters().isEmpty())
        GTEST_SKIP() << "a real printer is installed";
    const QString pdf = data.path() + "/window.pdf";
    choose_file(pdf);
    Print_Form_Image();
    QFileInfo out(pdf);
    ASSERT_TRUE(out.exists());
    EXPECT_GT(out.size(), 1000);
    EXPECT_EQ(SEV.Bilog.MousePointer(), vbCrosshair);
}

} // namespace
} // namespace ohmira::qt
