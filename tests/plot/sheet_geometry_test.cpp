#include "plot/sheet_geometry.h"

#include <gtest/gtest.h>

namespace ohmira {
namespace {

TEST(SheetGeometry, ScaleAndCornersFollowThePageAndTheLargerSpan) {
    struct Case {
        const char *what;
        Sheet_Page page;
        double scale, y0, plot_top, plot_right;
        bool upright;
    };
    const Case cases[] = {
        {"A4 upright",
         {11906, 16838, 1134, 1134, 1134, 1250, -1, 4, 0, 4},
         8504 / 283.5,
         9071.2,
         2268,
         9638,
         true},
        {"A4 landscape",
         {16838, 11906, 1134, 1134, 1134, 1250, -1, 4, 0, 4},
         7821 / 283.5,
         8524.8,
         2268,
         8955,
         false},
        // A square page takes the landscape rule.
        {"square",
         {12000, 12000, 1134, 1134, 1134, 1250, -1, 4, 0, 4},
         7915 / 283.5,
         2268 + 7915 * 0.8,
         2268,
         1134 + 7915,
         false},
        // The resistivity window spans more decades: it sets the scale, the plot is narrower.
        {"tall window",
         {11906, 16838, 1134, 1134, 1134, 1250, 0, 3, 0, 6},
         8504 / (56.7 * 6),
         2268 + 8504,
         2268,
         1134 + 8504 * 0.5,
         true},
    };
    for (const Case &c : cases) {
        const auto l = sheet_layout(c.page);
        ASSERT_TRUE(l) << c.what;
        EXPECT_NEAR(l->scale, c.scale, 1e-9) << c.what;
        EXPECT_DOUBLE_EQ(l->x0, 1134) << c.what;
        EXPECT_NEAR(l->y0, c.y0, 1e-6) << c.what;
        EXPECT_DOUBLE_EQ(l->plot_top, c.plot_top) << c.what;
        EXPECT_NEAR(l->plot_right, c.plot_right, 1e-6) << c.what;
        EXPECT_EQ(l->upright, c.upright) << c.what;
        // Decade 0 of either axis is the plot's lower-left corner.
        EXPECT_DOUBLE_EQ(l->x_at(0), l->x0) << c.what;
        EXPECT_DOUBLE_EQ(l->y_at(0), l->y0) << c.what;
    }
}

TEST(SheetGeometry, NoPlotWithoutRoomOrSpan) {
    const Sheet_Page no_room{11906, 16838, 6000, 6000, 1134, 1250, -1, 4, 0, 4};
    const Sheet_Page no_span{11906, 16838, 1134, 1134, 1134, 1250, 2, 2, 1, 1};
    const Sheet_Page flat{11906, 16838, 1134, 1134, 1134, 1250, -1, 4, 2, 2};
    const Sheet_Page mirrored{11906, 16838, 1134, 1134, 1134, 1250, 4, -1, 0, 4};
    for (const Sheet_Page &p : {no_room, no_span, flat, mirrored})
        EXPECT_FALSE(sheet_layout(p));
}

} // namespace
} // namespace ohmira
