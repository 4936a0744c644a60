#include "core/sounding.h"
#include "form/applied_array.h"
#include "profiles/profile_order.h"
#include "profiles/profile_selection.h"
#include "profiles_fixture.h"

#include <cmath>

namespace ohmira::test {
namespace {

using ProfileGrid = ProfilesTest;

void fill_grid(const std::vector<std::pair<std::string, std::string>> &xy) {
    FlexGrid &g = SEV.SEV_Grid;
    g.Rows(static_cast<int>(xy.size()) + 1);
    g.Cols(8);
    for (size_t i = 0; i < xy.size(); ++i) {
        const int r = static_cast<int>(i) + 1;
        g.TextMatrix(r, 1, "F" + std::to_string(r));
        g.TextMatrix(r, 2, xy[i].first);
        g.TextMatrix(r, 3, xy[i].second);
        g.TextMatrix(r, 5, std::to_string(r));
        g.TextMatrix(r, 6, "999");
    }
}

TEST_F(ProfileGrid, OrderingByDistanceFromTheOrigin) {
    const struct {
        std::vector<std::pair<std::string, std::string>> xy;
        std::vector<std::string> names, distances;
    } cases[] = {
        {{{"300", "0"}, {"100", "0"}, {"200", "0"}}, {"F2", "F3", "F1"}, {"0", "100", "200"}},
        {{{"-100", "0"}, {"100", "0"}}, {"F1", "F2"}, {"0", "200"}}, // folded, stable
        {{{"0", "0"}, {"3", "4"}}, {"F1", "F2"}, {"0", "5"}},
        {{{"50", "0"}}, {"F1"}, {"0"}},
        {{{"x", "0"}, {"10", "0"}}, {"F1", "F2"}, {"0", "10"}}, // not a number: key 0
        // Shown to the millimetre, so that the narrow column holds it.
        {{{"0", "5"}, {"5", "0"}}, {"F1", "F2"}, {"0", "7.071"}},
        {{{"0", "0"}, {"369.9963719", "0"}, {"400", "0"}},
         {"F1", "F2", "F3"},
         {"0", "369.996", "400"}},
    };
    for (const auto &c : cases) {
        fill_grid(c.xy);
        SEV.Command9.user_click();
        for (size_t i = 0; i < c.names.size(); ++i) {
            const int r = static_cast<int>(i) + 1;
            EXPECT_EQ(SEV.SEV_Grid.TextMatrix(r, 1), c.names[i]);
            EXPECT_EQ(SEV.SEV_Grid.TextMatrix(r, 6), c.distances[i]);
        }
        EXPECT_EQ(SEV.SEV_Grid.Row(), static_cast<int>(c.names.size()));
        EXPECT_EQ(SEV.SEV_Grid.Col(), 6);
    }
    // Rows move whole: the order column keeps the selection number.
    fill_grid({{"300", "0"}, {"100", "0"}});
    Re_order();
    EXPECT_EQ(SEV.SEV_Grid.TextMatrix(1, 5), "2");
}

TEST_F(ProfileGrid, ScalesFromTheGrid) {
    Profile_Low_Alt = 50;
    fill_grid({{"0", "0"}, {"1000", "0"}});
    SEV.SEV_Grid.TextMatrix(1, 4, "125");
    SEV.SEV_Grid.TextMatrix(2, 4, "80");
    SEV.SEV_Grid.TextMatrix(1, 6, "0");
    SEV.SEV_Grid.TextMatrix(2, 6, "1000");
    SEV.Text14.Text("250");
    SEV.Text13.Text("1000");
    calcul_echelle();
    EXPECT_EQ(Profile_Top_Alt, 140);
    EXPECT_EQ(SEV.Text5.Text(), "4000");
    EXPECT_EQ(SEV.Text6.Text(), "75");
    EXPECT_NEAR(Profile_X_Twips, 226.8, 1e-9);
    EXPECT_NEAR(Profile_Z_Twips, 56.7, 1e-9);

    SEV.SEV_Grid.TextMatrix(1, 4, "135");
    calcul_echelle();
    EXPECT_EQ(Profile_Top_Alt, 160);

    // An empty or zero scale leaves its results as they were, also while typing.
    SEV.Text14.Text("");
    EXPECT_EQ(SEV.Text5.Text(), "4000");
    EXPECT_NEAR(Profile_X_Twips, 226.8, 1e-9);
    SEV.Text14.Text("500"); // the change event recomputes
    EXPECT_EQ(SEV.Text5.Text(), "2000");

    // Soundings below sea level: the top is 20 m.
    SEV.SEV_Grid.TextMatrix(1, 4, "-5");
    SEV.SEV_Grid.TextMatrix(2, 4, "-8");
    calcul_echelle();
    EXPECT_EQ(Profile_Top_Alt, 20);
}

TEST_F(ProfileGrid, LimitsAreRoundedBySize) {
    const struct {
        double in, out;
    } cases[] = {{1234.5, 1200}, {150, 150}, {250, 250}, {105, 100}, {42.5, 42}, {43.5, 44}};
    for (const auto &c : cases)
        EXPECT_EQ(round_limit(c.in), c.out) << c.in;
}

TEST_F(ProfileGrid, SelectingFiveSoundingsFillsOrdersAndScales) {
    select(five_sounding_line());
    ASSERT_TRUE(host.failures().empty());
    const FlexGrid &g = SEV.SEV_Grid;
    ASSERT_EQ(g.Rows(), 6);
    EXPECT_EQ(g.TextMatrix(0, 1), "File name");
    EXPECT_EQ(g.TextMatrix(0, 7), "Max. depth");
    const char *names[] = {"S1.QD3", "S2.QD3", "S3.QD3", "S4.QD3", "S5.QD3"};
    const char *distances[] = {"0", "100", "200", "300", "400"};
    for (int r = 1; r <= 5; ++r) {
        EXPECT_EQ(g.TextMatrix(r, 1), names[r - 1]);
        EXPECT_EQ(g.TextMatrix(r, 6), distances[r - 1]);
    }
    EXPECT_EQ(g.TextMatrix(1, 5), "2"); // selected second
    EXPECT_EQ(g.TextMatrix(5, 3), "0"); // empty Y
    EXPECT_EQ(g.TextMatrix(4, 4), "0"); // empty Z
    EXPECT_EQ(g.TextMatrix(1, 7), "29.5");
    EXPECT_EQ(SEV.Text11.Text(), "10");
    EXPECT_EQ(SEV.Text12.Text(), "1500");
    EXPECT_EQ(SEV.Text116.Text(), "1500");
    EXPECT_EQ(Profile_Top_Alt, 140);
    EXPECT_EQ(SEV.Text5.Text(), "1600");
    EXPECT_EQ(Profile_Folder, folder.path() + "/");
    EXPECT_EQ(Chemin, folder.path() + "/");
    // S4 at Z 0 with L = 2400/30 = 80 m: the lowest altitude.
    EXPECT_NEAR(Profile_Low_Alt, -80, 1e-4);
}

TEST_F(ProfileGrid, LowAltitudeFollowsTheArrayOfTheEditor) {
    write("A.QD3", qd3_text({{100, 5}, {50, 0}}, "0", "0", "250", 1000));
    write("B.QD3", qd3_text({{100, 5}, {50, 0}}, "10", "0", "260", 1000));
    Apply_Array(Array_Type::Wenner);
    select({"A.QD3", "B.QD3"});
    EXPECT_NEAR(Profile_Low_Alt, 150, 1e-4);
    Apply_Array(Array_Type::Schlumberger);
    select({"A.QD3", "B.QD3"});
    EXPECT_NEAR(Profile_Low_Alt, 250 - 2000.0f / 30.0f, 1e-4);
    EXPECT_NEAR(Profile_Low_Alt, 183.33, 0.01);
}

TEST_F(ProfileGrid, AnUnreadableFileLeavesItsRowEmptyAndIsNamed) {
    write("A.QD3", qd3_text({{100, 5}, {50, 0}}, "5000", "0", "250", 1000));
    write("BAD.QD3", "3.5\r\n1,2,3\r\n");
    write("C.QD3", qd3_text({{300, 5}, {20, 0}}, "5000", "20", "240", 1000));
    host.expect(answer_open(paths({"A.QD3", "BAD.QD3", "C.QD3"})));
    host.expect(answer_box(vbOK));
    SEV.Command2.user_click();
    ASSERT_TRUE(host.failures().empty());
    const auto boxes = host.message_boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].text.find("BAD.QD3"), std::string::npos);
    const FlexGrid &g = SEV.SEV_Grid;
    int bad = 0;
    for (int r = 1; r <= 3; ++r)
        if (g.TextMatrix(r, 1) == "BAD.QD3")
            bad = r;
    EXPECT_EQ(bad, 3); // last, out of the distances
    ASSERT_NE(bad, 0);
    EXPECT_EQ(g.TextMatrix(1, 6), "0");
    EXPECT_EQ(g.TextMatrix(2, 6), "20");
    EXPECT_EQ(g.TextMatrix(3, 6), "");
    for (int c = 2; c <= 4; ++c)
        EXPECT_EQ(g.TextMatrix(bad, c), "");
    EXPECT_EQ(g.TextMatrix(bad, 7), "");
    EXPECT_EQ(SEV.Text11.Text(), "20");
    EXPECT_EQ(SEV.Text12.Text(), "300");
    EXPECT_NEAR(Profile_Low_Alt, 240 - 2000.0f / 30.0f, 1e-4);
}

TEST_F(ProfileGrid, RefusalsKeepTheGrid) {
    select(five_sounding_line());
    const std::string first = SEV.SEV_Grid.TextMatrix(1, 1);
    // One file: the message; a cancel: not a word. Nothing changes.
    host.expect(answer_open({folder / "S1.QD3"}));
    host.expect(answer_box(vbOK));
    SEV.Command2.user_click();
    host.expect(cancel_open());
    SEV.Command2.user_click();
    ASSERT_TRUE(host.failures().empty());
    const auto boxes = host.message_boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Impossible with only 1 file");
    EXPECT_EQ(boxes[0].icon, MsgIcon::Critical);
    EXPECT_EQ(boxes[0].title, "Ohmira 6.5");
    EXPECT_EQ(SEV.SEV_Grid.Rows(), 6);
    EXPECT_EQ(SEV.SEV_Grid.TextMatrix(1, 1), first);

    // No resistivity above 0 anywhere: the limits stay.
    write("Z1.QD3", qd3_text({}, "0", "0", "10"));
    write("Z2.QD3", qd3_text({}, "5", "0", "10"));
    SEV.Text11.Text("12");
    SEV.Text12.Text("3400");
    select({"Z1.QD3", "Z2.QD3"});
    EXPECT_EQ(SEV.Text11.Text(), "12");
    EXPECT_EQ(SEV.Text12.Text(), "3400");
}

TEST_F(ProfileGrid, OlderLayoutResistivitiesAreDividedByTen) {
    write("OLD.QD3", qd3_text({{100, 5}, {50, 0}}, "0", "0", "10", 1000, 3, "3"));
    write("NEW.QD3", qd3_text({{100, 5}, {50, 0}}, "10", "0", "10"));
    select({"OLD.QD3", "NEW.QD3"});
    EXPECT_EQ(SEV.Text12.Text(), "1000"); // 10000 / 10 in the older file
    EXPECT_EQ(SEV.Text11.Text(), "50");
}

} // namespace
} // namespace ohmira::test
