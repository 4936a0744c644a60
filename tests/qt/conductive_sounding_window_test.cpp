// Soundings in the real main window, opened through File ▸ Read. A field sounding over a
// conductive basement: the fit button builds the automatic model and fits it; the model grid and
// the plotted curve must stay physical (every value above 0). A sounding computed exactly at the
// spacing table's values with its true model: the error curve shows it within 0.3 % and the fit
// keeps it. Set OHMIRA_QT_SHOTS to a folder to keep the pictures.
#include "../core/exact_earth.h"
#include "app/app_state.h"
#include "app/main_frame.h"
#include "commands/model_editor.h"
#include "commands/open_save.h"
#include "core/auto_model.h"
#include "core/fit.h"
#include "core/forward.h"
#include "core/language.h"
#include "core/qd3_file.h"
#include "core/sounding.h"
#include "editor/data_entry.h"
#include "form/applied_array.h"
#include "form/settings_values.h"
#include "form/sev_form.h"
#include "main_window_fixture.h"
#include "platform/number_text.h"
#include "platform/qt/form_view.h"

#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>

#include <cmath>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

namespace ohmira::qt {
namespace {

// Reads the lines "AB/2 MN/2 rho_a" of a sounding in tests/data into Field_Data; the count.
int read_ves(const std::string &name) {
    std::ifstream in(std::string(OHMIRA_TEST_DATA) + "/" + name);
    std::string line;
    int n = 0;
    while (std::getline(in, line) && n < 51) {
        std::istringstream fields(line);
        fields.imbue(std::locale::classic());
        double ab2 = 0, mn2 = 0, rho = 0;
        if (fields >> ab2 >> mn2 >> rho) {
            ++n;
            Field_Data(n, 1) = ab2;
            Field_Data(n, 2) = rho;
            Field_Data(n, 3) = mn2;
        }
    }
    Nb_Points = static_cast<std::int16_t>(n);
    return n;
}

// The main window on a Schlumberger page of the shipped spacing table, the error curve and the
// model steps drawn, English.
class ConductiveSoundingWindow : public testing::MainWindowTest {
protected:
    void prepare() override {
        english_with_model_and_error_curve();
        prepare_schlumberger_page();
    }
};

// Opens the sounding file through File ▸ Read, as a user does.
void read_through_the_menu(FormView *view, const std::string &file) {
    QMenuBar *bar = view->menu_bar();
    QAction *file_menu = bar->actions().front();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(file_menu).center());
    QMenu *menu = file_menu->menu();
    ASSERT_TRUE(QTest::qWaitFor([&] { return menu->isVisible(); }));
    QAction *read = view->action_of("NFile");
    ASSERT_NE(read, nullptr);
    testing::answer_file_dialog(QString::fromStdString(file));
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(read).center());
    ASSERT_TRUE(QTest::qWaitFor([&] { return File_Path == file; }));
    QtUi::instance().sync_all();
}

void click(FormView *view, const char *button) {
    auto *b = qobject_cast<QPushButton *>(view->widget_of(button));
    ASSERT_NE(b, nullptr) << button;
    QTest::mouseClick(b, Qt::LeftButton);
    QtUi::instance().sync_all();
}

TEST_F(ConductiveSoundingWindow, FitButtonGivesAPhysicalModelAndCurve) {

    // The sounding as a QD3 file: AB/2, rho_a and MN/2 of each point.
    ASSERT_EQ(read_ves("example.ves"), 23);
    const std::string file = (temp.path() + "/example.QD3").toStdString();
    ASSERT_EQ(write_qd3_file(file), 0);
    Field_Data.clear();
    Nb_Points = 0;

    read_through_the_menu(view, file);
    ASSERT_EQ(Nb_Points, 23);

    auto *fit = qobject_cast<QPushButton *>(view->widget_of("Ajuste_Button"));
    ASSERT_NE(fit, nullptr);
    QTest::mouseClick(fit, Qt::LeftButton);
    QtUi::instance().sync_all();

    // The model grid shows every layer with a resistivity above 0, thicknesses above 0 but the
    // half-space's, and a conductive basement.
    ASSERT_GE(Nb_Layers, 2);
    for (int i = 1; i <= Nb_Layers; ++i) {
        EXPECT_GT(parse_number_item(SEV.Grid1.TextMatrix(i, 0)).value_or(0), 0.0) << "row " << i;
        if (i < Nb_Layers) {
            EXPECT_GT(parse_number_item(SEV.Grid1.TextMatrix(i, 1)).value_or(0), 0.0) << i;
        }
    }
    EXPECT_LT(Model_Layers(1, Nb_Layers).num(), 20.0);
    // The curve drawn: every sample above 0.
    ASSERT_GT(Curve_Last, 20);
    for (int k = 0; k <= Curve_Last; ++k) {
        EXPECT_GT(Curve(k, 1).num(), 0.0) << "sample " << k;
    }
    std::size_t curve_lines = 0;
    for (const LineOp &l : SEV.Bilog.picture().lines()) {
        curve_lines += l.pen.colour == static_cast<Colour>(Curve_Color.num()) ? 1 : 0;
    }
    EXPECT_GT(curve_lines, 20u);
    EXPECT_TRUE(shot("conductive-sounding-fitted"));
}

TEST_F(ConductiveSoundingWindow, TrueModelOfAnExactSoundingStands) {

    // 80 ohm·m / 1.5 m over 300 ohm·m / 12 m over 0.8 ohm·m, computed exactly at the table's
    // AB/2 (MN/2 beside them), most between the curve's samples, and written with 4 significant
    // digits as a resistivity meter gives them; the file holds that model.
    const Layered_Earth earth = test::earth_of({{80, 1.5}, {300, 12}, {0.8, 0}});
    const double points[][2] = {{1.5, 0.5}, {2, 0.5},  {3, 0.5},  {5, 0.5},  {8, 0.5},
                                {10, 0.5},  {15, 2},   {20, 2},   {30, 2},   {40, 5},
                                {50, 5},    {70, 5},   {80, 5},   {100, 20}, {120, 20},
                                {150, 20},  {200, 20}, {250, 20}, {300, 20}};
    Field_Data.clear();
    int n = 0;
    for (const auto &[ab2, mn2] : points) {
        ++n;
        const double rho = test::hankel_integral(Array_Type::Schlumberger, earth, ab2);
        const double unit = std::pow(10.0, std::floor(std::log10(rho)) - 3);
        Field_Data(n, 1) = ab2;
        Field_Data(n, 2) = std::round(rho / unit) * unit;
        Field_Data(n, 3) = mn2;
    }
    Nb_Points = static_cast<std::int16_t>(n);
    Model_Layers.clear();
    for (int i = 1; i <= earth.layers; ++i) {
        Model_Layers(1, i) = earth.rho[i];
        Model_Layers(2, i) = earth.thickness[i];
    }
    Nb_Layers = static_cast<std::int16_t>(earth.layers);
    Update_Layer_Depths();
    const std::string file = (temp.path() + "/k-exact.QD3").toStdString();
    ASSERT_EQ(write_qd3_file(file), 0);
    Field_Data.clear();
    Model_Layers.clear();
    Nb_Points = 0;

    read_through_the_menu(view, file);
    ASSERT_EQ(Nb_Points, n);
    ASSERT_EQ(Nb_Layers, 3);

    // Compute: the error curve of every point, drawn along the bottom border, is below 0.3 %
    // (values between the samples were 18 % off at 70 m).
    click(view, "Calcul_Button");
    for (int i = 1; i <= n; ++i) {
        EXPECT_LT(Curve(i, 3).num(), 0.3) << "AB/2 " << points[i - 1][0];
    }
    EXPECT_TRUE(shot("k-exact-true-model"));

    // Fit: the model grid keeps the true model within 2 %.
    click(view, "Ajuste_Button");
    const double truth[][2] = {{80, 1.5}, {300, 12}, {0.8, 0}};
    ASSERT_EQ(Nb_Layers, 3);
    for (int i = 1; i <= 3; ++i) {
        const double rho = parse_number_item(SEV.Grid1.TextMatrix(i, 0)).value_or(0);
        EXPECT_NEAR(rho / truth[i - 1][0], 1.0, 0.02) << "row " << i;
        if (i < 3) {
            const double h = parse_number_item(SEV.Grid1.TextMatrix(i, 1)).value_or(0);
            EXPECT_NEAR(h / truth[i - 1][1], 1.0, 0.02) << "row " << i;
        }
    }
    for (int i = 1; i <= n; ++i) {
        EXPECT_LT(Curve(i, 3).num(), 0.3) << "AB/2 " << points[i - 1][0];
    }
    EXPECT_TRUE(shot("k-exact-fitted"));
}

} // namespace
} // namespace ohmira::qt
