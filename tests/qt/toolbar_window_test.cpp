// The toolbar's open, save, Help and clipboard keys clicked in the real window, each through the
// toolbar dispatcher, with the file dialog and the boxes answered as a user would. Set
// OHMIRA_QT_SHOTS to a folder to keep the pictures.
#include "app/app_state.h"
#include "app/main_frame.h"
#include "core/qd3_file.h"
#include "core/sounding.h"
#include "form/sev_form.h"
#include "main_window_fixture.h"
#include "platform/file_association.h"
#include "platform/files.h"
#include "platform/qt/form_view.h"

#include <QClipboard>
#include <QFileDialog>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <QTemporaryDir>
#include <QToolBar>
#include <QToolButton>

#include <gtest/gtest.h>

namespace ohmira::qt {
namespace {

using testing::when_open;

class ToolbarWindow : public testing::MainWindowTest {
protected:
    ToolbarWindow() { shown_at_start = false; } // one test sees what the first showing does
    void TearDown() override {
        set_association_source({});
        MainWindowTest::TearDown();
    }

    // The button of the toolbar key, found by its tooltip as the user sees it.
    QToolButton *button(const std::string &key) {
        const QString tip = qstr(SEV.Toolbar1.Buttons(key)->ToolTipText());
        for (auto *bar : view->findChildren<QToolBar *>())
            for (QAction *a : bar->actions())
                if (a->toolTip() == tip)
                    return qobject_cast<QToolButton *>(bar->widgetForAction(a));
        return nullptr;
    }

    // Clicks the key's button; `box` answers the message box that follows, if any.
    void click(const std::string &key, testing::BoxSeen *seen = nullptr,
               QMessageBox::StandardButton answer = QMessageBox::Ok) {
        QToolButton *b = button(key);
        ASSERT_NE(b, nullptr) << key;
        if (seen)
            testing::answer_box(answer, seen);
        QTest::mouseClick(b, Qt::LeftButton);
        QtUi::instance().sync_all();
    }

    static QString qstr(const std::string &s) { return QString::fromStdString(s); }
};

TEST_F(ToolbarWindow, OpenSaveHelpAndClipboardKeys) {
    show_window();
    // A sounding on disk.
    const double field[][2] = {{1, 80}, {2, 70}, {5, 45}, {10, 35}, {20, 40}, {50, 70}, {100, 110}};
    for (int i = 1; i <= 7; ++i) {
        Field_Data(i, 1) = field[i - 1][0];
        Field_Data(i, 2) = field[i - 1][1];
    }
    Nb_Points = 7;
    Model_Layers(1, 1) = 85.0;
    Model_Layers(2, 1) = 1.5;
    Model_Layers(1, 2) = 30.0;
    Model_Layers(2, 2) = 10.0;
    Model_Layers(1, 3) = 150.0;
    Comment = "Toolbar test";
    const std::string site = (temp.path() + "/site.QD3").toStdString();
    ASSERT_EQ(write_qd3_file(site), 0);
    reset_all_state();

    // "open": the open dialog, the file picked and accepted.
    QStringList seen_dialog;
    when_open<QFileDialog>([&](QFileDialog &d) {
        seen_dialog << d.windowTitle();
        testing::type_file_name(d, qstr(site));
    });
    click("open");
    ASSERT_EQ(seen_dialog.size(), 1);
    EXPECT_EQ(seen_dialog[0], "OHMIRA File selection");
    EXPECT_EQ(File_Path, site);
    EXPECT_EQ(Nb_Points, 7);
    EXPECT_EQ(Comment, "Toolbar test");
    QTest::qWait(50);
    ASSERT_TRUE(shot("toolbar-open"));

    // "save": the question about the current file, answered Yes; the file is written again.
    QWidget *comment_box = view->widget_of("Text18"); // typed over, as a user would
    ASSERT_NE(comment_box, nullptr);
    QTest::keyClick(comment_box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(comment_box, "Saved from the toolbar");
    testing::BoxSeen question;
    click("save", &question, QMessageBox::Yes);
    EXPECT_EQ(question.text.toStdString(), "Recording File " + site);
    EXPECT_NE(read_file(site).value_or("").find("\"Saved from the toolbar\""), std::string::npos);

    // "Help": no PDF reader on this machine, the box says so.
    set_association_source([](std::string_view) { return std::string(); });
    testing::BoxSeen help;
    click("Help", &help);
    EXPECT_EQ(help.text, "You must intstall ACROBAT READER to open the help file");

    // "Clip_Bd": the plot is on the clipboard as a picture, and the box says so.
    QGuiApplication::clipboard()->clear();
    testing::BoxSeen clip;
    click("Clip_Bd", &clip);
    EXPECT_EQ(clip.text, "Your screen is now recorded in the clipbord, paste in with Crtl+C");
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    const QImage pasted = QImage::fromData(data->data("image/png"), "PNG");
    ASSERT_FALSE(pasted.isNull());
    ASSERT_TRUE(pasted.save(shots + "/toolbar-clipboard.png"));
}

TEST_F(ToolbarWindow, TheWindowActivatedWithoutAFocusedControlGivesTheFieldGridTheFocus) {
    // No control holds the focus yet: the window itself gets it, and its GotFocus hands it on.
    ASSERT_EQ(SEV.ActiveControl(), nullptr);
    show_window();
    QTest::qWait(50);
    EXPECT_EQ(SEV.ActiveControl(), &SEV.BuildGrid);
    QWidget *grid = view->widget_of("BuildGrid");
    ASSERT_NE(grid, nullptr);
    EXPECT_TRUE(grid->hasFocus() || grid->isAncestorOf(QApplication::focusWidget()));
    ASSERT_TRUE(shot("toolbar-start-focus"));
}

} // namespace
} // namespace ohmira::qt
