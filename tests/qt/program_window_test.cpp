// The program's start and end as a user meets them: a prepared settings file, the splash window
// answered with a click, the window resized, and the close box answered Cancel, then Yes. Set
// OHMIRA_QT_SHOTS to a folder to keep the pictures.
#include "app/app_events.h"
#include "app/app_state.h"
#include "app/main_frame.h"
#include "app/splash_form.h"
#include "app/window_layout.h"
#include "commands/open_save.h"
#include "core/sounding.h"
#include "form/sev_form.h"
#include "platform/number_locale.h"
#include "platform/program_end.h"
#include "platform/qt/form_view.h"
#include "platform/qt/qt_convert.h"
#include "platform/screen.h"
#include "platform/single_instance.h"
#include "program_start_fixture.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QScreen>
#include <QTabBar>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace ohmira::qt {
namespace {

class ProgramWindow : public testing::ProgramStartTest<> {
protected:
    void write_ini(const QByteArray &bytes) {
        QFile f(temp.path() + "/Ohmira6.ini");
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QByteArray ini() {
        QFile f(temp.path() + "/Ohmira6.ini");
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    bool shot(QWidget *w, const QString &name) {
        return w->grab().save(folder + "/" + name + ".png");
    }
};

TEST_F(ProgramWindow, StartWithSettingsResizeAndCloseWithTheQuestion) {
    write_ini("[Ohmira]\r\nLangue=F\r\nNiveau=1\r\n[File]\r\nFile 1=/data/ves/Puits 12.QD3\r\n");
    File_Path = "/data/ves/Puits 12.QD3";
    Prepare_Main_Window();
    connect_start_and_exit();
    fit_form_to_screen(SEV);
    view = &QtUi::instance().window_of(SEV);

    // The splash window in French: look at it, then begin a new sounding with its button.
    QStringList captions;
    bool main_window_shown = false;
    testing::when_dialog_opens([&](QDialog &d) {
        main_window_shown = view->isVisible();
        for (const char *name : {"Command2", "Command4", "Command3", "Command5"})
            if (auto *b = d.findChild<QAbstractButton *>(name))
                captions << b->text();
        shot(&d, "program-splash");
        QTest::mouseClick(d.findChild<QAbstractButton *>("Command2"), Qt::LeftButton);
    });
    SEV.Show();
    EXPECT_FALSE(frmSplash.loaded());
    EXPECT_TRUE(main_window_shown);
    EXPECT_EQ(captions, (QStringList{"Nouveau sondage", "Ouvrir un fichier",
                                     "Ouvrir le dernier fichier", "Lire l'aide Ohmira"}));

    QtUi::instance().sync_all();
    ASSERT_TRUE(view->isVisible());
    // The start-up ends on a new sounding, named in the caption as every sounding is.
    EXPECT_EQ(view->windowTitle(), QString::fromUtf8("Ohmira 6.5 [NEW]"));
    QAction *recent = view->action_of("F1_F");
    ASSERT_NE(recent, nullptr);
    EXPECT_EQ(recent->text(), "&1 /data/ves/Puits 12.QD3");
    auto *tabs = view->widget_of("SSTab1")->findChild<QTabBar *>();
    ASSERT_NE(tabs, nullptr);
    EXPECT_EQ(tabs->currentIndex(), 0);
    auto *status = qobject_cast<QLineEdit *>(view->widget_of("Text1"));
    ASSERT_NE(status, nullptr);
    EXPECT_TRUE(status->isVisible()); // outside the tab strip: seen on every page
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(2).center());
    EXPECT_TRUE(status->isVisible());
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(0).center());

    // The window lies inside the screen's free area.
    const QRect area = view->screen()->availableGeometry();
    EXPECT_LE(view->height(), area.height());
    EXPECT_LE(view->width(), area.width());
    ASSERT_TRUE(shot(view, "program-started"));

    // Resized by the user: the tab strip and the plot follow in proportion.
    view->resize(area.width() - 40, area.height() - 60);
    QTest::qWait(50);
    QtUi::instance().sync_all();
    EXPECT_NEAR(SEV.SSTab1.Width(), 0.97 * SEV.Width(), 1);
    EXPECT_NEAR(SEV.Bilog.Width(), 0.62 * SEV.SSTab1.Width(), 1);
    EXPECT_NEAR(view->widget_of("Bilog")->width(), twips_to_px(SEV.Bilog.Width()), 1);
    ASSERT_TRUE(shot(view, "program-large"));

    // Shrunk below the minimum: back to it (as far as the screen allows).
    view->resize(200, 150);
    QTest::qWait(50);
    QtUi::instance().sync_all();
    EXPECT_EQ(SEV.Width(), std::min(min_window_width, Screen.Width()));
    EXPECT_EQ(SEV.Height(), std::min(min_window_height, Screen.Height()));

    // The close box asks; Cancel keeps the window, with the settings already written.
    testing::BoxSeen seen;
    testing::answer_box(QMessageBox::Cancel, &seen);
    view->close();
    EXPECT_TRUE(view->isVisible());
    EXPECT_TRUE(SEV.loaded());
    EXPECT_FALSE(program_ended());
    EXPECT_EQ(seen.title, "Ohmira 6.5");
    EXPECT_TRUE(seen.text.contains("Vous allez quitter le programme"));
    EXPECT_EQ(seen.buttons.size(), 3);
    EXPECT_TRUE(ini().contains("File 1=/data/ves/Puits 12.QD3"));

    // Yes ends the program at once: no second question, the window goes.
    testing::answer_box(QMessageBox::Yes);
    view->close();
    EXPECT_TRUE(program_ended());
    EXPECT_FALSE(view->isVisible());
}

} // namespace
} // namespace ohmira::qt
