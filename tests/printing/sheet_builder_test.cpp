#include "printing/sheet_builder.h"

#include <gtest/gtest.h>

#include "editor/model_grid.h"
#include "form/applied_array.h"
#include "platform/number_text.h"
#include "plot/sheet_geometry.h"
#include "printing_fixture.h"

namespace ohmira::test {
namespace {

class SheetBuilder : public PrintingTest {
protected:
    void SetUp() override {
        PrintingTest::SetUp();
        four_layer_sounding();
        page(false);
    }
    static std::vector<LineOp> lines_with(int page, double width, Colour colour) {
        std::vector<LineOp> out;
        for (const LineOp &l : sheet_page(page).lines())
            if (l.pen.width == width && l.pen.colour == colour)
                out.push_back(l);
        return out;
    }
    static std::vector<BoxOp> point_marks() {
        std::vector<BoxOp> out;
        for (const BoxOp &b : sheet_page(1).boxes())
            if (b.pen.width == 12)
                out.push_back(b);
        return out;
    }
    static const TableTrace &table(std::size_t i) { return SEV.VSPrint.tables().at(i); }
};

TEST_F(SheetBuilder, UprightSheetPlotGridAndLabels) {
    display_print();
    ASSERT_EQ(SEV.VSPrint.PageCount(), 2);
    EXPECT_NEAR(Print_Scale.num(), 8504 / 283.5, 1e-9);
    EXPECT_DOUBLE_EQ(Print_X0.num(), 1134);
    EXPECT_NEAR(Print_Y0.num(), 9071.2, 1e-6);

    // 8 minor lines per decade: 5 decades across, 4 down; decade lines 6 + 5, black.
    EXPECT_EQ(lines_with(1, 1, 16512).size(), 72u);
    EXPECT_EQ(lines_with(1, 10, colour_black).size(), 11u);

    const char *x_labels[] = {" .1", " 1", " 10", " 100", " 1000", " 10000"};
    for (int i = 0; i < 6; ++i) {
        const TextOp t = text_op(1, x_labels[i]);
        EXPECT_NEAR(t.x, 1134 + i * 8504 / 5.0 - 100, 1e-6) << x_labels[i];
        EXPECT_NEAR(t.y, 9184.6, 1e-6) << x_labels[i];
        EXPECT_EQ(t.font.size, 12) << x_labels[i];
    }
    const char *y_labels[] = {" 1", " 10", " 100", " 1000", " 10000"};
    int found = 0;
    for (const TextOp &t : sheet_page(1).texts())
        for (int j = 0; j < 5; ++j)
            if (t.text == y_labels[j] && std::abs(t.x - 9694.7) < 1e-6) {
                EXPECT_NEAR(t.y, 9071.2 - j * 8504 / 5.0 - 198.45, 1e-6) << y_labels[j];
                ++found;
            }
    EXPECT_EQ(found, 5);
    const TextOp x_title = text_op(1, "   AB/2 [m]");
    EXPECT_NEAR(x_title.x, 9638 - 56.7 * 0.6 * 8504 / 283.5, 1e-6);
    // On the line below the labels.
    EXPECT_NEAR(x_title.y, 9184.6 + line_height(text_op(1, " 10000").font), 1e-6);
    EXPECT_EQ(x_title.font.size, 11);
    const TextOp y_title = text_op(1, "[ohm·m]");
    EXPECT_NEAR(y_title.x, 9694.7, 1e-6);
    EXPECT_NEAR(y_title.y, 2268 + 56.7 * 0.2 * 8504 / 283.5, 1e-6);

    // The frame.
    bool frame = false;
    for (const BoxOp &b : sheet_page(1).boxes())
        frame |= b.pen.width == 18 && b.x1 == 1134 && std::abs(b.y1 - 9071.2) < 1e-6 &&
                 std::abs(b.x2 - 9638) < 1e-6 && b.y2 == 2268 && !b.filled();
    EXPECT_TRUE(frame);
}

TEST_F(SheetBuilder, TextBlocksOfTheUprightSheet) {
    Shift_Compensation = 1;
    display_print();
    const TextOp title = text_op(1, "Electrical sounding Schlumberger - S12.QD3");
    EXPECT_DOUBLE_EQ(title.x, 1134);
    EXPECT_NEAR(title.y, 1304.1, 1e-6);
    EXPECT_TRUE(title.font.bold);
    EXPECT_EQ(title.font.size, 13);
    EXPECT_EQ(title.colour, colour_black);
    const TextOp graph = text_op(1, "Line 4, station 12");
    EXPECT_NEAR(graph.y, 1814.4, 1e-6);
    EXPECT_FALSE(graph.font.bold);
    const TextOp note = text_op(1, "Shift on new MN ");
    EXPECT_NEAR(note.x, 7937, 1e-6);
    EXPECT_NEAR(note.y, 1871.1, 1e-6);
    EXPECT_TRUE(note.font.italic);

    const TextOp location = text_op(1, "Location   X = 412300    Y = 5234100    Z = 120");
    EXPECT_NEAR(location.y, 9921.7, 1e-6);
    EXPECT_TRUE(location.font.bold);
    EXPECT_NEAR(text_op(1, "Model ").y, 10346.95, 1e-6);
    EXPECT_NEAR(text_op(1, "Resistivity     Thickness      Depth        Altitude").y, 10602.1,
                1e-6);
    EXPECT_NEAR(table(0).top, 10942.3, 1e-6);
    EXPECT_NEAR(text_op(1, "Dry season").y, 15021, 1e-6);

    // Footer on both pages, right-aligned, italic 10 pt.
    EXPECT_EQ(SEV.VSPrint.Footer(), "||Brenkal / Ohmira 6.5");
    for (int p = 1; p <= 2; ++p) {
        bool footer = false;
        for (const TextOp &t : SEV.VSPrint.page_picture(p).texts())
            footer |= t.text == "Brenkal / Ohmira 6.5" && t.font.italic && t.font.size == 10;
        EXPECT_TRUE(footer) << p;
    }

    // The field-data page repeats the title block.
    EXPECT_NEAR(text_op(2, "Electrical sounding Schlumberger - S12.QD3").y, 1304.1, 1e-6);
    EXPECT_TRUE(has_text(2, "Shift on new MN "));
    EXPECT_NEAR(text_op(2, "Field data and calculated values").y, 2381.4, 1e-6);
    EXPECT_NEAR(table(1).top, 2778.3, 1e-6);
    EXPECT_NEAR(table(2).top, 3061.8, 1e-6);
    EXPECT_EQ(table(2).first_page, 2);
}

TEST_F(SheetBuilder, LandscapeSheetHasATextPage) {
    page(true);
    display_print();
    ASSERT_EQ(SEV.VSPrint.PageCount(), 3);
    EXPECT_NEAR(Print_Y0.num(), 8524.8, 1e-6);
    EXPECT_TRUE(has_text(2, "Electrical sounding Schlumberger - S12.QD3"));
    EXPECT_NEAR(text_op(2, "Location   X = 412300    Y = 5234100    Z = 120").y, 2381.4, 1e-6);
    EXPECT_NEAR(table(0).top, 3402, 1e-6);
    EXPECT_EQ(table(0).first_page, 2);
    EXPECT_EQ(table(2).first_page, 3);
}

TEST_F(SheetBuilder, NoRoomForThePlotStillBuildsTheTextPages) {
    Left_Margin = 6000;
    Right_Margin = 6000;
    Print_Scale = 7.0;
    display_print();
    EXPECT_EQ(SEV.VSPrint.PageCount(), 2);
    EXPECT_EQ(Print_Scale.num(), 7.0);
    EXPECT_TRUE(lines_with(1, 1, 16512).empty());
    EXPECT_TRUE(has_text(1, "Model "));
    EXPECT_TRUE(has_text(2, "Field data and calculated values"));
    EXPECT_EQ(Draw_Mode, "");
    EXPECT_EQ(Color_Mode, vbTrue);
}

TEST_F(SheetBuilder, PointsInsideTheWindowOnly) {
    set_field({{0.1, 50}, {10000, 10000}, {20000, 50}, {5, 0}, {-1, 40}, {0.05, 30}, {7, 20000}});
    display_print();
    // On the limits drawn; beyond, without resistivity or spacing, not. A spacing below 0.1 m
    // passes the whole-number lower bound 0.
    ASSERT_EQ(point_marks().size(), 3u);
    const BoxOp first = point_marks()[0];
    EXPECT_NEAR((first.x1 + first.x2) / 2,
                1134 + 56.7 * Print_Scale.num() * (std::log(0.1) * 0.4343 + 1), 1e-6);
    EXPECT_NEAR(first.x2 - first.x1, 70, 1e-9);
}

TEST_F(SheetBuilder, StateAfterTheBuildAndTheModelKept) {
    // A stale stored model in the slot shown as current.
    Nb_Superposed = 1;
    Superposed_Index = 0;
    Superposed_Models(1, 1, 1) = 7;
    Superposed_Models(1, 1, 2) = 700;
    Superposed_Models(1, 2, 1) = 3;
    Superposed_Layers(1) = 2;
    Layer_Altitude(1) = 120;
    Layer_Altitude(2) = 118.5;
    const auto layers = Model_Layers;
    Draw_Mode = "NORMAL";
    Misfit = 0.25;
    display_print();
    EXPECT_EQ(Draw_Mode, "");
    EXPECT_EQ(Misfit.num(), 0);
    EXPECT_EQ(Color_Mode, vbTrue);
    EXPECT_EQ(Niveau, "0");
    EXPECT_EQ(Nb_Layers, 4);
    for (int r = 1; r <= 3; ++r)
        for (int i = 1; i <= 21; ++i)
            EXPECT_EQ(Model_Layers(r, i).num(), layers(r, i).num()) << r << "," << i;
    EXPECT_EQ(Layer_Altitude(2).num(), 118.5);
    // The occupied slot after the store is left alone... and slot 2 takes the stash.
    EXPECT_EQ(Superposed_Models(1, 1, 1).num(), 7);
    EXPECT_EQ(Superposed_Models(2, 1, 3).num(), 300);
    EXPECT_EQ(Superposed_Layers(2), 4);

    // The current model's curve is the one on screen, whatever the store holds.
    const auto current = lines_with(1, 18, 255);
    ASSERT_FALSE(current.empty());
    Superposed_Models.clear();
    Nb_Superposed = 0;
    display_print();
    const auto plain = lines_with(1, 18, 255);
    ASSERT_EQ(plain.size(), current.size());
    for (std::size_t i = 0; i < plain.size(); ++i)
        EXPECT_NEAR(plain[i].y2, current[i].y2, 1e-9);
}

TEST_F(SheetBuilder, StoredModelsOnlyWithSuperpositionAndInTheirColour) {
    Nb_Superposed = 1;
    Superposed_Models(1, 1, 1) = 30;
    Superposed_Models(1, 1, 2) = 500;
    Superposed_Models(1, 2, 1) = 10;
    Superposed_Layers(1) = 2;
    Superpose = -1;
    display_print();
    EXPECT_TRUE(lines_with(1, 18, 32768).empty());
    Superpose = 1;
    display_print();
    EXPECT_FALSE(lines_with(1, 18, 32768).empty());
    EXPECT_FALSE(lines_with(1, 18, 255).empty());

    // Without a computed curve only the stored models are drawn, and the curve stays empty.
    Curve.clear();
    Curve_Valid = 0;
    display_print();
    EXPECT_FALSE(lines_with(1, 18, 32768).empty());
    EXPECT_TRUE(lines_with(1, 18, 255).empty());
    EXPECT_EQ(Curve(0, 1).num(), 0);
    EXPECT_EQ(Curve_Valid, 0);
}

TEST_F(SheetBuilder, ModelTableCells) {
    struct Case {
        const char *what;
        std::initializer_list<std::pair<double, double>> model;
        const char *z;
        int decimals;
    };
    const Case cases[] = {
        {"2 layers, altitude", {{100, 2.5}, {50, 0}}, "100", 0},
        {"2 layers, no altitude", {{100, 2.5}, {50, 0}}, "", 1},
        {"4 layers, altitude", {{80, 1.5}, {20, 6}, {300, 25}, {40, 0}}, "120.5", 2},
        {"4 layers, Z 0", {{80, 1.5}, {20, 6}, {300, 25}, {40, 0}}, "0", 1},
        {"4 layers, Z negative", {{80, 1.5}, {20, 6}, {300, 25}, {40, 0}}, "-3", 0},
    };
    for (const Case &c : cases) {
        set_model(c.model);
        set_depths();
        Z_Coord = c.z;
        Decimals_Mode = static_cast<std::int16_t>(c.decimals);
        display_print();
        const bool alt = Val(c.z) > 0;
        const TableTrace &t = table(0);
        ASSERT_EQ(t.columns.size(), alt ? 4u : 3u) << c.what;
        EXPECT_DOUBLE_EQ(t.columns.back().right(), 1134 + (alt ? 5169 : 3619)) << c.what;
        EXPECT_EQ(t.header_rows, 1) << c.what;
        const std::vector<std::string> header =
            alt ? std::vector<std::string>{"[ohm·m]", "[m]", "[m]", "[m]"}
                : std::vector<std::string>{"[ohm·m]", "[m]", "[m]"};
        EXPECT_EQ(t.rows.at(0), header) << c.what;
        ASSERT_EQ(t.rows.size(), c.model.size() + 1) << c.what;
        const double z = Val(c.z);
        const double unit = c.decimals == 2 ? 100 : 10;
        int i = 0;
        for (const auto &[rho, h] : c.model) {
            ++i;
            const bool last = i == static_cast<int>(c.model.size());
            const double depth = Model_Layers(3, i).num();
            std::vector<std::string> row{Str(rho), last ? "" : Format_Decimals(h),
                                         i == 1 ? "" : Format_Decimals(depth)};
            if (alt)
                row.push_back(Format_Decimals(round_half_even((z - depth) * unit) / unit));
            EXPECT_EQ(t.rows.at(static_cast<std::size_t>(i)), row) << c.what << " layer " << i;
        }
        EXPECT_EQ(Model_Layers(3, 1).num(), 0);
    }
}

TEST_F(SheetBuilder, ModelTableTextsByDecimals) {
    using Rows = std::vector<std::vector<std::string>>;
    struct Case {
        int decimals;
        const char *z;
        Rows rows;
    };
    const Case cases[] = {
        {0,
         "120.5",
         {{" 80", " 1.5", "", " 120.5"},
          {" 20", " 6", " 1.5", " 119"},
          {" 300", " 25", " 7.5", " 113"},
          {" 40", "", " 32.5", " 88"}}},
        {1,
         "120.5",
         {{" 80", " 1.5", "", " 120.5"},
          {" 20", " 6.0", " 1.5", " 119.0"},
          {" 300", " 25.0", " 7.5", " 113.0"},
          {" 40", "", " 32.5", " 88.0"}}},
        {2,
         "120.5",
         {{" 80", " 1.50", "", " 120.50"},
          {" 20", " 6.00", " 1.50", " 119.00"},
          {" 300", " 25.00", " 7.50", " 113.00"},
          {" 40", "", " 32.50", " 88.00"}}},
        {1,
         "",
         {{" 80", " 1.5", ""},
          {" 20", " 6.0", " 1.5"},
          {" 300", " 25.0", " 7.5"},
          {" 40", "", " 32.5"}}},
    };
    for (const Case &c : cases) {
        Decimals_Mode = static_cast<std::int16_t>(c.decimals);
        Z_Coord = c.z;
        display_print();
        const Rows &rows = table(0).rows;
        ASSERT_EQ(rows.size(), c.rows.size() + 1) << c.decimals << c.z;
        EXPECT_EQ(Rows(rows.begin() + 1, rows.end()), c.rows) << c.decimals << c.z;
    }
}

TEST_F(SheetBuilder, HeaderRowsBoldBodyRowsRegular) {
    display_print();
    for (const TextOp &t : sheet_page(1).texts()) {
        if (t.text == "[ohm·m]" && t.y > 10000) {
            EXPECT_TRUE(t.font.bold);
        }
        if (t.text == " 300") {
            EXPECT_FALSE(t.font.bold);
        }
    }
    EXPECT_TRUE(text_op(2, "MN/2").font.bold);
}

TEST_F(SheetBuilder, NoModelBlockWithoutASecondFieldValue) {
    Field_Data(2, 2) = 0;
    display_print();
    EXPECT_FALSE(has_text(1, "Model "));
    EXPECT_TRUE(SEV.VSPrint.tables().size() == 2u);
}

TEST_F(SheetBuilder, LocationLineVariants) {
    struct Case {
        const char *x, *y, *z, *azimuth, *expected;
    };
    const Case cases[] = {
        {"1", "2", "3", "45", "Location   X = 1    Y = 2    Z = 3    Azim = 45"},
        {"1", "2", "", "45", "Location   X = 1    Y = 2    Z =     Azim = 45"},
        {"1", "2", "3", "", "Location   X = 1    Y = 2    Z = 3"},
        {"1", "2", "", "", "Location   X = 1    Y = 2"},
        {"1", "", "3", "45", nullptr},
        {"", "2", "3", "", nullptr},
    };
    for (const Case &c : cases) {
        X_Coord = c.x;
        Y_Coord = c.y;
        Z_Coord = c.z;
        Azimuth = c.azimuth;
        display_print();
        bool any = false;
        for (const TextOp &t : sheet_page(1).texts())
            any |= t.text.rfind("Location", 0) == 0;
        if (c.expected)
            EXPECT_TRUE(has_text(1, c.expected)) << c.expected;
        else
            EXPECT_FALSE(any) << c.x << "/" << c.y;
    }
}

TEST_F(SheetBuilder, FieldTablesByArray) {
    struct Case {
        const char *what;
        int option;
        char language;
        const char *source;
        std::vector<std::string> titles, units;
        std::size_t cells;
    };
    const Case cases[] = {
        {"Schlumberger",
         1,
         'E',
         "",
         {"MN/2", "AB/2", "DeltaV", "I", "K", "Resistivity"},
         {"[m]", "[m]", "[mV]", "[mA]", "[-]", "[ohm·m]"},
         6},
        {"dipole, French",
         2,
         'F',
         "",
         {"BN", "AM", "DeltaV", "I", "K", "Résistivité"},
         {"[m]", "[m]", "[mV]", "[mA]", "[-]", "[ohm·m]"},
         6},
        {"Wenner, German, PASI",
         3,
         'A',
         "PASI",
         {"a", "DeltaV", "I", "K", "Resistivität"},
         {"[m]", "[µV]", "[µA]", "[-]", "[ohm·m]"},
         5},
        {"Schlumberger, Spanish, PASI",
         1,
         'S',
         "PASI",
         {"MN/2", "AB/2", "DeltaV", "I", "K", "Resistividad"},
         {"[m]", "[m]", "[µV]", "[µA]", "[-]", "[ohm·m]"},
         6},
    };
    for (const Case &c : cases) {
        Apply_Array(c.option == 1   ? Array_Type::Schlumberger
                    : c.option == 2 ? Array_Type::Dipole
                                    : Array_Type::Wenner);
        set_language(c.language);
        Data_Source = c.source;
        display_print();
        const TableTrace &titles = table(1);
        ASSERT_EQ(titles.rows.size(), 1u) << c.what;
        EXPECT_EQ(titles.rows[0], c.titles) << c.what;
        const TableTrace &data = table(2);
        EXPECT_EQ(data.rows.at(0), c.units) << c.what;
        ASSERT_EQ(data.rows.size(), 16u) << c.what;
        ASSERT_EQ(data.rows[1].size(), c.cells) << c.what;
        if (c.cells == 6)
            EXPECT_EQ(data.rows[1],
                      (std::vector<std::string>{" .5", " 1", " 10", " 100", " 3.14", " 79"}))
                << c.what;
        else
            EXPECT_EQ(data.rows[1], (std::vector<std::string>{" 1", " 10", " 100", " 3.14", " 79"}))
                << c.what;
    }
    EXPECT_EQ(Niveau, "0");
}

TEST_F(SheetBuilder, FieldRowsStopAtTheFirstMissingResistivityAndAtTheCount) {
    Field_Data(6, 2) = 0;
    display_print();
    EXPECT_EQ(table(2).rows.size(), 1u + 5u);
    Field_Data(6, 2) = 26;
    Nb_Points = 3;
    display_print();
    EXPECT_EQ(table(2).rows.size(), 1u + 3u);
    Nb_Points = 0;
    display_print();
    EXPECT_EQ(table(2).rows.size(), 1u);
}

TEST_F(SheetBuilder, CommentWithoutRoomFollowsOnTheNextLine) {
    set_model({{10, 1}, {20, 1}, {30, 1}, {40, 1}, {50, 1}, {60, 1}, {70, 1}, {80, 0}});
    set_depths();
    display_print();
    const double bottom = table(0).bottom;
    ASSERT_EQ(table(0).last_page, 1);
    // The limit 100 twips above the table's end: no room left for the comment there.
    Bottom_Margin = SEV.VSPrint.PageHeight() - bottom - 567 + 100;
    display_print();
    ASSERT_EQ(table(0).last_page, 1);
    EXPECT_NEAR(text_op(1, "Dry season").y, bottom, 1e-6);
    // A long one: the lines that would cross the margin go on to a new page, before the field
    // data's.
    Comment = long_comment;
    display_print();
    ASSERT_EQ(SEV.VSPrint.PageCount(), 3);
    const double page_bottom = SEV.VSPrint.PageHeight() - Bottom_Margin;
    const std::vector<TextOp> lines = comment_lines({sheet_page(1), sheet_page(2)}, 1134,
                                                    SEV.VSPrint.PageWidth() - 1134, page_bottom);
    EXPECT_NEAR(lines.front().y, bottom, 1e-6);
    EXPECT_TRUE(has_text(3, "Field data and calculated values"));
}

TEST_F(SheetBuilder, LongCommentWrapsWithinTheMarginsAboveTheFooter) {
    for (const bool landscape : {false, true}) {
        page(landscape);
        Comment = long_comment;
        display_print();
        const int text_page = landscape ? 2 : 1;
        const DisplayList shown = SEV.VSPrint.page_picture(text_page);
        const double bottom = shown.height - SEV.VSPrint.MarginBottom();
        const std::vector<TextOp> lines = comment_lines(
            {shown}, SEV.VSPrint.MarginLeft(), shown.width - SEV.VSPrint.MarginRight(), bottom);
        ASSERT_GE(lines.size(), 2u) << landscape;
        for (const TextOp &t : shown.texts()) {
            if (t.text == "Brenkal / Ohmira 6.5") {
                EXPECT_LE(lines.back().y + lines.back().height, t.y) << "above the footer";
            }
        }
        EXPECT_GT(lines.front().y, table(0).bottom) << "below the model table";
    }
    // A comment that fits stays one line at its place.
    page(false);
    Comment = "Dry season";
    display_print();
    EXPECT_NEAR(text_op(1, "Dry season").y, 15021, 1e-6);
}

} // namespace
} // namespace ohmira::test
