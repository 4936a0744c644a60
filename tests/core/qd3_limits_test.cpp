#include "core/qd3_limits.h"

#include <gtest/gtest.h>

#include "core/fit.h"
#include "core/qd3_file.h"
#include "core_fixture.h"

namespace ohmira::test {
namespace {

using Qd3LimitsTest = CoreTest;

// The limits agree with the writer: what they accept is written, what they refuse makes the
// write fail, at both sides of each boundary.
TEST_F(Qd3LimitsTest, AgreeWithTheWriter) {
    struct Case {
        bool layer; // a layer item (row 1..3) or a point column (1..6)
        int index;
        double value;
        bool fits;
    };
    const Case cases[] = {
        {false, 1, 3.4e37, true},       {false, 1, 3.5e37, false},  // AB/2 × 10
        {false, 2, 3.4e36, true},       {false, 2, 3.41e36, false}, // ρa × 100
        {false, 2, -3.41e36, false},    {false, 3, 3.5e36, false},  // MN/2 × 100
        {false, 4, 3.4e37, true},       {false, 4, 3.5e37, false},  // ΔV × 10
        {false, 5, 3.5e36, false},      {false, 6, 3.4e38, true},   // K × 100, I × 1
        {false, 6, 3.5e38, false},      {true, 1, 21474836.47, true}, {true, 1, 21474836.48, false},
        {true, 1, 1e12, false},         {true, 1, 0.004, true},       {true, 2, -21474836.48, true},
        {true, 2, -21474836.49, false}, {true, 3, 1e10, false},
    };
    const std::string p = path("LIMIT.QD3");
    for (const Case &c : cases) {
        SCOPED_TRACE(std::to_string(c.layer) + " " + std::to_string(c.index) + " " +
                     std::to_string(c.value));
        Field_Data.clear();
        Model_Layers.clear();
        Nb_Points = 1;
        const double point[] = {1.5, 100, 0.5, 10, 6.28, 1};
        for (int col = 1; col <= 6; ++col)
            Field_Data(1, col) = point[col - 1];
        Model_Layers(1, 1) = 100.0;
        if (c.layer)
            Model_Layers(c.index, 1) = c.value;
        else
            Field_Data(1, c.index) = c.value;
        EXPECT_EQ(c.layer ? qd3_layer_value_fits(c.value) : qd3_point_value_fits(c.index, c.value),
                  c.fits);
        EXPECT_EQ(sounding_value_beyond_qd3().has_value(), !c.fits);
        EXPECT_EQ(write_qd3_file(p) == 0, c.fits);
    }
}

// A fitted model brought within the file keeps within it once the window derives its depths
// from the thicknesses: the thickest layer gives way, the others keep their thicknesses.
TEST_F(Qd3LimitsTest, AModelBroughtWithinTheFileKeepsItsDepthsWithinIt) {
    const std::vector<std::vector<double>> cases = {
        {5, 3e7, 50},        // one thickness beyond the file
        {5, 2e7, 1.5e7, 50}, // each within it, their sum beyond
    };
    for (const auto &thick : cases) {
        SCOPED_TRACE(thick.size());
        Model_Layers.clear();
        for (std::size_t j = 0; j <= thick.size(); ++j) {
            Model_Layers(1, static_cast<int>(j) + 1) = 100.0 * static_cast<double>(j + 1);
            Model_Layers(2, static_cast<int>(j) + 1) = j < thick.size() ? thick[j] : 0.0;
        }
        Model_Layers(1, 2) = 5e12;
        bring_model_within_qd3();
        Update_Layer_Depths();
        EXPECT_FALSE(sounding_value_beyond_qd3().has_value());
        EXPECT_EQ(Model_Layers(1, 2).num(), 21474836);
        EXPECT_EQ(Model_Layers(2, 1).num(), 5);
        EXPECT_EQ(Model_Layers(2, static_cast<int>(thick.size())).num(), 50);
        EXPECT_EQ(write_qd3_file(path("FIT.QD3")), 0);
    }
}

TEST_F(Qd3LimitsTest, TypedValuesAreNamedShortly) {
    EXPECT_EQ(typed_value_name(" 12.5  "), "12.5");
    EXPECT_EQ(typed_value_name(std::string(25, '9')), std::string(20, '9') + "...");
}

} // namespace
} // namespace ohmira::test
