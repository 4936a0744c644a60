#include "profiles/section_geometry.h"

#include <gtest/gtest.h>

#include <cmath>

namespace ohmira {
namespace {

TEST(SectionGeometry, ClassBoundsStepBySixteenthsWithMaxLast) {
    const auto b = class_bounds(10, 2000);
    const double expected[16] = {10,   134,  258,  383,  507,  631,  756,  880,
                                 1005, 1129, 1253, 1378, 1502, 1626, 1751, 2000};
    for (int k = 0; k < 16; ++k)
        EXPECT_EQ(b[static_cast<size_t>(k)], expected[k]) << "class " << k + 1;
    // min > max: decreasing, not exchanged.
    const auto d = class_bounds(2000, 10);
    EXPECT_EQ(d[0], 2000);
    EXPECT_GT(d[1], d[2]);
    EXPECT_EQ(d[15], 10);
}

TEST(SectionGeometry, ClassOfResistivity) {
    const struct {
        double rho;
        int cls;
    } cases[] = {{133.9, 1}, {134, 2}, {1999, 15}, {2000, 16}, {50000, 16}, {5, 1}, {1751, 15}};
    for (const auto &c : cases)
        EXPECT_EQ(colour_class(c.rho, 10, 2000), c.cls) << c.rho;
}

TEST(SectionGeometry, LabelsArePaddedToFiveCharacters) {
    EXPECT_EQ(resistivity_label(85.6), "   85");
    EXPECT_EQ(resistivity_label(12345.9), "12345");
    EXPECT_EQ(resistivity_label(123456), "123456");
    EXPECT_EQ(resistivity_label(7), "    7");
    EXPECT_EQ(legend_label(" 134"), "  134");
    EXPECT_EQ(legend_label("12345"), "12345");
}

TEST(SectionGeometry, ColumnWidthRule) {
    EXPECT_NEAR(column_width(false, 2, 200, 6, 0), 113.4, 1e-9);
    EXPECT_NEAR(column_width(true, 0, 200, 6, 0), 2835, 1e-9);
    EXPECT_EQ(column_width(false, 0, 200, 6, 0), 0);
    // A lone sounding with fill: the last fixed width, 10 mm when there was none.
    EXPECT_NEAR(column_width(true, 0, 200, 2, 0), 567, 1e-9);
    EXPECT_NEAR(column_width(true, 0, 200, 2, 3), 170.1, 1e-9);
    EXPECT_NEAR(column_width(true, 0, 200, 1, 0), 567, 1e-9);
}

TEST(SectionGeometry, HalfSpaceBottomAndFrame) {
    // Schlumberger, last AB/2 100 m: L = 66.67.
    const double l = 2000.0f / 30.0f;
    EXPECT_NEAR(half_space_bottom(30, l, 1000), l, 1e-6);
    EXPECT_EQ(half_space_bottom(60, l, 1000), 100);
    const SectionFrame f{1134, 1134, 226.8, 56.7, 140};
    EXPECT_NEAR(f.y_of(120), 2268, 1e-9);
    EXPECT_NEAR(f.y_of(127), 1871.1, 1e-9);
    EXPECT_NEAR(f.x_of(100) - f.x_of(0), 22680, 1e-9);
    EXPECT_EQ(column_label("dir\\S12.QD3"), "S12");
    EXPECT_EQ(column_label("S1.QD3"), "S1");
}

} // namespace
} // namespace ohmira
