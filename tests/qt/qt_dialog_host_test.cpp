#include "platform/common_dialog.h"
#include "platform/dialog_host.h"
#include "qt_test_app.h"

#include <QColorDialog>
#include <QFile>
#include <QFileDialog>
#include <QInputDialog>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace ohmira::qt {
namespace {

void touch(const QString &path) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
}

TEST(QtDialogs, InputBoxGivesTheTextOrNothing) {
    testing::app();
    testing::when_dialog_opens([](QDialog &d) {
        auto *in = qobject_cast<QInputDialog *>(&d);
        ASSERT_NE(in, nullptr);
        EXPECT_EQ(in->labelText(), "Sounding name?");
        EXPECT_EQ(in->textValue(), "VES 1");
        in->setTextValue("VES 2");
        in->accept();
    });
    EXPECT_EQ(InputBox("Sounding name?", "Title", "VES 1"), "VES 2");
    testing::when_dialog_opens([](QDialog &d) { d.reject(); });
    EXPECT_EQ(InputBox("Sounding name?", "Title", "VES 1"), "");
}

TEST(QtDialogs, ColourDialogTakesAndGivesWindowsRgb) {
    testing::app();
    CommonDialog cd;
    cd.Color = 0x0000FF; // red
    testing::when_dialog_opens([](QDialog &d) {
        auto *c = qobject_cast<QColorDialog *>(&d);
        ASSERT_NE(c, nullptr);
        EXPECT_EQ(c->currentColor(), QColor(255, 0, 0));
        c->setCurrentColor(QColor(0, 128, 255));
        c->accept();
    });
    ASSERT_TRUE(cd.ShowColor());
    EXPECT_EQ(cd.Color, 0 + 128 * 256 + 255 * 65536);
    testing::when_dialog_opens([](QDialog &d) { d.reject(); });
    EXPECT_FALSE(cd.ShowColor());
    EXPECT_EQ(cd.Color, 0 + 128 * 256 + 255 * 65536);
}

TEST(QtDialogs, OpenSeveralFilesAndSaveWithOverwritePrompt) {
    testing::app();
    QTemporaryDir dir;
    touch(dir.path() + "/a.qd3");
    touch(dir.path() + "/B.QD3");
    CommonDialog cd;
    cd.Filter = "Ohmira (*.QD3)|*.QD3";
    cd.InitDir = dir.path().toStdString();
    cd.FileName = "*.QD3";
    cd.Flags = cdlOFNAllowMultiselect | cdlOFNExplorer;
    cd.DialogTitle = "OHMIRA File selection";
    testing::when_dialog_opens([](QDialog &d) {
        auto *fd = qobject_cast<QFileDialog *>(&d);
        ASSERT_NE(fd, nullptr);
        EXPECT_EQ(fd->windowTitle(), "OHMIRA File selection");
        EXPECT_EQ(fd->fileMode(), QFileDialog::ExistingFiles);
        testing::type_file_name(*fd, "\"a.qd3\" \"B.QD3\"");
    });
    ASSERT_TRUE(cd.ShowOpen());
    ASSERT_EQ(cd.SelectedFiles().size(), 2u);
    EXPECT_EQ(cd.SelectedFiles()[0], (dir.path() + "/a.qd3").toStdString());
    EXPECT_EQ(cd.SelectedFiles()[1], (dir.path() + "/B.QD3").toStdString());

    cd.Flags = cdlOFNOverwritePrompt;
    cd.FileName = "new.QD3";
    testing::when_dialog_opens([](QDialog &d) {
        auto *fd = qobject_cast<QFileDialog *>(&d);
        ASSERT_NE(fd, nullptr);
        EXPECT_EQ(fd->acceptMode(), QFileDialog::AcceptSave);
        EXPECT_FALSE(fd->testOption(QFileDialog::DontConfirmOverwrite));
        QMetaObject::invokeMethod(fd, "accept");
    });
    ASSERT_TRUE(cd.ShowSave());
    EXPECT_EQ(cd.FileName, (dir.path() + "/new.QD3").toStdString());
    EXPECT_EQ(cd.FileTitle, "new.QD3");

    testing::when_dialog_opens([](QDialog &d) { d.reject(); });
    EXPECT_FALSE(cd.ShowOpen());
}

} // namespace
} // namespace ohmira::qt
