// The grid on screen as the editors use it: one header row and no fixed column, cell colours,
// KeyDown before the grid's own move, keypad codes and double clicks on a cell.
#include "platform/flex_grid.h"
#include "platform/form.h"
#include "platform/qt/form_view.h"
#include "platform/qt/grid_widget.h"
#include "qt_test_app.h"

#include <QScrollBar>

#include <gtest/gtest.h>

#include <vector>

namespace ohmira::qt {
namespace {

struct GridForm : Form {
    GridForm() : Form("GridForm", "Grid") { Move(0, 0, 6000, 4000); }
    FlexGrid Grid{*this, "Grid", 120, 120, 4000, 2400};
};

class GridViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        testing::app();
        f = std::make_unique<GridForm>();
        f->Grid.Cols(4);
        f->Grid.Rows(6);
        f->Grid.FixedRows(1);
        f->Grid.FixedCols(0);
        f->Grid.FormatString(">Rho|>Thick|>Depth|>Alt");
        f->Show();
        view = &QtUi::instance().window_of(*f);
        QtUi::instance().sync_all();
        view->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(view));
        grid = qobject_cast<GridWidget *>(view->widget_of("Grid"));
        ASSERT_NE(grid, nullptr);
    }
    void TearDown() override {
        delete view;
        f.reset();
    }
    QColor pixel_in(int row, int col) {
        const QImage image = grid->viewport()->grab().toImage();
        const QRect r = grid->cell_rect(row, col);
        return image.pixelColor(r.left() + 2, r.top() + 2);
    }

    std::unique_ptr<GridForm> f;
    FormView *view = nullptr;
    GridWidget *grid = nullptr;
};

TEST_F(GridViewTest, KeyDownSeesTheCellBeforeTheGridMoves) {
    std::vector<std::pair<int, int>> seen; // key code, row at KeyDown
    f->Grid.KeyDown = [&](int &code, int) { seen.emplace_back(code, f->Grid.Row()); };
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->cell_rect(2, 0).center());
    ASSERT_EQ(f->Grid.Row(), 2);
    QTest::keyClick(grid, Qt::Key_Down);
    EXPECT_EQ(f->Grid.Row(), 3);
    QTest::keyClick(grid, Qt::Key_7, Qt::KeypadModifier);
    QTest::keyClick(grid, Qt::Key_Period, Qt::KeypadModifier);
    QTest::keyClick(grid, Qt::Key_Period);
    QTest::keyClick(grid, Qt::Key_7);
    const std::vector<std::pair<int, int>> expected{
        {vbKeyDown, 2}, {103, 3}, {110, 3}, {190, 3}, {'7', 3}};
    EXPECT_EQ(seen, expected);
    // The first column is not fixed: Left from column 1 reaches it.
    QTest::keyClick(grid, Qt::Key_Right);
    QTest::keyClick(grid, Qt::Key_Left);
    QTest::keyClick(grid, Qt::Key_Left);
    EXPECT_EQ(f->Grid.Col(), 0);
}

TEST_F(GridViewTest, DoubleClickComesAfterTheClickOnTheSameCell) {
    std::vector<std::string> events;
    f->Grid.Click = [&] { events.push_back("click " + std::to_string(f->Grid.Row())); };
    f->Grid.DblClick = [&] {
        events.push_back("dblclick " + std::to_string(f->Grid.MouseRow()) + "," +
                         std::to_string(f->Grid.MouseCol()));
    };
    // A user's double click: press, release, press, double click, release.
    const QPoint at = grid->cell_rect(4, 1).center();
    QTest::mousePress(grid->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(grid->viewport(), Qt::LeftButton, {}, at);
    QTest::mousePress(grid->viewport(), Qt::LeftButton, {}, at);
    QMouseEvent dbl(QEvent::MouseButtonDblClick, at, grid->viewport()->mapToGlobal(at),
                    Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(grid->viewport(), &dbl);
    QTest::mouseRelease(grid->viewport(), Qt::LeftButton, {}, at);
    const std::vector<std::string> expected{"click 4", "dblclick 4,1"};
    EXPECT_EQ(events, expected);
    EXPECT_EQ(f->Grid.Col(), 1);
}

TEST_F(GridViewTest, CellColoursAndTheHeaderRowArePainted) {
    f->Grid.Row(2);
    f->Grid.Col(1);
    f->Grid.CellBackColor(65535); // yellow
    f->Grid.CellForeColor(255);
    f->Grid.Text(" 25  ");
    f->Grid.Row(5);
    QtUi::instance().sync_all();
    EXPECT_EQ(pixel_in(2, 1), QColor(255, 255, 0));
    EXPECT_EQ(pixel_in(3, 1), QColor(255, 255, 255));
    const QColor header = pixel_in(0, 0);
    EXPECT_NE(header, QColor(255, 255, 255)) << "the header row has its own background";
    EXPECT_EQ(f->Grid.TextMatrix(0, 1), "Thick");
    // Redraw off holds the picture until it is switched on again.
    f->Grid.Redraw(false);
    f->Grid.Row(3);
    f->Grid.CellBackColor(65535);
    QtUi::instance().sync_all();
    f->Grid.Redraw(true);
    QtUi::instance().sync_all();
    EXPECT_EQ(pixel_in(3, 1), QColor(255, 255, 0));
}

} // namespace
} // namespace ohmira::qt

namespace ohmira::qt {
namespace {

// Scrolling goes by whole rows: the first body row under the header is always whole, the last
// row can be reached and then shows whole, and the arrow keys keep the current row whole.
TEST_F(GridViewTest, ScrollingShowsWholeRows) {
    f->Grid.Rows(40);
    QtUi::instance().sync_all();
    QScrollBar *bar = grid->verticalScrollBar();
    const int header = grid->cell_rect(0, 0).height();
    const int viewport = grid->viewport()->height();
    ASSERT_GT(bar->maximum(), 0);
    for (int value : {1, 7, bar->maximum()}) {
        bar->setValue(value);
        EXPECT_EQ(grid->cell_rect(1 + value, 0).top(), header) << value;
    }
    EXPECT_LE(grid->cell_rect(39, 0).bottom(), viewport - 1);
    bar->setValue(0);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->cell_rect(1, 0).center());
    for (int i = 0; i < 25; ++i)
        QTest::keyClick(grid, Qt::Key_Down);
    QtUi::instance().sync_all();
    EXPECT_EQ(f->Grid.Row(), 26);
    const QRect current = grid->cell_rect(26, 0);
    EXPECT_GE(current.top(), header);
    EXPECT_LE(current.bottom(), viewport - 1);
}

} // namespace
} // namespace ohmira::qt
