// A field sounding over a conductive basement in the real main window: the fit button builds the
// automatic model and fits it; the model grid and the plotted curve must stay physical (every
// value above 0). Set OHMIRA_QT_SHOTS to a folder to keep the picture.
#include "../core/sounding_setters.h"
#include "core/auto_model.h"
#include "core/forward.h"
#include "core/sounding.h"
#include "editor/model_editor.h"
#include "platform/number_text.h"
#include "platform/qt/form_view.h"
#include "qt_test_app.h"
#include "shell/app_state.h"
#include "shell/language.h"
#include "shell/main_frame.h"
#include "shell/settings_values.h"
#include "shell/sev_form.h"

#include <QPushButton>
#include <QTemporaryDir>

#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

namespace ohmira::qt {
namespace {

// Lines "AB/2 MN/2 rho_a" of a sounding in tests/data.
std::vector<std::pair<double, double>> ves_points(const std::string &name) {
    std::ifstream in(std::string(OHMIRA_TEST_DATA) + "/" + name);
    std::vector<std::pair<double, double>> points;
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        fields.imbue(std::locale::classic());
        double ab2 = 0, mn2 = 0, rho = 0;
        if (fields >> ab2 >> mn2 >> rho) {
            points.emplace_back(ab2, rho);
        }
    }
    return points;
}

TEST(ConductiveSoundingWindow, FitButtonGivesAPhysicalModelAndCurve) {
    testing::app();
    reset_all_state();
    reset_SEV();
    Draw_Model = 1;
    Draw_RMS = 1;
    Decimals_Mode = 0;
    AB2min = -1;
    Misfit = 0.0;
    Lang_French = Lang_Spanish = Lang_German = false;
    Lang_English = true;
    Prepare_Main_Window();
    SEV.Option1.Value(true);
    const auto points = ves_points("example.ves");
    ASSERT_EQ(points.size(), 23u);
    test::set_field(points);
    Auto_Threshold = 0.3; // as every sounding file read leaves it
    Model_Layers.clear();
    Nb_Layers = 0;
    File_Name = "example.QD3";
    Fresh_Load = 0;
    Set_Model_Editor_Captions();
    FormView *view = nullptr;
    testing::show_main_window(view);
    QTemporaryDir temp;
    const QString folder = testing::shots_folder(temp);

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
    EXPECT_TRUE(view->grab().save(folder + "/conductive-sounding-fitted.png"));

    delete view;
    reset_SEV();
    reset_all_state();
}

} // namespace
} // namespace ohmira::qt
