#include "profiles/section_drawing.h"
#include "profiles_fixture.h"

#include <algorithm>

namespace ohmira::test {
namespace {

class SectionDrawing : public ProfilesTest {
protected:
    // The section's page after a drawing.
    DisplayList draw() {
        Trace_Profil();
        EXPECT_EQ(SEV.VSPrint1.PageCount(), 1);
        return SEV.VSPrint1.PageCount() ? SEV.VSPrint1.pages()[0] : DisplayList{};
    }
    static std::vector<BoxOp> columns(const DisplayList &page) {
        // Layer rectangles are the filled boxes left of the legend.
        std::vector<BoxOp> out;
        for (const BoxOp &b : page.boxes())
            if (b.filled() && b.x2 - b.x1 != 600)
                out.push_back(b);
        return out;
    }
    static bool has_text(const DisplayList &page, const std::string &t) {
        const auto s = page.text_strings();
        return std::find(s.begin(), s.end(), t) != s.end();
    }
    static std::vector<LineOp> correlation_lines(const DisplayList &page) {
        std::vector<LineOp> out;
        for (const LineOp &l : page.lines())
            if (l.pen.width == 5)
                out.push_back(l);
        return out;
    }
};

TEST_F(SectionDrawing, NothingIsDrawnBeforeTheScales) {
    Trace_Profil();
    EXPECT_EQ(SEV.VSPrint1.PageCount(), 0);
}

TEST_F(SectionDrawing, ColumnsStandAtTheirDistancesAndAltitudes) {
    write("A.QD3", qd3_text({{100, 5}, {50, 0}}, "0", "0", "120", 1000));
    write("B.QD3", qd3_text({{100, 30}, {50, 0}}, "100", "0", "100", 1000));
    write("C.QD3", qd3_text({{100, 60}, {50, 0}}, "250", "0", "100", 1000));
    select({"A.QD3", "B.QD3", "C.QD3"});
    ASSERT_EQ(Profile_Top_Alt, 140);
    const double lm = SEV.VSPrint1.MarginLeft(), tm = SEV.VSPrint1.MarginTop();
    ASSERT_EQ(tm, 1134);
    host.expect(answer_box(vbOK)); // 250 m at 1/250 is wider than the page
    const DisplayList page = draw();
    ASSERT_TRUE(host.failures().empty());
    EXPECT_EQ(host.message_boxes()[0].text, "Plot width too big !");
    EXPECT_EQ(host.message_boxes()[0].title, "Ohmira 6.5");
    const auto cols = columns(page);
    ASSERT_EQ(cols.size(), 6u);
    EXPECT_DOUBLE_EQ(cols[0].x1, lm);
    EXPECT_DOUBLE_EQ(cols[2].x1, lm + 100 * Profile_X_Twips);
    EXPECT_DOUBLE_EQ(cols[4].x1, lm + 250 * Profile_X_Twips);
    EXPECT_NEAR(cols[0].x2 - cols[0].x1, 113.4, 1e-9);
    EXPECT_NEAR(cols[0].y1, 2268, 1e-9);
    // Half-space of A: top at 5 m, L = 66.67 m: drawn down to L. Of C: top at 60 m, to 100 m.
    EXPECT_NEAR(cols[1].y2, (20 + 2000.0f / 30.0f) * 56.7 + tm, 1e-3);
    EXPECT_NEAR(cols[5].y2, (40 + 100) * 56.7 + tm, 1e-6);
    // Name above the column, 7 m above the ground.
    const auto texts = page.texts();
    const auto name =
        std::find_if(texts.begin(), texts.end(), [](const TextOp &t) { return t.text == "A"; });
    ASSERT_NE(name, texts.end());
    EXPECT_NEAR(name->y, 1871.1, 1e-9);
    EXPECT_TRUE(name->font.bold);
    // Classes: 100 and 50 in a 50..100 scale.
    EXPECT_EQ(cols[0].brush.colour, static_cast<Colour>(SEV.Text116.BackColor()));
    EXPECT_EQ(cols[1].brush.colour, static_cast<Colour>(SEV.Text101.BackColor()));
    EXPECT_TRUE(has_text(page, "  100"));
    EXPECT_TRUE(has_text(page, "Ohm . m"));
    EXPECT_TRUE(has_text(page, "X_scale = 1/ 250  Z_scale = 1/ 1000"));
    EXPECT_TRUE(has_text(page, " 130 m"));
    EXPECT_EQ(page.polylines().size(), 1u);
    EXPECT_EQ(page.polylines()[0].points.size(), 6u);
}

TEST_F(SectionDrawing, CorrelationLinesJoinLayersByIndex) {
    write("A.QD3", qd3_text({{100, 5}, {50, 10}, {200, 0}}, "0", "0", "120"));
    write("B.QD3", qd3_text({{100, 4}, {50, 8}, {20, 6}, {70, 9}, {300, 0}}, "10", "0", "120"));
    select({"A.QD3", "B.QD3"});
    SEV.Check5.Value(1);
    const auto lines = correlation_lines(draw());
    ASSERT_EQ(lines.size(), 2u); // tops of layers 2 and 3
    EXPECT_NEAR(lines[0].x1, SEV.VSPrint1.MarginLeft() + 113.4, 1e-9);
    EXPECT_NEAR(lines[0].y1, (20 + 5) * 56.7 + 1134, 1e-9);
    EXPECT_NEAR(lines[0].y2, (20 + 4) * 56.7 + 1134, 1e-9);
    EXPECT_EQ(lines[0].pen.colour, static_cast<Colour>(SEV.Text15.BackColor()));
}

TEST_F(SectionDrawing, AZeroResistivityEndsAColumnAndAnUnreadableFileLeavesItEmpty) {
    write("A.QD3", qd3_text({{100, 5}, {0, 5}, {50, 0}}, "0", "0", "120"));
    write("B.QD3", qd3_text({{100, 5}, {40, 5}, {50, 0}}, "10", "0", "120"));
    write("C.QD3", qd3_text({{100, 5}, {40, 5}, {50, 0}}, "20", "0", "120"));
    select({"A.QD3", "B.QD3", "C.QD3"});
    SEV.Check5.Value(1);
    DisplayList page = draw();
    EXPECT_EQ(columns(page).size(), 1u + 3u + 3u);
    // B becomes unreadable: its column is empty and no line crosses it.
    write("B.QD3", "garbage");
    page = draw();
    EXPECT_EQ(columns(page).size(), 1u + 3u);
    EXPECT_TRUE(correlation_lines(page).empty());
    EXPECT_TRUE(has_text(page, "B"));
    // Unreadable at the selection: no place on the line, no label, no column.
    host.expect(answer_open(paths({"A.QD3", "B.QD3", "C.QD3"})));
    host.expect(answer_box(vbOK));
    SEV.Command2.user_click();
    write("B.QD3", qd3_text({{100, 5}, {40, 5}, {50, 0}}, "10", "0", "120"));
    page = draw();
    EXPECT_FALSE(has_text(page, "B"));
    EXPECT_EQ(columns(page).size(), 1u + 3u);
    EXPECT_EQ(page.polylines()[0].points.size(), 4u);
    EXPECT_TRUE(host.failures().empty());
}

TEST_F(SectionDrawing, OptionsChooseWhatIsDrawn) {
    std::vector<std::string> names;
    for (int i = 1; i <= 25; ++i) {
        names.push_back("P" + std::to_string(100 + i) + ".QD3");
        write(names.back(), qd3_text({{100, 5}, {50, 0}}, std::to_string(i), "0", "100"));
    }
    select(names);
    SEV.Check9.Value(1); // clears the names
    SEV.Check1.Value(0);
    SEV.Check3.Value(0);
    const DisplayList page = draw();
    const auto s = page.text_strings();
    EXPECT_EQ(std::count(s.begin(), s.end(), " 10"), 1);
    EXPECT_EQ(std::count(s.begin(), s.end(), " 20"), 1);
    EXPECT_FALSE(has_text(page, "P101"));
    EXPECT_FALSE(has_text(page, "Ohm . m"));
    EXPECT_FALSE(has_text(page, "  100"));
    for (const BoxOp &b : page.boxes())
        EXPECT_NE(b.x2 - b.x1, 600);

    SEV.Check2.Value(0);
    SEV.Check4.Value(0);
    SEV.Check6.Value(0);
    const DisplayList bare = draw();
    EXPECT_TRUE(bare.polylines().empty());
    EXPECT_TRUE(bare.lines().empty());
}

TEST_F(SectionDrawing, ALoneFilledColumnKeepsAWidth) {
    write("A.QD3", qd3_text({{100, 5}, {50, 0}}, "0", "0", "120"));
    write("B.QD3", qd3_text({{100, 5}, {50, 0}}, "0", "0", "120"));
    select({"A.QD3", "B.QD3"});
    SEV.SEV_Grid.Rows(2); // one sounding left
    SEV.Text8.Text("4");
    draw();
    SEV.Check8.Value(1);
    const auto cols = columns(draw());
    ASSERT_FALSE(cols.empty());
    EXPECT_NEAR(cols[0].x2 - cols[0].x1, 4 * 56.7, 1e-9);
}

} // namespace
} // namespace ohmira::test
