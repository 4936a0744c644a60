// Automatic model and fit on real soundings and on an exactly computed one: the model they end
// on must be physical (every layer above 0) and reproduce the field curve.
#include "../core/exact_earth.h"
#include "../plot/forward_fixture.h"
#include "commands/auto_model_commands.h"
#include "commands/fit_command.h"
#include "core/auto_model.h"
#include "core/fit.h"
#include "plot/forward_commands.h"

#include <cmath>
#include <fstream>
#include <sstream>

namespace ohmira {

namespace {

class FieldSoundings : public ForwardTest {
protected:
    // A text file of lines "AB/2 MN/2 rho_a", as in tests/data/*.ves.
    static void load_ves(const std::string &name) {
        std::ifstream in(std::string(OHMIRA_TEST_DATA) + "/" + name);
        ASSERT_TRUE(in) << name;
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
        test::set_field(points);
    }

    // The batch conversions' path: automatic model, then the fit, without drawing.
    static void auto_model_and_fit() {
        Create_Auto_Model();
        Draw_Mode = "FICHIER";
        Compute_Curve();
        Fit_Model();
    }

    // RMS of the relative differences between the final curve and the field points, in %.
    static double rms_percent() {
        double sum = 0;
        int n = 0;
        for (int i = 1; i <= Nb_Points; ++i) {
            const double a = Field_Data(i, 1).num(), r = Field_Data(i, 2).num();
            const int k = find_curve_bracket(1, a);
            const auto m = field_model_value(i);
            EXPECT_NE(k, 0) << "point " << i;
            EXPECT_TRUE(m && *m > 0) << "point " << i;
            if (k == 0 || !m) {
                continue;
            }
            sum += (*m / r - 1) * (*m / r - 1);
            ++n;
        }
        return n ? 100 * std::sqrt(sum / n) : 1e9;
    }

    static void expect_every_layer_above_zero() {
        for (int i = 1; i <= Nb_Layers; ++i) {
            EXPECT_GT(layer(1, i), 0.0) << "layer " << i;
            if (i < Nb_Layers) {
                EXPECT_GT(layer(2, i), 0.0) << "layer " << i;
            }
        }
    }
};

TEST_F(FieldSoundings, ConductiveBasementUnderAKCurve) {
    // 80 ohm·m / 1.5 m over 300 ohm·m / 12 m over 0.8 ohm·m, computed by the Hankel integral at
    // 6 spacings per decade from 1 to 300 m.
    const Layered_Earth earth = test::earth_of({{80, 1.5}, {300, 12}, {0.8, 0}});
    std::vector<std::pair<double, double>> points;
    for (int i = 0; i <= 15; ++i) {
        const double s = std::pow(10.0, i / 6.0);
        points.emplace_back(s, test::hankel_integral(Array_Type::Schlumberger, earth, s));
    }
    test::set_field(points);
    auto_model_and_fit();
    expect_every_layer_above_zero();
    EXPECT_GE(layer(1, Nb_Layers), 0.27);
    EXPECT_LE(layer(1, Nb_Layers), 2.4);
    EXPECT_LE(rms_percent(), 10.0);
}

TEST_F(FieldSoundings, KnownFourLayerEarthGivesTheConductiveLayersConductance) {
    // Computed for 100 / 0.5 m, 500 / 3.5 m, 20 / 6 m over 1000 ohm·m: the conductive layer has
    // a conductance of 6 / 20 = 0.3 S, what a sounding resolves of it.
    load_ves("sond1-100.ves");
    auto_model_and_fit();
    expect_every_layer_above_zero();
    double conductance = 0;
    for (int i = 1; i < Nb_Layers; ++i) {
        if (layer(1, i) < 100) {
            conductance += layer(2, i) / layer(1, i);
        }
    }
    EXPECT_NEAR(conductance, 0.3, 0.3 * 0.15);
    EXPECT_LE(rms_percent(), 10.0);
}

TEST_F(FieldSoundings, FieldSoundingOverAConductiveBasement) {
    load_ves("example.ves");
    auto_model_and_fit();
    expect_every_layer_above_zero();
    EXPECT_LE(rms_percent(), 10.0);
}

} // namespace

} // namespace ohmira
