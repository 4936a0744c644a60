// The data-entry page in the real window: a sounding opened through File ▸ Read with the dialog
// answered, and a new Schlumberger sounding typed key by key, computed by the Down arrow and saved
// through the save button's question and dialog. Set OHMIRA_QT_SHOTS to keep the pictures.
#include "app/app_state.h"
#include "app/main_frame.h"
#include "commands/model_editor.h"
#include "commands/open_save.h"
#include "core/qd3_file.h"
#include "core/sounding.h"
#include "editor/data_entry.h"
#include "form/sev_form.h"
#include "main_window_fixture.h"
#include "platform/number_text.h"
#include "platform/qt/form_view.h"
#include "platform/qt/grid_widget.h"
#include "platform/qt/qt_convert.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>

namespace ohmira::qt {
namespace {

class DataEntryWindow : public testing::MainWindowTest {
protected:
    void prepare() override { prepare_schlumberger_page(); }
    void SetUp() override {
        MainWindowTest::SetUp();
        grid = qobject_cast<GridWidget *>(view->widget_of("BuildGrid"));
        ASSERT_NE(grid, nullptr);
    }

    void click_cell(int row, int col) {
        QtUi::instance().sync_all();
        grid->scroll_to_current();
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->cell_rect(row, col).center());
    }
    static std::string cell(int r, int c) { return SEV.BuildGrid.TextMatrix(r, c); }

    GridWidget *grid = nullptr;
};

TEST_F(DataEntryWindow, OpenThroughTheFileMenu) {
    // A sounding file of four points.
    const double points[4][6] = {
        {1.5, 100, 0.5, 1600, 6.28, 100},
        {3, 82.5, 0.5, 300, 27.49, 100},
        {10, 60, 2, 100, 155.5, 100},
        {30, 90, 2, 40, 1410.6, 100},
    };
    Nb_Points = 4;
    for (int i = 0; i < 4; ++i)
        for (int c = 0; c < 6; ++c)
            Field_Data(i + 1, c + 1) = points[i][c];
    const std::string file = (temp.path() + "/site.QD3").toStdString();
    ASSERT_EQ(write_qd3_file(file), 0);
    Field_Data.clear();
    Nb_Points = 0;

    QMenuBar *bar = view->menu_bar();
    QAction *file_menu = bar->actions().front();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(file_menu).center());
    QMenu *menu = file_menu->menu();
    ASSERT_TRUE(QTest::qWaitFor([&] { return menu->isVisible(); }));
    QAction *read = view->action_of("NFile");
    ASSERT_NE(read, nullptr);
    QString title;
    testing::answer_file_dialog(QString::fromStdString(file), &title);
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(read).center());
    ASSERT_TRUE(QTest::qWaitFor([&] { return File_Path == file; }));
    EXPECT_EQ(title, "OHMIRA File selection");
    EXPECT_EQ(Nb_Points, 4);
    EXPECT_EQ(Recent_Files(1), file);
    QtUi::instance().sync_all();
    EXPECT_EQ(cell(1, 1), " .5");
    EXPECT_EQ(cell(1, 2), " 1.5");
    EXPECT_EQ(cell(3, 5), " 155.5");
    EXPECT_EQ(cell(4, 5), " 1410"); // decimals cut to six characters
    EXPECT_EQ(cell(4, 6), " 90");
    EXPECT_EQ(cell(5, 2), "");

    // "Compute / fit" draws the frame with the four field points.
    const auto empty_frame = SEV.Bilog.picture().size();
    QTest::mouseClick(qobject_cast<QPushButton *>(view->widget_of("Computation")), Qt::LeftButton);
    QtUi::instance().sync_all();
    EXPECT_GT(SEV.Bilog.picture().size(), empty_frame);
    shot("data-entry-opened");
}

TEST_F(DataEntryWindow, TypeComputeAndSaveANewSounding) {
    ASSERT_EQ(File_Name, "NEW");
    ASSERT_EQ(cell(5, 2), " 5");
    // ΔV and I of the first five spacings of the table (MN/2 .5; AB/2 1.5, 2, 3, 4, 5).
    const char *dv[] = {"1600", "800", "300", "150", "80"};
    for (int r = 1; r <= 5; ++r) {
        click_cell(r, 3);
        QTest::keyClicks(grid, dv[r - 1]);
        QTest::keyClick(grid, Qt::Key_Right);
        QTest::keyClicks(grid, "100");
    }
    EXPECT_EQ(cell(5, 3), "80");
    EXPECT_EQ(cell(5, 4), "100");
    QTest::keyClick(grid, Qt::Key_Down);
    EXPECT_EQ(Nb_Points, 5);
    EXPECT_EQ(SEV.BuildGrid.Row(), 6);
    const char *k[] = {" 6.28", " 11.78", " 27.49", " 49.48", " 77.75"};
    const char *rho[] = {" 100", " 94.2", " 82.5", " 74.2", " 62.2"};
    for (int r = 1; r <= 5; ++r) {
        EXPECT_EQ(cell(r, 5), k[r - 1]) << r;
        EXPECT_EQ(cell(r, 6), rho[r - 1]) << r;
    }
    // More than two points: the automatic model, fitted, stands in the model grid.
    EXPECT_GE(Nb_Layers, 2);
    EXPECT_GT(Val(SEV.Grid1.TextMatrix(1, 0)), 0);
    EXPECT_GT(Val(SEV.Grid1.TextMatrix(1, 1)), 0);
    QtUi::instance().sync_all();
    shot("data-entry-typed");

    // Save: the question answered Yes, then the save dialog given a name without extension.
    const QString name = temp.path() + "/typed";
    testing::BoxSeen seen;
    testing::when_open<QMessageBox>([&](QMessageBox &box) {
        seen.text = box.text();
        testing::answer_file_dialog(name);
        box.button(QMessageBox::Yes)->click();
    });
    QTest::mouseClick(qobject_cast<QPushButton *>(view->widget_of("SaveButton")), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return File_Name == "typed.QD3"; }));
    EXPECT_TRUE(seen.text.startsWith(" Electrical sounding has   5 data"));

    QFile saved(name + ".QD3");
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = saved.readAll().split('\n');
    ASSERT_EQ(lines.size(), 1 + 5 + 20 + 7 + 1);
    const char *expected[] = {
        "5.5\r",
        "15,10000,50,16000,628,100\r",
        "20,9420,50,8000,1178,100\r",
        "30,8250,50,3000,2749,100\r",
        "40,7420,50,1500,4948,100\r",
        "50,6220,50,800,7775,100\r",
    };
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(lines[i].toStdString(), expected[i]) << i;
    // The model of the grid follows the points: round(100 × ρ), round(100 × h), depth.
    const auto layer_line = [](int j) {
        return std::to_string(std::lround(Val(SEV.Grid1.TextMatrix(j, 0)) * 100)) + "," +
               std::to_string(std::lround(Val(SEV.Grid1.TextMatrix(j, 1)) * 100)) + ",";
    };
    for (int j = 1; j <= Nb_Layers; ++j)
        EXPECT_EQ(lines[5 + j].left(static_cast<int>(layer_line(j).size())).toStdString(),
                  layer_line(j))
            << j;
    for (int i = 26; i < 33; ++i)
        EXPECT_EQ(lines[i].toStdString(), "\"\"\r") << i;
    EXPECT_EQ(lines[33], "");
}

// Every text of both grids shows whole, its ink inside its cell, also in a grid too narrow for
// its columns (which then scrolls); the ΔV of 4392.676 mV is looked at pixel by pixel too.
TEST_F(DataEntryWindow, WideValuesShowWholeInBothGrids) {
    // ΔV in the thousands of mV, as a Geotrade file gives it, and a very resistive layer.
    Nb_Points = 2;
    const double points[2][6] = {{1.5, 2650.4, 0.5, 4392.676, 6.28, 10.4},
                                 {2.5, 1838.2, 0.5, 1517.125, 18.85, 15.6}};
    for (int i = 0; i < 2; ++i)
        for (int c = 0; c < 6; ++c)
            Field_Data(i + 1, c + 1) = points[i][c];
    Nb_Layers = 2;
    Model_Layers(1, 1) = 2147483.5;
    Model_Layers(2, 1) = 12345.75;
    Model_Layers(1, 2) = 80.0;
    Set_Model_Editor_Captions();
    Show_Sounding();
    SEV.BuildGrid.Row(8);
    SEV.BuildGrid.Col(1);
    QtUi::instance().sync_all();
    ASSERT_EQ(cell(1, 3), " 4392.676");
    shot("data-entry-wide-values");

    const auto texts_fit = [&](const char *name, const FlexGrid &model) {
        auto *g = qobject_cast<GridWidget *>(view->widget_of(name));
        ASSERT_NE(g, nullptr);
        const QFontMetrics metrics(to_qfont(model.Font()));
        for (int r = 0; r < model.Rows(); ++r)
            for (int c = 0; c < model.Cols(); ++c) {
                const QString ink = QString::fromStdString(model.TextMatrix(r, c)).trimmed();
                EXPECT_LE(metrics.horizontalAdvance(ink), g->cell_rect(r, c).width() - 2)
                    << name << " " << r << "," << c << " " << ink.toStdString();
            }
    };
    texts_fit("Grid1", SEV.Grid1);
    texts_fit("BuildGrid", SEV.BuildGrid);
    // The field grid keeps its width: no column pushed out of sight.
    EXPECT_EQ(grid->horizontalScrollBar()->maximum(), 0);

    const QRect dv = grid->cell_rect(1, 3);
    const QImage image = grid->viewport()->grab().toImage();
    int left = -1, right = -1;
    for (int x = dv.left() - 2; x <= dv.right(); ++x)
        for (int y = dv.top() + 1; y < dv.bottom(); ++y)
            if (qGray(image.pixel(x, y)) < 128) {
                left = left < 0 ? x : left;
                right = x;
            }
    const QFontMetrics metrics(to_qfont(SEV.BuildGrid.Font()));
    EXPECT_GE(left, dv.left());
    EXPECT_GE(right - left + 1, metrics.boundingRect("4392.676").width() - 1);

    // Half as wide: the columns keep the room their texts need, and the grid scrolls.
    SEV.BuildGrid.Width(SEV.BuildGrid.Width() / 2);
    QtUi::instance().sync_all();
    QTest::qWait(20);
    texts_fit("BuildGrid", SEV.BuildGrid);
    EXPECT_GT(grid->horizontalScrollBar()->maximum(), 0);
}

TEST_F(DataEntryWindow, DoubleClickPastesTheDesktopClipboardDownTheColumn) {
    QGuiApplication::clipboard()->setText("12.5\r\n13\n14.25");
    click_cell(2, 3);
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, grid->cell_rect(2, 3).center());
    EXPECT_EQ(cell(2, 3), "12.5");
    EXPECT_EQ(cell(3, 3), "13");
    EXPECT_EQ(cell(4, 3), "14.25");
    EXPECT_EQ(cell(5, 3), "");
    EXPECT_TRUE(QGuiApplication::clipboard()->text().isEmpty());
}

} // namespace
} // namespace ohmira::qt
