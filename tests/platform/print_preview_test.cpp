#include "platform/print_preview.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/form.h"
#include "platform/scripted_dialog_host.h"
#include "platform/text_metrics.h"

namespace ohmira {

namespace {

struct PreviewFixture : ::testing::Test {
    Form form{"SEV"};
    VSPrinter vs{form, "VSPrint", 2000, 500, 9000, 7000};
    std::vector<int> errors;
    void SetUp() override {
        vs.Error = [this] { errors.push_back(vs.LastError()); };
    }
};

} // namespace

TEST(TableFormat, ParsesFlagsAndWidths) {
    struct Case {
        const char *format;
        bool ok;
        std::vector<double> lefts;
        std::string aligns;
    };
    const Case cases[] = {
        {">+1100|>+1328|>+1291|>+1450;", true, {1134, 2234, 3562, 4853}, ">>>>"},
        {">+630|>+1220;", true, {1134, 1764}, ">>"},
        {"<500|^600|1000", true, {1134, 1634, 2234}, "<^<"},
        {"", false, {}, ""},
        {">+|>+100;", false, {}, ""},
        {">+abc;", false, {}, ""},
        {">+0;", false, {}, ""},
        {">+100|;", false, {}, ""},
    };
    for (const Case &c : cases) {
        std::vector<TableColumn> cols;
        EXPECT_EQ(parse_table_format(c.format, 1134, cols), c.ok) << c.format;
        if (!c.ok)
            continue;
        ASSERT_EQ(cols.size(), c.lefts.size()) << c.format;
        for (std::size_t i = 0; i < cols.size(); ++i) {
            EXPECT_DOUBLE_EQ(cols[i].left, c.lefts[i]) << c.format;
            EXPECT_EQ(cols[i].align, c.aligns[i]) << c.format;
        }
    }
}

TEST(TableFormat, SplitsRowsAndCells) {
    using Rows = std::vector<std::vector<std::string>>;
    EXPECT_EQ(split_table_rows("[ohm·m]|[m]|[m];"), (Rows{{"[ohm·m]", "[m]", "[m]"}}));
    EXPECT_EQ(split_table_rows(" 100| 2.5||;"), (Rows{{" 100", " 2.5", "", ""}}));
    EXPECT_EQ(split_table_rows("a|b;c|d;"), (Rows{{"a", "b"}, {"c", "d"}}));
    EXPECT_EQ(split_table_rows("a|b"), (Rows{{"a", "b"}}));
    EXPECT_EQ(split_table_rows(""), Rows{});
}

TEST_F(PreviewFixture, DefaultsAndDocumentLifecycle) {
    EXPECT_DOUBLE_EQ(vs.PageWidth(), 11906);
    EXPECT_DOUBLE_EQ(vs.PageHeight(), 16838);
    EXPECT_DOUBLE_EQ(vs.MarginBottom(), 1245);
    EXPECT_DOUBLE_EQ(vs.MarginLeft(), 1134);
    vs.Orientation(orLandscape);
    EXPECT_DOUBLE_EQ(vs.PageWidth(), 16838);
    vs.Orientation(orPortrait);

    int end_events = 0;
    vs.EndDocument = [&] { ++end_events; };
    vs.StartDoc();
    vs.DrawLine(0, 0, 100, 100);
    vs.NewPage();
    vs.NewPage();
    EXPECT_DOUBLE_EQ(vs.CurrentX(), 1134);
    EXPECT_DOUBLE_EQ(vs.CurrentY(), 1134);
    vs.EndDoc();
    EXPECT_EQ(vs.PageCount(), 3);
    EXPECT_EQ(end_events, 1);
    vs.StartDoc(); // discards the old document
    EXPECT_EQ(vs.PageCount(), 1);
    EXPECT_TRUE(vs.pages()[0].empty());
    vs.EndDoc();
    vs.DrawLine(0, 0, 1, 1); // no open document
    EXPECT_EQ(errors, (std::vector<int>{vspNoDocument}));
}

TEST_F(PreviewFixture, DrawingWithPenAndBrush) {
    vs.StartDoc();
    vs.PenColor(rgb(255, 0, 0));
    vs.PenWidth(18);
    vs.DrawLine(500, 600, 500, 600); // a polyline's first point
    vs.DrawLine(700, 800);           // continues from the previous point
    vs.DrawLine(900, 650);
    vs.BrushStyle(1);
    vs.PenWidth(12);
    vs.DrawRectangle(100, 200, 170, 270);
    vs.BrushStyle(0);
    vs.BrushColor(rgb(0, 0, 255));
    vs.DrawRectangle(0, 0, 10, 10);
    vs.Polyline("10 20 30 40, 50 60");
    vs.Polyline("1 2 3"); // odd count
    vs.Polyline("1 x 3 4");
    vs.DrawLine(std::numeric_limits<double>::quiet_NaN(), 0, 1, 1);
    EXPECT_FALSE(vs.PenWidth(-1));
    vs.EndDoc();
    EXPECT_EQ(errors,
              (std::vector<int>{vspBadPoints, vspBadPoints, vspBadArgument, vspBadArgument}));

    const DisplayList &p = vs.pages().at(0);
    const auto lines = p.lines();
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_DOUBLE_EQ(lines[1].x1, 500);
    EXPECT_DOUBLE_EQ(lines[1].y1, 600);
    EXPECT_DOUBLE_EQ(lines[2].x1, 700);
    EXPECT_DOUBLE_EQ(lines[2].y1, 800);
    EXPECT_DOUBLE_EQ(lines[2].x2, 900);
    EXPECT_EQ(lines[2].pen.colour, rgb(255, 0, 0));
    EXPECT_DOUBLE_EQ(lines[2].pen.width, 18);
    const auto boxes = p.boxes();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_FALSE(boxes[0].filled());
    EXPECT_DOUBLE_EQ(boxes[0].pen.width, 12);
    EXPECT_TRUE(boxes[1].filled());
    EXPECT_EQ(boxes[1].brush.colour, rgb(0, 0, 255));
    const auto poly = p.polylines();
    ASSERT_EQ(poly.size(), 1u);
    EXPECT_EQ(poly[0].points, (std::vector<PointTw>{{10, 20}, {30, 40}, {50, 60}}));
}

TEST_F(PreviewFixture, TextAtTheCursorAndParagraphs) {
    vs.StartDoc();
    vs.CurrentX(1134);
    vs.CurrentY(1304.1);
    vs.FontBold(true);
    vs.FontSize(13);
    vs.Paragraph("Sondage");
    const double line13 = line_height(Font{"Arial", 13, true});
    EXPECT_DOUBLE_EQ(vs.CurrentX(), 1134);
    EXPECT_NEAR(vs.CurrentY(), 1304.1 + line13, 1e-9);
    vs.FontBold(false);
    vs.FontSize(10);
    vs.TextAngle(900);
    vs.TextColor(rgb(0, 128, 0));
    vs.CurrentX(3000);
    vs.Text("A");
    vs.Text("B");
    vs.EndDoc();
    const auto t = vs.pages()[0].texts();
    ASSERT_EQ(t.size(), 3u);
    EXPECT_DOUBLE_EQ(t[0].y, 1304.1);
    EXPECT_TRUE(t[0].font.bold);
    EXPECT_DOUBLE_EQ(t[0].font.size, 13);
    EXPECT_EQ(t[1].font.angle, 900);
    EXPECT_EQ(t[1].colour, rgb(0, 128, 0));
    EXPECT_NEAR(t[2].x, 3000 + text_width(Font{"Arial", 10}, "A"), 1e-9);
}

// The sheet's model table: right-aligned columns at cumulative widths from the left margin, the
// header bold through the cell event, rows appended to the open table, the cursor below it.
TEST_F(PreviewFixture, ModelTableLayout) {
    vs.BeforeTableCell = [&](std::int32_t row, std::int32_t, std::string &) {
        if (row > 0 && vs.FontBold())
            vs.FontBold(false);
        else if (row <= 0 && !vs.FontBold())
            vs.FontBold(true);
    };
    const char *format = ">+1100|>+1328|>+1291|>+1450;";
    const char *header = "[ohm·m]|[m]|[m]|[m];";
    vs.StartDoc();
    vs.CurrentX(1134);
    vs.CurrentY(10942.3);
    vs.TableBorder(tbNone);
    vs.StartTable();
    vs.TableSetting(25, 0);
    vs.AddTable(format, header, " 100| 2.5|| 97.5;");
    vs.AddTable(format, header, " 20| 10| 2.5| 95;");
    vs.AddTable(format, header, " 300|| 12.5| 85;");
    vs.EndTable();
    vs.EndDoc();

    ASSERT_EQ(vs.tables().size(), 1u);
    const TableTrace &tr = vs.tables()[0];
    EXPECT_EQ(tr.header_rows, 1);
    ASSERT_EQ(tr.rows.size(), 4u);
    EXPECT_EQ(tr.rows[3], (std::vector<std::string>{" 300", "", " 12.5", " 85"}));
    const double row_h = line_height(Font{"Arial", 10}) + 2 * table_cell_padding_y;
    EXPECT_DOUBLE_EQ(tr.top, 10942.3);
    EXPECT_NEAR(tr.bottom, 10942.3 + 4 * row_h, 1e-6);
    EXPECT_NEAR(vs.CurrentY(), tr.bottom, 1e-9);
    EXPECT_DOUBLE_EQ(vs.CurrentX(), 1134);

    const auto texts = vs.pages()[0].texts();
    ASSERT_EQ(texts.size(), 4u + 3 + 4 + 3); // empty cells draw nothing
    const double rights[] = {1134 + 1100, 1134 + 2428, 1134 + 3719, 1134 + 5169};
    for (int c = 0; c < 4; ++c) {
        EXPECT_NEAR(texts[c].x + texts[c].width, rights[c] - table_cell_padding_x, 1e-9);
        EXPECT_TRUE(texts[c].font.bold) << "header cell " << c;
    }
    EXPECT_EQ(texts[4].text, " 100");
    EXPECT_FALSE(texts[4].font.bold);
    EXPECT_NEAR(texts[4].y, 10942.3 + row_h + table_cell_padding_y, 1e-6);
    EXPECT_TRUE(vs.pages()[0].lines().empty()); // border 0
    EXPECT_DOUBLE_EQ(vs.TableSetting(25), 0);
}

TEST_F(PreviewFixture, HeaderOnlyTableAndBorders) {
    vs.StartDoc();
    vs.CurrentY(2778.3);
    vs.AddTable(">+750|>+1220;", "MN/2|AB/2;", "");
    EXPECT_EQ(vs.pages()[0].texts().size(), 2u);
    EXPECT_NEAR(vs.CurrentY(), 2778.3 + line_height(Font{"Arial", 10}) + 2 * table_cell_padding_y,
                1e-9);
    vs.TableBorder(tbAll);
    vs.AddTable(">+750|>+1220;", "a|b;", "1|2;3|4;");
    // Three rows: a top line, and per row two outer verticals, one inner and one bottom line.
    EXPECT_EQ(vs.pages()[0].lines().size(), 1u + 3 * 4);
    vs.AddTable("bad", "a;", "1;");
    vs.EndDoc();
    EXPECT_EQ(errors, (std::vector<int>{vspBadTableFormat}));
}

TEST_F(PreviewFixture, LongTableBreaksPagesAndRepeatsTheHeader) {
    vs.Orientation(orLandscape); // 11906 high
    vs.StartDoc();
    vs.CurrentY(3061.8);
    vs.StartTable();
    const char *format = ">+630|>+1220;";
    vs.AddTable(format, "[m]|[ohm·m];", " 1| 100;");
    for (int i = 2; i <= 51; ++i)
        vs.AddTable(format, "[m]|[ohm·m];", " " + std::to_string(i) + "| 100;");
    vs.EndTable();
    vs.EndDoc();
    ASSERT_EQ(vs.PageCount(), 2);
    const double limit = vs.PageHeight() - vs.MarginBottom();
    for (const DisplayList &p : vs.pages())
        for (const TextOp &t : p.texts())
            EXPECT_LE(t.y + t.height, limit);
    const auto second = vs.pages()[1].texts();
    ASSERT_FALSE(second.empty());
    EXPECT_EQ(second[0].text, "[m]");
    EXPECT_DOUBLE_EQ(second[0].y, vs.MarginTop() + table_cell_padding_y);
    int body = 0;
    for (const DisplayList &p : vs.pages())
        for (const TextOp &t : p.texts())
            body += t.text == " 100";
    EXPECT_EQ(body, 51);
    EXPECT_EQ(vs.tables()[0].first_page, 1);
    EXPECT_EQ(vs.tables()[0].last_page, 2);
}

TEST_F(PreviewFixture, FooterOnEveryPage) {
    vs.StartDoc();
    vs.HdrFontSize(10);
    vs.HdrFontItalic(true);
    vs.Footer("||Brenkal / Ohmira 6.5");
    vs.NewPage();
    vs.EndDoc();
    for (int page = 1; page <= 2; ++page) {
        const auto texts = vs.page_picture(page).texts();
        ASSERT_EQ(texts.size(), 1u) << page;
        EXPECT_EQ(texts[0].text, "Brenkal / Ohmira 6.5");
        EXPECT_TRUE(texts[0].font.italic);
        EXPECT_NEAR(texts[0].x + texts[0].width, 11906 - 1134, 1e-9);
        EXPECT_GT(texts[0].y, 16838 - 1245);
        EXPECT_LT(texts[0].y + texts[0].height, 16838);
    }
    EXPECT_TRUE(vs.pages()[0].empty()); // the footer is not part of the drawn page
}

TEST_F(PreviewFixture, PreviewStateAndPrinting) {
    EXPECT_EQ(vs.PreviewPage(), 0);
    vs.StartDoc();
    for (int i = 0; i < 6; ++i)
        vs.NewPage();
    vs.EndDoc();
    vs.PreviewPage(3);
    EXPECT_EQ(vs.PreviewPage(), 3);
    vs.PreviewPage(99);
    EXPECT_EQ(vs.PreviewPage(), 7);
    std::vector<int> followed;
    vs.PageChanged = [&](std::int16_t p) { followed.push_back(p); };
    vs.user_preview_page(2);
    EXPECT_EQ(followed, (std::vector<int>{2}));
    vs.ZoomMode(zmTwoPages);
    EXPECT_EQ(vs.PreviewPages(), 2);
    vs.ZoomMode(zmWholePage);
    EXPECT_EQ(vs.PreviewPages(), 1);
    EXPECT_FALSE(vs.ZoomMode(6));
    EXPECT_FALSE(vs.Zoom(0));
    EXPECT_EQ(vs.ZoomMode(), zmWholePage);

    EXPECT_TRUE(vs.PrintDoc());
    EXPECT_TRUE(vs.PrintDoc(1, 1));
    ASSERT_EQ(vs.print_jobs().size(), 2u);
    EXPECT_EQ(vs.print_jobs()[0].pages.size(), 7u);
    EXPECT_EQ(vs.print_jobs()[1].pages.size(), 1u);
    // A cancelled dialog stops quietly; a refused job raises the error.
    int errors = 0;
    vs.Error = [&] { ++errors; };
    vs.print_sink = [](const PrintJob &) { return PrintOutcome::stopped; };
    EXPECT_FALSE(vs.PrintDoc());
    EXPECT_EQ(errors, 0);
    vs.print_sink = [](const PrintJob &) { return PrintOutcome::failed; };
    EXPECT_FALSE(vs.PrintDoc());
    EXPECT_EQ(vs.LastError(), vspPrintFailed);
    EXPECT_EQ(errors, 1);
    EXPECT_EQ(vs.print_jobs().size(), 2u);
}

TEST_F(PreviewFixture, SetupDialogsApplyWhatTheUserAccepted) {
    ScriptedDialogHost host{cancel_printer(), answer_printer([](PrintSettings &s) {
                                s.landscape = true;
                                s.printer_name = "Office";
                            }),
                            answer_page_setup([](PrintSettings &s) {
                                EXPECT_TRUE(s.landscape);
                                s.paper_width = 12240; // Letter
                                s.paper_height = 15840;
                                s.margin_bottom = 1250;
                            })};
    DialogHostGuard guard(host);
    EXPECT_FALSE(vs.PrintDialog(0));
    EXPECT_DOUBLE_EQ(vs.PageWidth(), 11906);
    EXPECT_TRUE(vs.PrintDialog(0));
    EXPECT_EQ(vs.Device(), "Office");
    EXPECT_DOUBLE_EQ(vs.PageWidth(), 16838);
    EXPECT_DOUBLE_EQ(vs.PageHeight(), 11906);
    EXPECT_TRUE(vs.PrintDialog(1));
    EXPECT_DOUBLE_EQ(vs.PageWidth(), 15840);
    EXPECT_DOUBLE_EQ(vs.PageHeight(), 12240);
    EXPECT_DOUBLE_EQ(vs.MarginBottom(), 1250);
    EXPECT_EQ(host.pending(), 0u);
    EXPECT_FALSE(vs.PrintDialog(2));
}

} // namespace ohmira
