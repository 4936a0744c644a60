// A field sounding over a conductive basement in the real main window: opened through File ▸ Read,
// then the fit button builds the automatic model and fits it; the model grid and the plotted curve
// must stay physical (every value above 0). Set OHMIRA_QT_SHOTS to a folder to keep the picture.
#include "core/auto_model.h"
#include "core/forward.h"
#include "core/language.h"
#include "core/qd3_file.h"
#include "core/sounding.h"
#include "editor/data_entry.h"
#include "editor/model_editor.h"
#include "platform/number_text.h"
#include "platform/qt/form_view.h"
#include "qt_test_app.h"
#include "shell/app_state.h"
#include "shell/main_frame.h"
#include "shell/settings_values.h"
#include "shell/sev_form.h"
#include "sounding/open_save.h"

#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>

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
    Niveau = "0";
    Array_Factor = 1;
    Spacing_File = std::string(OHMIRA_TEST_DATA) + "/../../data/DATAVES.TXT";
    Load_build();
    FormView *view = nullptr;
    testing::show_main_window(view);
    QTemporaryDir temp;
    const QString folder = testing::shots_folder(temp);

    // The sounding as a QD3 file: AB/2, rho_a and MN/2 of each point.
    ASSERT_EQ(read_ves("example.ves"), 23);
    const std::string file = (temp.path() + "/example.QD3").toStdString();
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
    testing::answer_file_dialog(QString::fromStdString(file));
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(read).center());
    ASSERT_TRUE(QTest::qWaitFor([&] { return File_Path == file; }));
    ASSERT_EQ(Nb_Points, 23);
    QtUi::instance().sync_all();

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
