#include "printing/picture_export.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <unistd.h>

#include "platform/clipboard.h"
#include "platform/cp1252.h"
#include "platform/files.h"
#include "platform/shell_open.h"
#include "platform/wmf_writer.h"
#include "printing/profile_page_controls.h"
#include "printing_fixture.h"

namespace ohmira::test {
namespace {

class PictureExport : public PrintingTest {
protected:
    void SetUp() override {
        PrintingTest::SetUp();
        dir = std::filesystem::temp_directory_path() /
              ("ohmira_print_" + std::to_string(::getpid()) + "_" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
        File_Path = (dir / "S12.QD3").string();
        Chemin = dir.string() + "/";
        four_layer_sounding();
        page(false);
        display_print();
        clipboard_clear();
        previous_launcher = set_shell_launcher([this](const ShellRequest &r) {
            launched.push_back(r.target);
            return ShellOk;
        });
    }
    void TearDown() override {
        set_shell_launcher(previous_launcher);
        clipboard_clear();
        std::filesystem::remove_all(dir);
        PrintingTest::TearDown();
    }
    static std::string bytes_of(const std::filesystem::path &p) {
        std::ifstream in(p, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    std::filesystem::path dir;
    std::vector<std::string> launched;
    ShellLauncher previous_launcher;
};

TEST_F(PictureExport, DefaultNames) {
    EXPECT_EQ(default_wmf_name(3, "wmf"), (dir / "S12.wmf").string());
    EXPECT_EQ(default_wmf_name(4, "profil.wmf"), (dir / "S12profil.wmf").string());
    for (const char *path : {"", "a.b", "/x/ab"}) {
        File_Path = path;
        EXPECT_EQ(default_wmf_name(4, "profil.wmf"), Chemin + "Ohmira.wmf") << path;
    }
}

TEST_F(PictureExport, KilobytesHalvesToEven) {
    const std::pair<long long, long> cases[] = {{14499, 14}, {14500, 14}, {15500, 16},
                                                {499, 0},    {500, 0},    {1500, 2}};
    for (const auto &[bytes, kb] : cases)
        EXPECT_EQ(wmf_kilobytes(bytes), kb) << bytes;
}

TEST_F(PictureExport, SheetPageSavedAsWmfAndOnTheClipboard) {
    const std::string name = (dir / "S12.wmf").string();
    host.expect(answer_input(name));
    host.expect(answer_box(vbOK));
    SEV.Record_WMF.user_click();
    ASSERT_EQ(host.records().size(), 2u);
    EXPECT_EQ(host.records()[0].kind, DialogKind::InputBox);
    EXPECT_EQ(host.records()[0].text, "Enter the file name");
    EXPECT_EQ(host.records()[0].title, "WMF file option");
    EXPECT_EQ(host.records()[0].default_text, name);
    const std::string wmf = bytes_of(name);
    const auto kb = wmf_kilobytes(static_cast<long long>(wmf.size()));
    EXPECT_EQ(host.records()[1].text, name + " " + std::to_string(kb) + " Kb has been recorded");
    EXPECT_EQ(host.records()[1].title, "");
    EXPECT_EQ(host.records()[1].icon, MsgIcon::Information);
    EXPECT_EQ(clipboard_data("image/x-wmf"), wmf);

    // The file parsed back: placeable header checksum, record sizes, objects balanced.
    auto u16 = [&](std::size_t at) {
        return static_cast<unsigned>(static_cast<unsigned char>(wmf[at]) |
                                     (static_cast<unsigned char>(wmf[at + 1]) << 8));
    };
    auto u32 = [&](std::size_t at) { return u16(at) | (u16(at + 2) << 16); };
    ASSERT_GT(wmf.size(), 40u);
    EXPECT_EQ(u32(0), wmf_placeable_key);
    unsigned checksum = 0;
    for (std::size_t i = 0; i < 20; i += 2)
        checksum ^= u16(i);
    EXPECT_EQ(u16(20), checksum);
    EXPECT_EQ(u32(22 + 6) * 2, wmf.size() - 22);
    std::size_t at = 22 + 18;
    int created = 0, deleted = 0, texts = 0;
    bool eof = false;
    while (at + 6 <= wmf.size()) {
        const std::size_t words = u32(at);
        const unsigned function = u16(at + 4);
        ASSERT_GE(words, 3u);
        ASSERT_LE(at + words * 2, wmf.size());
        if (function == wmf_create_pen_indirect || function == wmf_create_brush_indirect ||
            function == wmf_create_font_indirect)
            ++created;
        deleted += function == wmf_delete_object;
        texts += function == wmf_ext_text_out;
        at += words * 2;
        if (function == wmf_eof) {
            eof = true;
            break;
        }
    }
    EXPECT_TRUE(eof);
    EXPECT_EQ(at, wmf.size());
    EXPECT_EQ(created, deleted);
    EXPECT_GT(texts, 20);
}

// The texts of a WMF file's ExtTextOut records: y, x, byte count, options, then the cp1252 text.
std::vector<TextOp> wmf_texts(const std::vector<std::uint8_t> &wmf) {
    auto u16 = [&](std::size_t at) { return static_cast<unsigned>(wmf[at] | (wmf[at + 1] << 8)); };
    std::vector<TextOp> out;
    for (std::size_t at = 22 + 18; at + 6 <= wmf.size();) {
        const std::size_t words = u16(at) | (u16(at + 2) << 16);
        if (words < 3 || at + words * 2 > wmf.size())
            break;
        if (u16(at + 4) == wmf_ext_text_out) {
            TextOp t;
            t.y = static_cast<std::int16_t>(u16(at + 6));
            t.x = static_cast<std::int16_t>(u16(at + 8));
            const char *text = reinterpret_cast<const char *>(wmf.data() + at + 14);
            t.text = cp1252_to_utf8(std::string_view(text, u16(at + 10)));
            out.push_back(t);
        }
        at += words * 2;
    }
    return out;
}

TEST_F(PictureExport, LongCommentWrappedInTheWmfAsOnThePage) {
    Comment = long_comment;
    display_print();
    const DisplayList shown = SEV.VSPrint.Picture();
    const std::vector<TextOp> lines =
        comment_lines({shown}, 1134, shown.width - 1134, shown.height - 1250);
    ASSERT_GE(lines.size(), 2u);
    std::vector<TextOp> written;
    for (const TextOp &t : wmf_texts(wmf_bytes(shown)))
        if (t.text.size() >= 8 && Comment.find(t.text) != std::string::npos)
            written.push_back(t);
    ASSERT_EQ(written.size(), lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(written[i].text, lines[i].text);
        EXPECT_NEAR(written[i].x, lines[i].x, 0.5);
        EXPECT_NEAR(written[i].y, lines[i].y, 0.5);
    }
}

TEST_F(PictureExport, NoKeepsTheFileAndTheClipboard) {
    const std::filesystem::path name = dir / "S12.wmf";
    std::ofstream(name, std::ios::binary) << "old";
    clipboard_set_text("kept");
    host.expect(answer_input(name.string()));
    host.expect(answer_box(vbNo));
    SEV.Record_WMF.user_click();
    EXPECT_EQ(host.records().back().text, name.string() + " alreday exists, replace this file ?");
    EXPECT_EQ(host.records().back().buttons, MsgButtons::YesNo);
    EXPECT_EQ(bytes_of(name), "old");
    EXPECT_EQ(clipboard_text(), "kept");
    EXPECT_TRUE(clipboard_data("image/x-wmf").empty());
}

TEST_F(PictureExport, AFailedWriteKeepsTheOldFileAndSaysNoSuccess) {
    const std::filesystem::path name = dir / "S12.wmf";
    std::ofstream(name, std::ios::binary) << "old";
    // The file written beside it cannot be created.
    std::filesystem::create_directories(dir / "S12.wmf.tmp");
    host.expect(answer_input(name.string()));
    host.expect(answer_box(vbYes));
    host.expect(answer_box(vbOK));
    SEV.Record_WMF.user_click();
    ASSERT_EQ(host.message_boxes().size(), 2u);
    EXPECT_EQ(host.message_boxes()[1].text, "Error nb  75  Path/File access error happens");
    EXPECT_EQ(host.message_boxes()[1].icon, MsgIcon::Critical);
    EXPECT_EQ(bytes_of(name), "old");

    host.expect(answer_input((dir / "missing" / "x.wmf").string()));
    host.expect(answer_box(vbOK));
    SEV.Command16.user_click();
    EXPECT_EQ(host.message_boxes().back().text, "Error nb  76  Path not found happens");
}

TEST_F(PictureExport, ANameWithoutFolderGoesBesideTheProposedOne) {
    // The working folder is elsewhere: nothing may land there.
    const auto cwd = std::filesystem::current_path();
    std::filesystem::create_directories(dir / "cwd");
    std::filesystem::current_path(dir / "cwd");
    host.expect(answer_input("typed.wmf"));
    host.expect(answer_box(vbOK));
    SEV.Record_WMF.user_click();
    std::filesystem::current_path(cwd);
    EXPECT_TRUE(std::filesystem::is_regular_file(dir / "typed.wmf"));
    EXPECT_TRUE(std::filesystem::is_empty(dir / "cwd"));
    EXPECT_EQ(host.message_boxes().back().text.rfind((dir / "typed.wmf").string(), 0), 0u);
}

TEST_F(PictureExport, CancelledNameWritesNothing) {
    host.expect(cancel_input());
    SEV.Command16.user_click();
    host.expect(answer_input(""));
    SEV.Record_WMF.user_click();
    EXPECT_EQ(host.message_boxes().size(), 0u);
    EXPECT_TRUE(list_files(dir.string() + "/").empty());
    EXPECT_EQ(host.records().front().default_text, (dir / "S12profil.wmf").string());
}

TEST_F(PictureExport, PlotAndPagesToTheClipboard) {
    SEV.Bilog.Line(0, 0, 1000, 1000);
    host.expect(answer_box(vbOK));
    SEV.CopyClipBoard.user_click();
    EXPECT_EQ(host.message_boxes().back().text,
              "Your screen is now recorded in the clipbord, paste in with Crtl+C");
    EXPECT_EQ(host.message_boxes().back().title, "Ohmira 6.5");
    EXPECT_FALSE(clipboard_data("image/x-wmf").empty());

    // A plot of no size gives no picture, and no success message.
    SEV.Bilog.Width(0);
    host.expect(answer_box(vbOK));
    Copy_Plot_To_Clipboard();
    EXPECT_EQ(host.message_boxes().back().text, "No Data copy to ClipBoard");
    EXPECT_TRUE(clipboard_data("image/x-wmf").empty());

    clipboard_set_text("old");
    SEV.Command21.user_click();
    EXPECT_EQ(clipboard_text(), "");
    EXPECT_EQ(clipboard_data("image/x-wmf"), [] {
        DisplayList p = SEV.VSPrint.Picture();
        const auto b = wmf_bytes(p);
        return std::string(b.begin(), b.end());
    }());
    EXPECT_EQ(host.message_boxes().size(), 2u);
}

TEST_F(PictureExport, GraphicsProgramAskedOnceAndAskedAgainWhenMissing) {
    const std::string program = (dir / "paint").string();
    std::ofstream(program) << "#!/bin/sh\n";
    Graphical_Prog = "";
    // A cancelled choice keeps the old value and starts nothing.
    host.expect(answer_box(vbOK));
    host.expect(cancel_open());
    SEV.Command24.user_click();
    EXPECT_EQ(Graphical_Prog, "");
    EXPECT_TRUE(launched.empty());
    EXPECT_EQ(host.message_boxes()[0].text, "You must locate your program");
    EXPECT_EQ(host.records()[1].title, "Graphical tool selection");

    host.expect(answer_box(vbOK));
    host.expect(answer_open({program}));
    SEV.Command17.user_click();
    EXPECT_EQ(Graphical_Prog, program);
    EXPECT_EQ(launched, std::vector<std::string>{program});

    // Known and present: started without a question.
    const std::size_t asked = host.records().size();
    SEV.Command24.user_click();
    EXPECT_EQ(host.records().size(), asked);
    EXPECT_EQ(launched.size(), 2u);

    // Gone since: asked again.
    std::filesystem::remove(program);
    host.expect(answer_box(vbOK));
    host.expect(cancel_open());
    SEV.Command24.user_click();
    EXPECT_EQ(host.records().size(), asked + 2);
    EXPECT_EQ(launched.size(), 2u);
}

TEST_F(PictureExport, ProfilePageSizeLabelAndPrint) {
    EXPECT_EQ(paper_size_label(11906, 16838), "Paper size=  297 /  210");
    EXPECT_EQ(paper_size_label(16838, 11906), "Paper size=  210 /  297");
    host.expect(answer_page_setup([](PrintSettings &s) { s.landscape = true; }));
    SEV.cmdPageSetup2.user_click();
    EXPECT_EQ(SEV.Label18.Caption(), "Paper size=  210 /  297");
    host.expect(cancel_printer());
    SEV.cmdPrinterSetup2.user_click();
    EXPECT_EQ(SEV.Label18.Caption(), "Paper size=  210 /  297");
    // The sheet page is untouched by the profile page's dialogs.
    EXPECT_EQ(SEV.VSPrint.Orientation(), orPortrait);

    // Printing with no section drawn does nothing; a drawn one is printed whole, once.
    SEV.Command14.user_click();
    EXPECT_TRUE(SEV.VSPrint1.print_jobs().empty());
    SEV.VSPrint1.StartDoc();
    SEV.VSPrint1.NewPage();
    SEV.VSPrint1.EndDoc();
    // Titled after the line's first and last soundings, and a PDF of it proposed under that
    // name: never the current sounding's, whose sheet it would replace.
    SEV.SEV_Grid.Rows(4);
    SEV.SEV_Grid.TextMatrix(1, 1, "S1.QD3");
    SEV.SEV_Grid.TextMatrix(2, 1, "S12.QD3");
    SEV.SEV_Grid.TextMatrix(3, 1, "S5.v2.qd3");
    SEV.Command14.user_click();
    ASSERT_EQ(SEV.VSPrint1.print_jobs().size(), 1u);
    EXPECT_EQ(SEV.VSPrint1.print_jobs()[0].pages.size(), 2u);
    EXPECT_EQ(SEV.VSPrint1.print_jobs()[0].title, "S1-S5.v2");
    EXPECT_EQ(SEV.VSPrint1.print_jobs()[0].file_name, "S1-S5.v2.pdf");

    SEV.cmbPercent2.ListIndex(1);
    EXPECT_EQ(SEV.VSPrint1.Zoom(), 50);
    SEV.cmbZoomMode2.ListIndex(zmPageWidth);
    EXPECT_FALSE(SEV.cmbPercent2.Enabled());
    EXPECT_EQ(SEV.VSPrint1.ZoomMode(), zmPageWidth);
    SEV.cmbZoomMode2.ListIndex(zmPercentage);
    EXPECT_TRUE(SEV.cmbPercent2.Enabled());
    EXPECT_EQ(SEV.VSPrint1.Zoom(), 50);
}

} // namespace
} // namespace ohmira::test
