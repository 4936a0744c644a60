#include "printing/printer_sheet.h"

#include "form/applied_array.h"
#include "plot/loglog_plot.h"
#include "printing_fixture.h"

namespace ohmira::test {
namespace {

class PrinterSheet : public PrintingTest {
protected:
    void SetUp() override {
        PrintingTest::SetUp();
        four_layer_sounding();
        Mark_Size = 0.0018 * (5 + 4);
    }
    static const DisplayList &job_page(int page, int job = 0) {
        return Printer.jobs()
            .at(static_cast<std::size_t>(job))
            .pages.at(static_cast<std::size_t>(page - 1));
    }
    static std::vector<std::string> texts(const DisplayList &page) {
        std::vector<std::string> out;
        for (const TextOp &t : page.texts()) {
            out.push_back(t.text);
        }
        return out;
    }
    static bool has(const DisplayList &page, const std::string &text) {
        const auto t = texts(page);
        return std::find(t.begin(), t.end(), text) != t.end();
    }
    static TextOp find_text(const DisplayList &page, const std::string &text) {
        for (const TextOp &t : page.texts()) {
            if (t.text == text) {
                return t;
            }
        }
        ADD_FAILURE() << "no text \"" << text << "\"";
        return {};
    }
    // Twips of a plot point with the page scaled from (x1, y1) to (x2, y2) over the printable area.
    static PointTw at(double x, double y, double x1, double y1, double x2, double y2) {
        return {Printer.printable_left() + (x - x1) / (x2 - x1) * Printer.printable_width(),
                Printer.printable_top() + (y - y1) / (y2 - y1) * Printer.printable_height()};
    }
};

TEST(PadPrintNumber, RightAlignsByTwoBlanksPerCharacter) {
    struct Case {
        Variant value;
        const char *text;
    };
    const Case cases[] = {
        {250.0, "     250"},
        {12.5, "    12.5"},
        {0.0, "            "},
        {Variant(), "            "},
        {0.5, "        .5"},
        {-3.0, "        -3"},
        {123456.0, " 123456"},
        {1234.56, " 1234.56"},
        {1570.8, " 1570.8"},
        // Singles as a sounding file stores them print their own digits.
        {Variant(0.05f), "      .05"},
        {Variant(3.14f), "    3.14"},
        {Variant(1.3f), "      1.3"},
        {Variant(-0.25f), "     -.25"},
    };
    for (const Case &c : cases) {
        std::string text = "old";
        Pad_Print_Number(c.value, text);
        EXPECT_EQ(text, c.text) << c.value.text();
    }
}

TEST_F(PrinterSheet, PlotScaledInDecadesWithTitlesAndStageWidths) {
    Print_Sheet();
    ASSERT_EQ(Printer.jobs().size(), 1u);
    ASSERT_EQ(Printer.jobs()[0].pages.size(), 1u);
    const DisplayList &page = job_page(1);
    // Page from x = -1.625 to 5.25 and y = 5 down to -5.
    const auto corner = [](double x, double y) { return at(x, y, -1.625, 5, 5.25, -5); };
    const TextOp title = find_text(page, "Electrical sounding Schlumberger - S12.QD3");
    EXPECT_NEAR(title.x, corner(-1, 4.5).x, 0.5);
    EXPECT_NEAR(title.y, corner(-1, 4.5).y, 0.5);
    EXPECT_TRUE(title.font.bold);
    EXPECT_DOUBLE_EQ(title.font.size, 12);
    const TextOp graph = find_text(page, "Line 4, station 12");
    EXPECT_NEAR(graph.y, corner(-1, 4.24).y, 0.5);
    EXPECT_FALSE(graph.font.bold);
    EXPECT_TRUE(has(page, " .1"));
    EXPECT_TRUE(has(page, " 10000"));
    EXPECT_TRUE(has(page, "[ohm·m]"));
    EXPECT_TRUE(has(page, "   AB/2 [m]"));

    const double dot = 1440.0 / Printer.dots_per_inch();
    const auto boxes = page.boxes();
    ASSERT_FALSE(boxes.empty());
    EXPECT_NEAR(boxes[0].x1, corner(-1, 4).x, 0.5); // the frame
    EXPECT_NEAR(boxes[0].y2, corner(4, 0).y, 0.5);
    EXPECT_DOUBLE_EQ(boxes[0].pen.width, 2 * dot);
    // Field points: every one inside the window, width 3, red.
    std::size_t marks = 0;
    for (const BoxOp &b : boxes) {
        if (b.pen.width == 3 * dot) {
            ++marks;
            EXPECT_EQ(b.pen.colour, rgb(255, 0, 0));
        }
    }
    EXPECT_EQ(marks, 15u);
    // Minor grid lines width 1, decade lines width 2, the current curve width 4.
    std::size_t minor = 0, decade = 0, curve = 0;
    for (const LineOp &l : page.lines()) {
        minor += l.pen.width == dot;
        decade += l.pen.width == 2 * dot;
        curve += l.pen.width == 4 * dot;
    }
    EXPECT_EQ(minor, 5u * 8 + 4u * 8);
    EXPECT_EQ(decade, 6u + 5u);
    EXPECT_GT(curve, 20u);
    EXPECT_EQ(Draw_Mode, "");
    EXPECT_EQ(Color_Mode, vbTrue);
}

TEST_F(PrinterSheet, PointsOutsideTheWindowGetNoBoxAndTheModelStays) {
    Field_Data(1, 1) = 20000.0; // beyond 10^4
    Field_Data(2, 1) = 0.0;     // on the lower bound, but no logarithm
    Superpose = 1;
    Nb_Superposed = 1;
    Superposed_Index = 0;
    for (int i = 1; i <= 2; ++i) {
        Superposed_Models(1, 1, i) = 10.0 * i;
        Superposed_Models(1, 2, i) = i == 1 ? 3.0 : 0.0;
    }
    Superposed_Layers(1) = 2;
    Print_Sheet();
    const double dot = 1440.0 / Printer.dots_per_inch();
    std::size_t marks = 0;
    for (const BoxOp &b : job_page(1).boxes()) {
        marks += b.pen.width == 3 * dot;
    }
    EXPECT_EQ(marks, 13u);
    // The model in memory is the sounding's own, not the one of a store slot.
    EXPECT_EQ(Nb_Layers, 4);
    EXPECT_DOUBLE_EQ(Model_Layers(1, 1).num(), 80);
    EXPECT_DOUBLE_EQ(Model_Layers(3, 3).num(), 7.5);
    // The current model went into the free slot 2.
    EXPECT_DOUBLE_EQ(Superposed_Models(2, 1, 3).num(), 300);
    EXPECT_EQ(Superposed_Layers(2), 4);
}

TEST_F(PrinterSheet, TextPartWithModelTableAndTheFieldDataPage) {
    Model_Layers(2, 1) = 0.5;
    set_depths();
    Run_Print_Sheet();
    EXPECT_EQ(Printing, 0);
    ASSERT_EQ(Printer.jobs().size(), 1u);
    ASSERT_EQ(Printer.jobs()[0].pages.size(), 2u);
    const DisplayList &first = job_page(1);
    EXPECT_TRUE(has(first, "Location   X = 412300    Y = 5234100    Z = 120"));
    EXPECT_TRUE(has(first, " [ohm·m]              [m]                  [m]                  [m]"));
    EXPECT_TRUE(has(first, "         0")); // depth of the first layer
    EXPECT_TRUE(has(first, "Brenkal / Ohmira 6.5"));
    EXPECT_TRUE(has(first, "Dry season"));
    EXPECT_TRUE(has(first, "    0")) << "thickness 0.5 gets its leading zero";
    EXPECT_TRUE(has(first, "        .5"));
    const DisplayList &second = job_page(2);
    EXPECT_TRUE(has(second, "    MN/2             AB/2             DeltaV                 I"
                            "                    K            Resistivity"));
    EXPECT_TRUE(has(second, "      [m]                 [m]                [mV]               [mA]"
                            "                 [-]             [ohm·m]"));
    EXPECT_TRUE(has(second, "Electrical sounding Schlumberger - S12.QD3"));
    EXPECT_DOUBLE_EQ(Layer_Altitude(2).num(), 119.5);
}

TEST_F(PrinterSheet, LongCommentWrapsWithinThePrintableAreaAboveTheFooter) {
    Comment = long_comment;
    Run_Print_Sheet();
    ASSERT_EQ(Printer.jobs().size(), 1u);
    const double left = Printer.printable_left();
    const double right = left + Printer.printable_width();
    for (int page = 1; page <= 2; ++page) {
        const double footer = find_text(job_page(page), "Brenkal / Ohmira 6.5").y;
        EXPECT_GE(comment_lines({job_page(page)}, left, right, footer).size(), 2u) << page;
    }
}

TEST_F(PrinterSheet, HeadersFollowTheArrayAndTheLanguage) {
    struct Case {
        int option;
        char language;
        const char *titles;
        const char *units;
    };
    const Case cases[] = {
        {2, 'E',
         "      BN                 AM             DeltaV                 I                    K"
         "            Resistivity",
         "      [m]                 [m]                [mV]               [mA]                 [-]"
         "             [ohm·m]"},
        {3, 'F',
         "       a              DeltaV                 I                     K           "
         "Résistivité",
         "      [m]               [mV]               [mA]                  [-]            [ohm·m]"},
        {1, 'S',
         "    MN/2             AB/2             DeltaV                 I                    K"
         "            Resistividad",
         nullptr},
        {1, 'A',
         "    MN/2             AB/2             DeltaV                 I                    K"
         "            Resistivität",
         nullptr},
    };
    for (const Case &c : cases) {
        Printer.reset();
        set_language(c.language);
        Apply_Array(c.option == 1   ? Array_Type::Schlumberger
                    : c.option == 2 ? Array_Type::Dipole
                                    : Array_Type::Wenner);
        Run_Print_Sheet();
        ASSERT_EQ(Printer.jobs().size(), 1u);
        const DisplayList &second = job_page(2);
        EXPECT_TRUE(has(second, c.titles)) << c.titles;
        if (c.units) {
            EXPECT_TRUE(has(second, c.units)) << c.units;
        }
    }
}

TEST_F(PrinterSheet, OnePageWithoutThePrintFlagAndNothingWithoutAPrinter) {
    X_Coord.clear();
    Print_Sheet();
    ASSERT_EQ(Printer.jobs().size(), 1u);
    EXPECT_EQ(Printer.jobs()[0].pages.size(), 1u);
    EXPECT_FALSE(has(job_page(1), "Location   X =     Y = 5234100    Z = 120"));

    Printer.set_available(false);
    host.expect(answer_box(vbOK));
    Print_Sheet();
    EXPECT_EQ(Printer.jobs().size(), 1u);
    ASSERT_EQ(host.message_boxes().size(), 1u);
    EXPECT_EQ(host.message_boxes()[0].text, "Erreur, vérifiez l'imprimante...");
    EXPECT_EQ(host.message_boxes()[0].icon, MsgIcon::None);
    EXPECT_EQ(SEV.Bilog.MousePointer(), vbCrosshair);
}

TEST_F(PrinterSheet, ARefusedJobIsToldACancelledOneIsNotAndEachIsTitled) {
    File_Name = "S12.QD3";
    std::vector<std::string> titles;
    PrintOutcome answer = PrintOutcome::failed;
    Printer.print_sink = [&](const PrintJob &job) {
        titles.push_back(job.title);
        return answer;
    };
    host.expect(answer_box(vbOK));
    Print_Sheet();
    answer = PrintOutcome::stopped;
    Print_Sheet();
    ASSERT_EQ(host.message_boxes().size(), 1u);
    EXPECT_EQ(host.message_boxes()[0].text, "Erreur, vérifiez l'imprimante...");
    EXPECT_EQ(titles, (std::vector<std::string>{"S12.QD3", "S12.QD3"}));
    EXPECT_TRUE(Printer.jobs().empty());
}

TEST_F(PrinterSheet, CopiesFromThePrinterDialog) {
    host.expect(answer_printer([](PrintSettings &s) { s.copies = 2; }));
    Print_Sheet_Copies();
    EXPECT_EQ(Printer.jobs().size(), 2u);
    EXPECT_EQ(Printer.jobs()[0].pages.size(), 2u);
    host.expect(cancel_printer());
    Print_Sheet_Copies();
    EXPECT_EQ(Printer.jobs().size(), 2u);
    EXPECT_EQ(Printing, 0);

    host.expect(answer_box(vbOK));
    Print_Form_Image();
    EXPECT_EQ(host.message_boxes().back().text, "Print Screen Impossible...");
}

} // namespace
} // namespace ohmira::test
