// The sounding on screen is the one saved, in the real window: a sounding opened from the File
// menu, its header boxes typed, Ctrl+S, the file opened again; then a file that is no sounding,
// which leaves the grid showing the points it had; and a sounding opened from the splash window,
// a ΔV typed into it, Ctrl+S and the file opened again. Set OHMIRA_QT_SHOTS to keep the pictures.
#include "app/app_events.h"
#include "app/app_state.h"
#include "app/main_frame.h"
#include "core/sounding.h"
#include "editor/data_entry.h"
#include "form/settings_values.h"
#include "form/sev_form.h"
#include "main_window_fixture.h"
#include "platform/program_end.h"
#include "platform/qt/form_view.h"
#include "platform/qt/grid_widget.h"
#include "program_start_fixture.h"

#include <QAction>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QScrollBar>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace ohmira::qt {
namespace {

using testing::when_open;

// Four points and a two-layer model, as this program writes them.
std::string sounding_bytes() {
    std::string s = "4.5\r\n15,5000,50,80,628,1\r\n25,7000,50,37,1885,1\r\n"
                    "40,12000,50,24,4948,1\r\n60,15000,50,13,11200,1\r\n4000,200,0\r\n"
                    "20000,0,200\r\n";
    for (int j = 3; j <= 20; ++j)
        s += "0,0,0\r\n";
    for (const char *text : {"first comment", "", "VES 7", "100", "200", "300", "N45"})
        s += std::string("\"") + text + "\"\r\n";
    return s;
}

class SoundingIntegrityWindow : public testing::MainWindowTest {
protected:
    void prepare() override {
        Apply_Array(Array_Type::Schlumberger);
        Spacing_File = std::string(OHMIRA_TEST_DATA) + "/../../data/DATAVES.TXT";
    }

    // File ▸ Read: the file picked in the dialog, the boxes that follow answered in order.
    void open_from_menu(const QString &file, QList<QMessageBox::StandardButton> answers = {}) {
        QAction *action = view->action_of("NFile");
        ASSERT_NE(action, nullptr);
        when_open<QFileDialog>([this, file, answers](QFileDialog &d) {
            testing::type_file_name(d, file);
            answer(answers);
        });
        action->trigger();
        QtUi::instance().sync_all();
        EXPECT_TRUE(pending.isEmpty());
    }

    void answer(QList<QMessageBox::StandardButton> answers) {
        pending = answers;
        if (answers.isEmpty())
            return;
        when_open<QMessageBox>([this](QMessageBox &box) {
            texts << box.text();
            const auto button = pending.takeFirst();
            if (QAbstractButton *b = box.button(button))
                b->click();
            else
                box.reject();
            answer(pending);
        });
    }

    QLineEdit *box(const char *name) { return qobject_cast<QLineEdit *>(view->widget_of(name)); }

    void type_into(const char *name, const QString &text) {
        QLineEdit *edit = box(name);
        ASSERT_NE(edit, nullptr) << name;
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }

    QList<QMessageBox::StandardButton> pending;
    QStringList texts;
};

TEST_F(SoundingIntegrityWindow, TypedHeaderBoxesAreSavedAndANonSoundingChangesNothing) {
    const QString file = write("VES7.QD3", sounding_bytes());
    open_from_menu(file);
    ASSERT_EQ(File_Path, file.toStdString());
    EXPECT_EQ(box("Text29")->text(), "VES 7");
    EXPECT_EQ(box("Text19")->text(), "VES 7");
    EXPECT_EQ(box("X_Texte1")->text(), "100");

    type_into("X_Texte1", "512300");
    type_into("Y_Texte2", "4120000");
    type_into("Z_Texte3", "312");
    type_into("Azimtext", "N120");
    type_into("Text18", "typed comment");
    type_into("Text29", "VES 7 bis");
    EXPECT_EQ(box("Text19")->text(), "VES 7 bis") << "one title in both boxes";

    answer({QMessageBox::Yes}); // "Recording File ..."
    QTest::keyClick(view, Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(QTest::qWaitFor([this] { return pending.isEmpty(); }));
    ASSERT_FALSE(texts.isEmpty());
    EXPECT_EQ(texts.last(), "Recording File " + file);

    // Another sounding in between, then the saved one again.
    SEV.Toolbar1.user_click_button("bilog");
    open_from_menu(file);
    EXPECT_EQ(box("X_Texte1")->text(), "512300");
    EXPECT_EQ(box("Y_Texte2")->text(), "4120000");
    EXPECT_EQ(box("Z_Texte3")->text(), "312");
    EXPECT_EQ(box("Azimtext")->text(), "N120");
    EXPECT_EQ(box("Text18")->text(), "typed comment");
    EXPECT_EQ(box("Text29")->text(), "VES 7 bis");
    EXPECT_EQ(box("Text19")->text(), "VES 7 bis");
    EXPECT_EQ(Nb_Points, 4);
    ASSERT_TRUE(shot("integrity-reopened"));

    // A file that is no sounding: the read error, and the grid still shows the four points.
    auto *grid = qobject_cast<GridWidget *>(view->widget_of("BuildGrid"));
    ASSERT_NE(grid, nullptr);
    const std::string point2 = SEV.BuildGrid.TextMatrix(2, 6);
    ASSERT_FALSE(point2.empty());
    const QString hello = write("hello.QD3", "hello world\r\n");
    open_from_menu(hello, {QMessageBox::Ok});
    EXPECT_EQ(texts.last(), "Reading File Error...\n" + hello + "\na value that is not a number");
    EXPECT_EQ(File_Path, file.toStdString());
    EXPECT_EQ(Nb_Points, 4);
    EXPECT_EQ(SEV.BuildGrid.TextMatrix(2, 6), point2);
    EXPECT_EQ(view->windowTitle().toStdString().find("hello"), std::string::npos);
    ASSERT_TRUE(shot("integrity-after-non-sounding"));
}

class SplashSoundingWindow : public testing::ProgramStartTest<> {};

TEST_F(SplashSoundingWindow, ADeltaVTypedIntoASoundingFromTheSplashIsSavedByCtrlS) {
    const QString file = temp.path() + "/VES7.QD3";
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray::fromStdString(sounding_bytes()));
        QFile ini(temp.path() + "/Ohmira6.ini");
        ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
        ini.write("[Ohmira]\r\nLangue=E\r\nNiveau=0\r\n[File]\r\nFile 1=" + file.toUtf8() + "\r\n");
    }
    Prepare_Main_Window();
    connect_start_and_exit();
    view = &QtUi::instance().window_of(SEV);
    testing::when_dialog_opens([](QDialog &d) { // the splash: "Load the last Ohmira file"
        QTest::mouseClick(d.findChild<QAbstractButton *>("Command3"), Qt::LeftButton);
    });
    SEV.Show();
    QtUi::instance().sync_all();
    ASSERT_EQ(File_Path, file.toStdString());
    EXPECT_EQ(view->windowTitle(), "Ohmira 6.5 [" + file + "]");
    auto *grid = qobject_cast<GridWidget *>(view->widget_of("BuildGrid"));
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(SEV.BuildGrid.TextMatrix(2, 3), " 3.7") << "the points read into the built page";

    // ΔV of point 2 typed as 7, not computed, and saved with Ctrl+S.
    grid->setFocus();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->cell_rect(2, 3).center());
    QTest::keyClick(grid, Qt::Key_7);
    QtUi::instance().sync_all();
    EXPECT_EQ(SEV.BuildGrid.TextMatrix(2, 3), "7");
    ASSERT_TRUE(view->grab().save(folder + "/splash-typed.png"));
    testing::BoxSeen seen;
    testing::answer_box(QMessageBox::Yes, &seen); // "Recording File ..."
    QTest::keyClick(view, Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(QTest::qWaitFor([&seen] { return !seen.text.isEmpty(); }));
    EXPECT_EQ(seen.text, "Recording File " + file);

    // Opened again from the File menu's first recent file: the typed ΔV, its ρa computed.
    SEV.Toolbar1.user_click_button("bilog");
    view->action_of("F1_F")->trigger();
    QtUi::instance().sync_all();
    EXPECT_EQ(Field_Data(2, 4).num(), 7);
    EXPECT_EQ(Field_Data(2, 2).num(), 132) << "K 18.85 × 7 / 1";
    EXPECT_EQ(Field_Data(3, 2).num(), 120) << "the other points as they were";
    EXPECT_EQ(SEV.BuildGrid.TextMatrix(2, 3), " 7");
    ASSERT_TRUE(view->grab().save(folder + "/splash-reopened.png"));

    // A new sounding shows the field grid from its first row again.
    grid->verticalScrollBar()->setValue(20);
    EXPECT_EQ(SEV.BuildGrid.TopRow(), 21);
    SEV.Toolbar1.user_click_button("bilog");
    QtUi::instance().sync_all();
    EXPECT_EQ(grid->verticalScrollBar()->value(), 0);
}

// The window is the sounding a save writes: a resistivity deleted mid-grid stops Ctrl+S at the box
// naming its row; About ▸ "Start a new VES" then Ctrl+S proposes no earlier file; a model value
// typed is what leaving with No writes.
TEST_F(SoundingIntegrityWindow, AnEmptiedCellANewSoundingAndATypedModelSaveWhatTheWindowShows) {
    std::string r = "12.5\r\n";
    for (int i = 1; i <= 12; ++i)
        r += std::to_string(20 * i) + "," + std::to_string(10000 + 1000 * i) + ",50,0,0,0\r\n";
    r += "4000,200,0\r\n20000,0,200\r\n";
    for (int j = 3; j <= 20; ++j)
        r += "0,0,0\r\n";
    for (int t = 0; t < 7; ++t)
        r += "\"\"\r\n";
    const QString resistivities = write("R.QD3", r);
    open_from_menu(resistivities);
    auto *grid = qobject_cast<GridWidget *>(view->widget_of("BuildGrid"));
    ASSERT_NE(grid, nullptr);
    QtUi::instance().sync_all();
    SEV.BuildGrid.Row(9);
    SEV.BuildGrid.Col(6);
    grid->scroll_to_current();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->cell_rect(9, 6).center());
    QTest::keyClick(grid, Qt::Key_Delete);
    EXPECT_EQ(SEV.BuildGrid.TextMatrix(9, 6), "");
    answer({QMessageBox::Ok});
    QTest::keyClick(view, Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(QTest::qWaitFor([this] { return pending.isEmpty(); }));
    ASSERT_FALSE(texts.isEmpty());
    EXPECT_EQ(texts.last(), "The data end at row 9 : resistivity empty or 0");
    QFile kept(resistivities);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll().toStdString(), r) << "nothing written";
    EXPECT_EQ(SEV.BuildGrid.TextMatrix(12, 6), " 220");
    ASSERT_TRUE(shot("integrity-emptied-cell"));

    // About ▸ "Start a new VES": the window shows a new sounding; Ctrl+S asks for a name.
    testing::when_dialog_opens([](QDialog &about) {
        auto *start = about.findChild<QAbstractButton *>("Command2");
        ASSERT_NE(start, nullptr);
        start->click();
    });
    view->action_of("WS")->trigger();
    QtUi::instance().sync_all();
    EXPECT_EQ(view->windowTitle(), "Ohmira 6.5 [NEW]");
    EXPECT_EQ(SEV.BuildGrid.TextMatrix(1, 6), "");
    const int boxes = texts.size();
    QString proposed = "<no dialog>";
    testing::when_open<QFileDialog>([&proposed](QFileDialog &d) {
        auto *name = d.findChild<QLineEdit *>("fileNameEdit");
        proposed = name ? name->text() : "<no name box>";
        d.reject();
    });
    QTest::keyClick(view, Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(QTest::qWaitFor([&proposed] { return proposed != "<no dialog>"; }));
    EXPECT_EQ(proposed, "") << "no file shown before is proposed";
    EXPECT_EQ(texts.size(), boxes) << "no question about an earlier file";
    ASSERT_TRUE(shot("integrity-new-from-about"));

    // A model value typed, then File ▸ Exit answered No: the file holds it.
    const QString file = write("VES7.QD3", sounding_bytes());
    open_from_menu(file);
    auto *model = qobject_cast<GridWidget *>(view->widget_of("Grid1"));
    ASSERT_NE(model, nullptr);
    QtUi::instance().sync_all();
    QTest::mouseClick(model->viewport(), Qt::LeftButton, {}, model->cell_rect(1, 0).center());
    QTest::keyClicks(model, "55");
    EXPECT_EQ(SEV.Grid1.TextMatrix(1, 0), "55  ");
    ASSERT_TRUE(shot("integrity-model-typed"));
    answer({QMessageBox::No, QMessageBox::Yes}); // leaving: not saved; "Recording File ..."
    view->action_of("E_M")->trigger();
    EXPECT_TRUE(QTest::qWaitFor([this] { return pending.isEmpty(); }));
    EXPECT_TRUE(program_ended());
    QFile saved(file);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QString bytes = QString::fromLatin1(saved.readAll());
    EXPECT_TRUE(bytes.contains("\r\n5500,200,0\r\n")) << bytes.toStdString();
}

} // namespace
} // namespace ohmira::qt
