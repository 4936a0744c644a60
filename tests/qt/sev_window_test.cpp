// The main window as a user meets it: shown, tabs switched with the mouse, a menu opened, a grid
// typed into, a message box answered, the window grabbed to PNG and closed. Set OHMIRA_QT_SHOTS
// to a folder to keep the pictures.
#include "app/main_frame.h"
#include "core/sounding.h"
#include "editor/data_entry.h"
#include "form/settings_values.h"
#include "form/sev_form.h"
#include "main_window_fixture.h"
#include "platform/app_info.h"
#include "platform/dialog_host.h"
#include "platform/qt/form_view.h"
#include "platform/qt/grid_widget.h"

#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QTabBar>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace ohmira::qt {
namespace {

class SevWindow : public testing::MainWindowTest {
protected:
    void prepare() override {
        // The spacing table the main tab's page is built from.
        Spacing_File = std::string(OHMIRA_TEST_DATA) + "/../../data/DATAVES.TXT";
        Niveau = "0";
        File_Name = "S1.QD3"; // an opened sounding: the main tab shows its (empty) data
    }
};

TEST_F(SevWindow, TabsMenusGridAndBoxesWorkWithMouseAndKeys) {
    EXPECT_EQ(view->windowTitle(), QString::fromStdString(SEV.Caption()));
    ASSERT_TRUE(shot(view, "sev-tab0"));

    auto *tabs = view->widget_of("SSTab1")->findChild<QTabBar *>();
    ASSERT_NE(tabs, nullptr);
    ASSERT_EQ(tabs->count(), 5);
    EXPECT_EQ(tabs->tabText(1), "Print");
    for (int t = 1; t < tabs->count(); ++t) {
        if (t == 4) // the section tab without soundings says so
            testing::answer_box(QMessageBox::Ok);
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(t).center());
        EXPECT_EQ(SEV.SSTab1.Tab(), t);
        EXPECT_EQ(view->widget_of("Bilog")->isVisible(), false);
        ASSERT_TRUE(shot(view, QString("sev-tab%1").arg(t)));
    }
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(0).center());
    EXPECT_TRUE(view->widget_of("Bilog")->isVisible());

    // The first menu opens from the menu bar.
    QMenuBar *bar = view->menu_bar();
    ASSERT_FALSE(bar->actions().isEmpty());
    QAction *first = bar->actions().front();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(first).center());
    QMenu *menu = first->menu();
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(QTest::qWaitFor([&] { return menu->isVisible(); }));
    ASSERT_TRUE(shot(menu, "sev-menu"));
    menu->close();

    // Typing into the field-data grid: the program's key handler writes the cell.
    auto *grid = qobject_cast<GridWidget *>(view->widget_of("BuildGrid"));
    ASSERT_NE(grid, nullptr);
    SEV.BuildGrid.Rows(5);
    SEV.BuildGrid.Cols(3);
    QtUi::instance().sync_all();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->cell_rect(1, 1).center());
    QTest::keyClicks(grid, "12.5");
    EXPECT_EQ(SEV.BuildGrid.TextMatrix(1, 1), "12.5");

    // A question answered with No.
    testing::BoxSeen seen;
    testing::answer_box(QMessageBox::No, &seen);
    EXPECT_EQ(MsgBox("Recording File x.QD3", vbYesNo | vbQuestion), vbNo);
    EXPECT_EQ(seen.title.toStdString(), AppInfo::Title);
    testing::when_dialog_opens([this](QDialog &d) {
        shot(&d, "sev-msgbox");
        d.reject();
    });
    MsgBox("Automatic model impossible...", vbCritical);

    ASSERT_TRUE(shot(view, "sev-final"));
    EXPECT_FALSE(QImage(shots + "/sev-final.png").isNull());

    view->close();
    EXPECT_FALSE(SEV.loaded());
    EXPECT_FALSE(view->isVisible());
}

} // namespace
} // namespace ohmira::qt
