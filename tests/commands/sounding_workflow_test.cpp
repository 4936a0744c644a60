// A sounding from end to end: its field curve written to a QD3 file and read back, an automatic
// model, the fit and the drawing on the plot, as the batch conversions and the fit command chain
// them.
#include "../plot/forward_fixture.h"
#include "commands/auto_model_commands.h"
#include "commands/fit_command.h"
#include "core/auto_model.h"
#include "core/fit.h"
#include "core/qd3_file.h"
#include "plot/forward_commands.h"
#include "plot/loglog_plot.h"

#include <cmath>
#include <filesystem>
#include <unistd.h>

namespace ohmira {

namespace {
class SoundingWorkflow : public ForwardTest {};

// Misfit of the model in memory against the field points, without drawing.
double misfit_now() {
    const std::string mode = Draw_Mode;
    Draw_Mode = "FICHIER";
    Misfit = 1.0;
    Compute_Curve();
    Variant m;
    Sum_Misfit(m);
    Misfit = 0.0;
    Draw_Mode = mode;
    return m.num();
}
} // namespace

TEST_F(SoundingWorkflow, FileAutomaticModelFitAndPlot) {
    // Field curve of a four-layer earth (H then K shape), 24 Schlumberger points, 1 to 1000 m.
    set_model({{60, 2}, {400, 8}, {15, 30}, {800, 0}});
    set_field({{1, 1}, {1000, 1}});
    Draw_Mode = "FICHIER";
    Compute_Curve();
    std::vector<std::pair<double, double>> points;
    for (int k = 8; k < 8 + 24; ++k)
        points.emplace_back(Curve(k, 2).num(), Curve(k, 1).num());
    set_field(points);
    Model_Layers.clear();
    Nb_Layers = 0;

    const auto dir =
        std::filesystem::temp_directory_path() / ("ohmira_workflow_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    std::string path = (dir / "LINE1.QD3").string();
    ASSERT_EQ(write_qd3_file(path), 0);

    // Read it back as a new sounding.
    reset_core_state();
    Superpose = -1;
    File_Name = "LINE1.QD3";
    File_Path = path;
    File_Layout = 3;
    Load_QD3(path);
    std::filesystem::remove_all(dir);
    ASSERT_EQ(Nb_Points, 24);
    EXPECT_EQ(File_Layout, 5);
    EXPECT_NEAR(Field_Data(24, 1).num(), points[23].first, 0.05);

    // Automatic model, then the fit, as a batch conversion runs them.
    Create_Auto_Model();
    ASSERT_GE(Nb_Layers, 2);
    ASSERT_LE(Nb_Layers, 20);
    const double start = misfit_now();
    Draw_Mode = "FICHIER";
    Misfit = 1.0;
    Compute_Curve();
    Fit_Model();
    const double fitted = misfit_now();
    EXPECT_LT(fitted, start);
    EXPECT_LT(fitted, 0.01) << "the fitted curve passes through the points";
    for (int i = 1; i <= Nb_Layers; ++i) {
        const double rho = Model_Layers(1, i).num();
        EXPECT_TRUE(std::isfinite(rho) && rho > 0) << "layer " << i;
    }

    // The fitted sounding on the screen plot: frame, points, curve, error curve and steps.
    Draw_Mode = "NORMAL";
    Draw_RMS = 1;
    Draw_Bilog_Frame();
    const std::size_t frame_ops = SEV.Bilog.picture().ops.size();
    Misfit = 0.0;
    Compute_Curve();
    Draw_Mode = "";
    const DisplayList &plot = SEV.Bilog.picture();
    EXPECT_GT(plot.ops.size(), frame_ops + 24) << "curve, error curve and steps were drawn";
    for (const LineOp &l : plot.lines()) {
        EXPECT_TRUE(std::isfinite(l.x1) && std::isfinite(l.y1) && std::isfinite(l.x2) &&
                    std::isfinite(l.y2));
    }
    EXPECT_TRUE(host.records().empty()) << "no message box on a sound sounding";
}

} // namespace ohmira
