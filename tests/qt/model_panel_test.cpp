// The model panel in the real main window: a three-layer model typed into the model grid with
// keys, computed and fitted with the buttons, then two more fits with the overlay box checked.
// Set OHMIRA_QT_SHOTS to a folder to keep the pictures.
#include "../core/sounding_setters.h"
#include "app/app_state.h"
#include "app/main_frame.h"
#include "commands/model_editor.h"
#include "core/forward.h"
#include "core/language.h"
#include "core/sounding.h"
#include "editor/model_grid.h"
#include "form/applied_array.h"
#include "form/settings_values.h"
#include "form/sev_form.h"
#include "main_window_fixture.h"
#include "platform/qt/form_view.h"
#include "platform/qt/grid_widget.h"
#include "platform/scripted_dialog_host.h"
#include "plot/forward_commands.h"

#include <QCheckBox>
#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace ohmira::qt {
namespace {

class ModelPanel : public testing::MainWindowTest {
protected:
    void prepare() override {
        english_with_model_and_error_curve();
        Apply_Array(Array_Type::Schlumberger);
        Setup_Field_Points();
        File_Name = "VES12.QD3";
        Fresh_Load = 0;
        Set_Model_Editor_Captions();
    }
    void SetUp() override {
        MainWindowTest::SetUp();
        grid = qobject_cast<GridWidget *>(view->widget_of("Grid1"));
        ASSERT_NE(grid, nullptr);
    }

    // Field points of a three-layer earth (80 ohm·m over 4 m, 8 over 25 m, 600 below).
    static void Setup_Field_Points() {
        test::set_model({{80, 4}, {8, 25}, {600, 0}});
        test::set_field({{1, 1}, {1000, 1}});
        Draw_Mode = "FICHIER";
        Compute_Curve();
        std::vector<std::pair<double, double>> points;
        for (int k = 8; k <= 32; ++k)
            points.emplace_back(Curve(k, 2).num(), Curve(k, 1).num());
        test::set_field(points);
        Draw_Mode.clear();
        Curve.clear();
        Model_Layers.clear();
        Nb_Layers = 0;
    }

    void click_cell(int row, int col) {
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->cell_rect(row, col).center());
    }
    // A user's double click: press, release, press, double click, release.
    void double_click_cell(int row, int col) {
        const QPoint at = grid->cell_rect(row, col).center();
        QTest::mousePress(grid->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseRelease(grid->viewport(), Qt::LeftButton, {}, at);
        QTest::mousePress(grid->viewport(), Qt::LeftButton, {}, at);
        QMouseEvent dbl(QEvent::MouseButtonDblClick, at, grid->viewport()->mapToGlobal(at),
                        Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(grid->viewport(), &dbl);
        QTest::mouseRelease(grid->viewport(), Qt::LeftButton, {}, at);
    }
    // Types a model, one layer per row: resistivity, Right, thickness.
    void type_model(const std::vector<std::pair<const char *, const char *>> &layers) {
        click_cell(1, 0);
        for (std::size_t i = 0; i < layers.size(); ++i) {
            QTest::keyClicks(grid, layers[i].first);
            if (*layers[i].second) {
                QTest::keyClick(grid, Qt::Key_Right);
                QTest::keyClicks(grid, layers[i].second);
                QTest::keyClick(grid, Qt::Key_Down);
                QTest::keyClick(grid, Qt::Key_Left);
            }
        }
        // Empty the rows below, as the delete button would.
        for (int r = static_cast<int>(layers.size()) + 1;
             r <= 20 && !SEV.Grid1.TextMatrix(r, 0).empty();) {
            click_cell(r, 0);
            QTest::mouseClick(button("delLine"), Qt::LeftButton);
        }
    }
    QPushButton *button(const char *name) {
        return qobject_cast<QPushButton *>(view->widget_of(name));
    }
    std::size_t lines_in(Variant colour) {
        std::size_t n = 0;
        for (const LineOp &l : SEV.Bilog.picture().lines())
            n += l.pen.colour == static_cast<Colour>(colour.num()) ? 1 : 0;
        return n;
    }
    GridWidget *grid = nullptr;
};

TEST_F(ModelPanel, TypeComputeFitAndOverlay) {
    type_model({{"100", "5"}, {"10", "20"}, {"1000", ""}});
    EXPECT_EQ(SEV.Grid1.TextMatrix(1, 0), "100  ");
    EXPECT_EQ(SEV.Grid1.TextMatrix(2, 1), "20  ");
    EXPECT_EQ(SEV.Grid1.TextMatrix(3, 0), "1000  ");

    QTest::mouseClick(button("Calcul_Button"), Qt::LeftButton);
    EXPECT_EQ(Nb_Layers, 3);
    EXPECT_EQ(SEV.Grid1.TextMatrix(1, 0), " 100  ") << "the grid shows the model read";
    EXPECT_EQ(SEV.Grid1.TextMatrix(3, 2), " 25  ");
    EXPECT_GT(lines_in(Curve_Color), 20u) << "the curve is drawn";
    ASSERT_TRUE(shot("model-computed"));

    // Hold the first thickness, then fit.
    double_click_cell(1, 1);
    EXPECT_EQ(Fixed_Param(1), 2);
    QTest::mouseClick(button("Ajuste_Button"), Qt::LeftButton);
    EXPECT_EQ(SEV.Grid1.TextMatrix(1, 1), " 5  ");
    EXPECT_EQ(SEV.Grid1.cell_back_color(1, 1), Fixed_Cell_Back);
    EXPECT_NE(SEV.Grid1.TextMatrix(2, 0), " 10  ") << "the fit changed the free values";
    EXPECT_GT(lines_in(Curve_Color), 20u);
    EXPECT_EQ(SEV.Text2.Text(), "VES12");
    ASSERT_TRUE(shot("model-fitted"));

    // Two more models fitted with the overlay box checked: three curves on the plot.
    QTest::mouseClick(view->widget_of("Check18"), Qt::LeftButton);
    EXPECT_EQ(Superpose, 1);
    type_model({{"50", "2"}, {"5", "40"}, {"300", ""}});
    QTest::mouseClick(button("Ajuste_Button"), Qt::LeftButton);
    type_model({{"150", "10"}, {"20", "10"}, {"2000", ""}});
    QTest::mouseClick(button("Ajuste_Button"), Qt::LeftButton);
    EXPECT_EQ(Nb_Superposed, 2);
    EXPECT_EQ(SEV.Grid2.Text(), " 3");
    EXPECT_GT(lines_in(Superposed_Color), 40u) << "two superposed curves";
    QtUi::instance().sync_all();
    ASSERT_TRUE(shot("model-three-superposed"));

    // Back to the first stored model with the arrow.
    QTest::mouseClick(button("lastone"), Qt::LeftButton);
    EXPECT_EQ(SEV.Grid2.Text(), " 2");
    QTest::mouseClick(button("lastone"), Qt::LeftButton);
    EXPECT_EQ(SEV.Grid2.Text(), " 1");
    EXPECT_EQ(SEV.Grid1.TextMatrix(1, 1), " 5  ") << "the first fitted model is shown";
    QtUi::instance().sync_all();
    ASSERT_TRUE(shot("model-first-slot"));
}

TEST_F(ModelPanel, KeysStayInTheEditableColumnsAndEnterComputes) {
    type_model({{"100", "5"}, {"10", "20"}, {"1000", ""}});
    click_cell(2, 1);
    QTest::keyClick(grid, Qt::Key_Right);
    EXPECT_EQ(SEV.Grid1.Col(), 1) << "Right stops at the thickness column";
    QTest::keyClick(grid, Qt::Key_Backspace);
    QTest::keyClick(grid, Qt::Key_3, Qt::KeypadModifier);
    QTest::keyClick(grid, Qt::Key_Delete);
    EXPECT_EQ(SEV.Grid1.TextMatrix(2, 1), "  ") << "Delete empties the cell";
    QTest::keyClick(grid, Qt::Key_3, Qt::KeypadModifier);
    QTest::keyClick(grid, Qt::Key_0);
    EXPECT_EQ(SEV.Grid1.TextMatrix(2, 1), "30  ");
    QTest::keyClick(grid, Qt::Key_Return);
    EXPECT_EQ(Model_Layers(2, 2).num(), 30.0) << "Enter ran the compute button";
    EXPECT_EQ(SEV.Grid1.TextMatrix(3, 2), " 35  ");
    EXPECT_GT(lines_in(Curve_Color), 20u);
    EXPECT_TRUE(grid->hasFocus());
}

} // namespace
} // namespace ohmira::qt
