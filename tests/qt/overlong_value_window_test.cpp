// A value the sounding file cannot hold, typed key by key into the real field grid: "Compute /
// fit" shows the box naming it and the row where the data end, and keeps the rows above it.
// Set OHMIRA_QT_SHOTS to keep the pictures.
#include "app/app_state.h"
#include "app/main_frame.h"
#include "core/sounding.h"
#include "editor/data_entry.h"
#include "form/sev_form.h"
#include "main_window_fixture.h"
#include "platform/qt/form_view.h"
#include "platform/qt/grid_widget.h"

#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace ohmira::qt {
namespace {

class OverlongValueWindow : public testing::MainWindowTest {
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

    GridWidget *grid = nullptr;
};

TEST_F(OverlongValueWindow, ComputeNamesATypedValueTheFileCannotHold) {
    ASSERT_EQ(File_Name, "NEW");
    // ΔV and I of the first five spacings of the table; row 4's ΔV has forty digits.
    const std::string overlong = "1" + std::string(39, '0');
    const std::string dv[] = {"1600", "800", "300", overlong, "80"};
    for (int r = 1; r <= 5; ++r) {
        click_cell(r, 3);
        QTest::keyClicks(grid, QString::fromStdString(dv[r - 1]));
        QTest::keyClick(grid, Qt::Key_Right);
        QTest::keyClicks(grid, "100");
    }
    ASSERT_EQ(SEV.BuildGrid.TextMatrix(4, 3), overlong);

    const std::string model_before = SEV.Grid1.TextMatrix(1, 0) + "|" + SEV.Grid1.TextMatrix(1, 1);
    QString text;
    bool answered = false;
    testing::when_open<QMessageBox>([&](QMessageBox &box) {
        text = box.text();
        box.grab().save(shots + "/overlong-value-box.png");
        shot("overlong-value-window");
        box.button(QMessageBox::Ok)->click();
        answered = true;
    });
    QTest::mouseClick(qobject_cast<QPushButton *>(view->widget_of("Computation")), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return answered; }));
    EXPECT_EQ(text, "The data end at row 4 : value too large for the file (1E+39)");
    EXPECT_EQ(Nb_Points, 3);
    EXPECT_EQ(Field_Data(3, 4).num(), 300.0);
    EXPECT_EQ(SEV.BuildGrid.TextMatrix(4, 3), overlong) << "the typed text stays to be mended";
    EXPECT_EQ(SEV.Grid1.TextMatrix(1, 0) + "|" + SEV.Grid1.TextMatrix(1, 1), model_before)
        << "nothing fitted to part of the data";
}

} // namespace
} // namespace ohmira::qt
