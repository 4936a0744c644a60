#include "printing/sheet_page_controls.h"

#include <gtest/gtest.h>

#include "platform/print_queue.h"
#include "plot/sheet_geometry.h"
#include "printing/profile_page_controls.h"
#include "printing_fixture.h"

namespace ohmira::test {
namespace {

class SheetPage : public PrintingTest {
protected:
    void SetUp() override {
        PrintingTest::SetUp();
        four_layer_sounding();
        page(false);
        display_print();
        SEV.VSPrint.print_sink = [this](const PrintJob &job) {
            jobs.push_back(job);
            return PrintOutcome::printed;
        };
    }
    void print(const std::string &copies, bool first_page_only = false) {
        jobs.clear();
        SEV.Text23.Text(copies);
        SEV.First_page.Value(first_page_only ? vbChecked : vbUnchecked);
        SEV.cmdPrint.user_click();
    }
    std::vector<PrintJob> jobs;
};

TEST_F(SheetPage, CopiesAndFirstPage) {
    host.expect(answer_box(vbNo));
    print("3");
    ASSERT_EQ(host.message_boxes().size(), 1u);
    EXPECT_EQ(host.message_boxes()[0].text, "Do you really want to print  3 copies ?");
    EXPECT_EQ(host.message_boxes()[0].title, "Ohmira 6.5");
    EXPECT_EQ(host.message_boxes()[0].icon, MsgIcon::Question);
    ASSERT_EQ(jobs.size(), 1u);
    EXPECT_EQ(jobs[0].pages.size(), 2u);

    print("1");
    EXPECT_EQ(host.message_boxes().size(), 1u);
    EXPECT_EQ(jobs.size(), 1u);

    print("0");
    print("-2");
    EXPECT_TRUE(jobs.empty());

    // The copies travel in one job, titled with the sounding's file name.
    File_Name = "S12.QD3";
    host.expect(answer_box(vbYes));
    print("3.9", true);
    ASSERT_EQ(jobs.size(), 1u);
    EXPECT_EQ(jobs[0].copies, 3);
    EXPECT_EQ(jobs[0].title, "S12.QD3");
    EXPECT_EQ(jobs[0].from_page, 1);
    EXPECT_EQ(jobs[0].to_page, 1);
    EXPECT_EQ(jobs[0].pages.size(), 1u);
}

TEST_F(SheetPage, CopiesThatAreNoNumberOrTooMany) {
    for (const char *text : {"", "abc", "  x2"}) {
        host.expect(answer_box(vbOK));
        print(text);
        EXPECT_TRUE(jobs.empty()) << text;
        EXPECT_EQ(host.message_boxes().back().text, "Enter the number of copies (1 to 99)");
    }
    host.expect(answer_box(vbYes));
    print("1E300");
    EXPECT_EQ(host.message_boxes().back().text, "Do you really want to print  99 copies ?");
    ASSERT_EQ(jobs.size(), 1u);
    EXPECT_EQ(jobs[0].copies, 99);
}

TEST_F(SheetPage, NothingToPrintWithoutPages) {
    // A preview that never held a document has no page.
    reset_SEV();
    connect_printing_events();
    ASSERT_EQ(SEV.VSPrint.PageCount(), 0);
    print("1");
    EXPECT_TRUE(SEV.VSPrint.print_jobs().empty());
}

TEST_F(SheetPage, PageLabel) {
    struct Case {
        int page, per_view, count;
        const char *label;
    };
    const Case cases[] = {{3, 2, 7, "3 - 4 of 7"},
                          {7, 2, 7, "7 of 7"},
                          {1, 1, 2, "1 of 2"},
                          {1, 6, 2, "1 - 2 of 2"},
                          {2, 1, 3, "2 of 3"}};
    for (const Case &c : cases)
        EXPECT_EQ(page_label(c.page, c.per_view, c.count), c.label);
    // After a build the label shows the first page; two pages per view show both.
    EXPECT_EQ(SEV.lblpage.Caption(), "1 of 2");
    EXPECT_EQ(SEV.scrlpage.Max(), 2);
    SEV.cmbZoomMode.ListIndex(zmTwoPages);
    SEV.scrlpage.Value(2);
    SEV.scrlpage.Value(1);
    EXPECT_EQ(SEV.lblpage.Caption(), "1 - 2 of 2");
    EXPECT_EQ(SEV.scrlpage.LargeChange(), 2);
    // The preview moved by the user moves the scroll bar.
    SEV.VSPrint.user_preview_page(2);
    EXPECT_EQ(SEV.scrlpage.Value(), 2);
    EXPECT_EQ(SEV.lblpage.Caption(), "2 of 2");
}

TEST_F(SheetPage, ZoomModesAndPercent) {
    SEV.cmbPercent.ListIndex(4);
    EXPECT_EQ(SEV.VSPrint.Zoom(), 150);
    SEV.cmbZoomMode.ListIndex(zmWholePage);
    EXPECT_FALSE(SEV.cmbPercent.Enabled());
    EXPECT_EQ(SEV.VSPrint.ZoomMode(), zmWholePage);
    SEV.cmbZoomMode.ListIndex(zmPercentage);
    EXPECT_TRUE(SEV.cmbPercent.Enabled());
    EXPECT_EQ(SEV.VSPrint.ZoomMode(), zmPercentage);
    EXPECT_EQ(SEV.VSPrint.Zoom(), 150);
    // Visiting the tab puts 100 % back.
    display_print();
    EXPECT_EQ(SEV.VSPrint.Zoom(), 100);
    EXPECT_EQ(SEV.cmbPercent.Text(), "100%");

    const bool physical = SEV.VSPrint.PhysicalPage();
    SEV.chkPhysicalPage.user_click();
    EXPECT_EQ(SEV.VSPrint.PhysicalPage(), !physical);
    SEV.chkShowGuides.Value(vbChecked);
    EXPECT_EQ(SEV.VSPrint.ShowGuides(), 1);
    SEV.chkShowGuides.Value(vbUnchecked);
    EXPECT_EQ(SEV.VSPrint.ShowGuides(), 0);
}

TEST_F(SheetPage, FontListFilledOnceAndAFontChoiceRebuilds) {
    display_print();
    EXPECT_EQ(SEV.ListePolices.items(), known_font_names());
    EXPECT_FALSE(Use_Screen_Fonts);
    // A desktop family typed under its own name takes the entry that stands for it.
    SEV.ListePolices.user_set_text("Liberation Mono");
    EXPECT_EQ(SEV.ListePolices.user_key_press(vbKeyReturn), 0);
    EXPECT_EQ(SEV.ListePolices.Text(), "Courier New");
    EXPECT_EQ(SEV.VSPrint.FontName(), "Courier New");
    // A printer without fonts: the screen's fonts from then on.
    Printer.set_fonts({});
    Screen.set_fonts({"Arial", "Liberation Serif"});
    display_print();
    EXPECT_TRUE(Use_Screen_Fonts);
    EXPECT_EQ(SEV.ListePolices.items(), (std::vector<std::string>{"Arial", "Liberation Serif"}));
    SEV.ListePolices.user_select(1);
    EXPECT_EQ(SEV.VSPrint.FontName(), "Liberation Serif");
    EXPECT_EQ(text_op(1, "Model ").font.name, "Liberation Serif");
    // A typed name that is no family is not taken while typed; Enter answers it with the list's
    // first family, which the sheet is drawn in.
    SEV.ListePolices.user_set_text("Courier New");
    EXPECT_EQ(SEV.VSPrint.FontName(), "Liberation Serif");
    EXPECT_EQ(SEV.ListePolices.user_key_press(vbKeyReturn), 0);
    EXPECT_EQ(SEV.ListePolices.Text(), "Arial");
    EXPECT_EQ(SEV.VSPrint.FontName(), "Arial");
    EXPECT_EQ(text_op(1, "Model ").font.name, "Arial");
    // A family typed in any case is taken at once, and shown as listed when the list is left.
    SEV.ListePolices.user_set_text("liberation serif");
    EXPECT_EQ(SEV.VSPrint.FontName(), "Liberation Serif");
    EXPECT_EQ(text_op(1, "Model ").font.name, "Liberation Serif");
    SEV.ListePolices.LostFocus();
    EXPECT_EQ(SEV.ListePolices.Text(), "Liberation Serif");
    EXPECT_EQ(SEV.VSPrint.FontName(), "Liberation Serif");
}

TEST_F(SheetPage, PrinterSetupRebuildsOnlyOnASizeChange) {
    Restart_Sheet_Document();
    ASSERT_EQ(SEV.VSPrint.PageCount(), 1);
    host.expect(answer_printer());
    SEV.cmdPrinterSetup.user_click();
    EXPECT_EQ(SEV.VSPrint.PageCount(), 1);
    host.expect(cancel_printer());
    SEV.cmdPrinterSetup.user_click();
    EXPECT_EQ(SEV.VSPrint.PageCount(), 1);
    host.expect(answer_printer([](PrintSettings &s) { s.landscape = true; }));
    SEV.cmdPrinterSetup.user_click();
    EXPECT_EQ(SEV.VSPrint.PageCount(), 3);

    // The page set-up rebuilds after every closing, also a cancel.
    Restart_Sheet_Document();
    host.expect(cancel_page_setup());
    SEV.cmdPageSetup.user_click();
    EXPECT_EQ(SEV.VSPrint.PageCount(), 3);
    host.expect(answer_page_setup([](PrintSettings &s) {
        s.landscape = false;
        s.margin_left = 2000;
    }));
    SEV.cmdPageSetup.user_click();
    EXPECT_EQ(SEV.VSPrint.PageCount(), 2);
    EXPECT_DOUBLE_EQ(Print_X0.num(), 2000);
}

TEST_F(SheetPage, PreviewErrorsAreTold) {
    host.expect(answer_box(vbOK));
    SEV.VSPrint.Zoom(0);
    ASSERT_EQ(host.message_boxes().size(), 1u);
    EXPECT_EQ(host.message_boxes()[0].text,
              "The VSPrinter control raised the Error event with the 2 code.");
    EXPECT_EQ(host.message_boxes()[0].icon, MsgIcon::None);
}

// A queue that does not take the job (it refuses jobs, or was removed) gives the print failure
// box; nothing is drawn for it and the job is not counted as printed. The section page's print
// says the same.
TEST_F(SheetPage, AJobTheQueueRefusesGivesTheFailureBox) {
    for (const PrintQueueState state :
         {PrintQueueState{true, false}, PrintQueueState{false, false}}) {
        bool drawn = false;
        PrintSystem cups;
        cups.queue_state = [&](const std::string &) { return std::optional{state}; };
        const PrintSink to_queue = [&](const PrintJob &) {
            return send_to_queue("Office", cups, [&] { return drawn = true; });
        };
        SEV.VSPrint.print_sink = to_queue;
        const std::size_t before = host.message_boxes().size();
        host.expect(answer_box(vbOK));
        print("1");
        ASSERT_EQ(host.message_boxes().size(), before + 1);
        EXPECT_EQ(host.message_boxes().back().text,
                  "The VSPrinter control raised the Error event with the 5 code.\r\n"
                  "The print queue refused the job.");
        EXPECT_EQ(host.message_boxes().back().icon, MsgIcon::None);
        EXPECT_FALSE(drawn);
        EXPECT_TRUE(SEV.VSPrint.print_jobs().empty());

        SEV.VSPrint1.StartDoc();
        SEV.VSPrint1.NewPage();
        SEV.VSPrint1.EndDoc();
        SEV.VSPrint1.print_sink = to_queue;
        host.expect(answer_box(vbOK));
        SEV.Command14.user_click();
        ASSERT_EQ(host.message_boxes().size(), before + 2);
        EXPECT_EQ(host.message_boxes().back().text, host.message_boxes()[before].text);
        EXPECT_TRUE(SEV.VSPrint1.print_jobs().empty());
        EXPECT_FALSE(SEV.VSPrint1.Error); // the section page keeps no error handler
    }
    // A job that could not be drawn is no refusal: the box has its one line.
    SEV.VSPrint.print_sink = [](const PrintJob &) { return PrintOutcome::failed; };
    host.expect(answer_box(vbOK));
    print("1");
    EXPECT_EQ(host.message_boxes().back().text,
              "The VSPrinter control raised the Error event with the 5 code.");
    // A queue that takes the job: no box.
    PrintSystem cups;
    cups.queue_state = [](const std::string &) { return std::optional{PrintQueueState{}}; };
    SEV.VSPrint.print_sink = [&](const PrintJob &) {
        return send_to_queue("Office", cups, [] { return true; });
    };
    const std::size_t before = host.message_boxes().size();
    print("1");
    EXPECT_EQ(host.message_boxes().size(), before);
    EXPECT_EQ(SEV.VSPrint.print_jobs().size(), 1u);
}

TEST_F(SheetPage, ConvertXYUsesTheMarginsAndTheUnsetScales) {
    double x = 3, y = 4, px = -1, py = -1;
    Convert_XY(x, y, px, py);
    EXPECT_DOUBLE_EQ(px, 1134);
    EXPECT_DOUBLE_EQ(py, 1134);
    Convert_X_Scale = 10;
    Convert_Y_Offset = 500;
    Convert_Y_Scale = 20;
    Convert_XY(x, y, px, py);
    EXPECT_DOUBLE_EQ(px, 1164);
    EXPECT_DOUBLE_EQ(py, 1134 + 500 - 80);
}

} // namespace
} // namespace ohmira::test
