// Converting instrument files in the real window: each Conversions menu item chosen, its file
// picked in the file dialog, the save question answered, the converted sounding on the main tab.
// Set OHMIRA_QT_SHOTS to a folder to keep the pictures.
#include "app/app_state.h"
#include "app/main_frame.h"
#include "core/sounding.h"
#include "editor/data_entry.h"
#include "form/settings_values.h"
#include "form/sev_form.h"
#include "main_window_fixture.h"
#include "platform/qt/form_view.h"

#include "../conversions/sample_files.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMenuBar>
#include <QTabBar>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace ohmira::qt {
namespace {

using testing::when_open;

class ConversionsWindow : public testing::MainWindowTest {
protected:
    // Chooses the menu item, picks `file` in the file dialog (checking its title and filter),
    // and answers each message box that follows with `answers`, in order.
    void convert(const std::string &item, const QString &file, const QString &title,
                 const QString &filter, QList<QMessageBox::StandardButton> answers) {
        QAction *action = view->action_of(item);
        ASSERT_NE(action, nullptr) << item;
        QStringList seen;
        when_open<QFileDialog>([&, answers](QFileDialog &d) {
            seen << d.windowTitle() << d.nameFilters().join(";");
            testing::type_file_name(d, file);
            if (item == "Geotrade")
                d.grab().save(shots + "/conversions-open.png");
            answer(answers);
        });
        action->trigger();
        ASSERT_EQ(seen.size(), 2) << item;
        EXPECT_EQ(seen[0], title);
        EXPECT_EQ(seen[1], filter);
        EXPECT_TRUE(boxes_pending.isEmpty()) << item;
    }

    void answer(QList<QMessageBox::StandardButton> answers) {
        boxes_pending = answers;
        if (answers.isEmpty())
            return;
        when_open<QMessageBox>([this](QMessageBox &box) {
            box_texts << box.text();
            const auto button = boxes_pending.takeFirst();
            if (QAbstractButton *b = box.button(button))
                b->click();
            else
                box.reject();
            answer(boxes_pending);
        });
    }

    QList<QMessageBox::StandardButton> boxes_pending;
    QStringList box_texts;
};

TEST_F(ConversionsWindow, EachFormatConvertedFromTheMenu) {
    using ohmira::test::abem_sample;
    Spacing_File = write("DATAVES.TXT", ohmira::test::spacing_table(4)).toStdString();
    Niveau = "0";

    const QString gtr = write("S1.GTR", ohmira::test::gtr_sample());
    convert("Geotrade", gtr, "OHMIRA File selection", "Fichier Ohmira *.GTR (*.[gG][tT][rR])",
            {QMessageBox::Yes});
    EXPECT_TRUE(QFile::exists(temp.path() + "/S1.QD3"));
    EXPECT_EQ(Nb_Points, 3);

    convert("NAbem", write("W12.VES", abem_sample()), "OHMIRA File selection",
            "Fichier Ohmira *.VES (*.[vV][eE][sS])", {QMessageBox::Yes});
    EXPECT_TRUE(QFile::exists(temp.path() + "/W12.QD3"));
    EXPECT_EQ(Comment, "Well 12, north");

    convert(
        "SAS1000",
        write("S3.amp", ohmira::test::amp_sample(
                            "Index", 10, {"1 0 0 2 1 100 0.25 31.4 0", "2 0 0 6 1 90 0.05 48 0"})),
        "OHMIRA File selection", "Fichier Ohmira *.amp (*.[aA][mM][pP])", {QMessageBox::Yes});
    EXPECT_TRUE(QFile::exists(temp.path() + "/S3.QD3"));

    // A refused file: the box, no question, nothing written.
    const QString bad =
        write("bad.amp", ohmira::test::amp_sample("Index", 7, {"1 0 0 2 1 1 1 1 0"}));
    convert("SAS1000", bad, "OHMIRA File selection", "Fichier Ohmira *.amp (*.[aA][mM][pP])",
            {QMessageBox::Ok});
    EXPECT_EQ(box_texts.last(),
              "Array codes other than 1, 2, 3 and 10 not supported\n" + bad + "\nline 8: 7");
    EXPECT_FALSE(QFile::exists(temp.path() + "/bad.QD3"));

    convert("PASI", write("P1.TXT", ohmira::test::pasi_sample()), "OHMIRA File selection",
            "Fichier Ohmira *.TXT (*.[tT][xX][tT])", {QMessageBox::Yes});
    EXPECT_TRUE(QFile::exists(temp.path() + "/P1.QD3"));
    EXPECT_EQ(Data_Source, "PASI");

    convert("OYO", write("O1.csv", ohmira::test::oyo_sample("Resistivity", "WENNER")),
            "OYO file selection", "File OYO *.csv (*.[cC][sS][vV])", {});
    EXPECT_TRUE(QFile::exists(temp.path() + "/O1.QD3"));
    EXPECT_EQ(SEV.Text4.Text(), "Wenner");
    EXPECT_EQ(SEV.SSTab1.Tab(), 1);

    convert("astier", write("A3.dat", ohmira::test::astier_sample()), "ASTIER file selection",
            "Fichier Astier *.dat (*.[dD][aA][tT])", {});
    EXPECT_TRUE(QFile::exists(temp.path() + "/A3.QD3"));
    EXPECT_EQ(File_Name, "A3.QD3");
    EXPECT_EQ(Comment, "Profil A SEV No 3");
    EXPECT_EQ(view->windowTitle().toStdString(), SEV.Caption());

    // The main tab after the last conversion.
    auto *tabs = view->widget_of("SSTab1")->findChild<QTabBar *>();
    ASSERT_NE(tabs, nullptr);
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(0).center());
    EXPECT_EQ(SEV.SSTab1.Tab(), 0);
    QtUi::instance().sync_all();
    ASSERT_TRUE(shot("conversions-main"));
}

} // namespace
} // namespace ohmira::qt
