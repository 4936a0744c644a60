#include "conversions/qxl_export.h"
#include "plot/forward_commands.h"

#include "batch_fixture.h"
#include "core/forward.h"
#include "core/sounding.h"

#include <sstream>

namespace ohmira::test {
namespace {

std::vector<std::string> lines_of(const std::string &bytes) {
    std::vector<std::string> out;
    std::size_t start = 0;
    for (std::size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2) {
        out.push_back(bytes.substr(start, end - start));
    }
    EXPECT_EQ(start, bytes.size()) << "every line ends with CR LF";
    return out;
}

// Items laid out in zones of 14 columns; `close` adds the blanks up to the next zone start.
std::string zoned(const std::vector<std::string> &items, bool close) {
    std::string line;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0) {
            line.append(14 - line.size() % 14, ' ');
        }
        line += items[i];
    }
    if (close) {
        line.append(14 - line.size() % 14, ' ');
    }
    return line;
}

class QxlExport : public BatchTest {
protected:
    void SetUp() override {
        BatchTest::SetUp();
        File_Name = "S1.QD3";
        File_Path = path("S1.QD3");
        Field_Data(1, 1) = 1.0;
        Field_Data(1, 2) = 100.0;
        Field_Data(1, 3) = 0.5;
        Field_Data(1, 4) = 250.0;
        Field_Data(1, 5) = 2.36;
        Field_Data(1, 6) = 100.0;
        Field_Data(2, 1) = 10.0;
        Field_Data(2, 2) = 120.5;
        Nb_Points = 2;
        Max_AB2 = 10;
        set_model({{100, 10}, {1000, 0}});
    }
    static void set_model(std::initializer_list<std::pair<double, double>> layers) {
        Model_Layers.clear();
        int i = 0;
        for (auto [rho, h] : layers) {
            ++i;
            Model_Layers(1, i) = rho;
            Model_Layers(2, i) = i == static_cast<int>(layers.size()) ? Variant() : Variant(h);
        }
        Nb_Layers = static_cast<std::int16_t>(i);
    }
    static void store(int slot, double rho1, double h1, double rho2) {
        Superposed_Models(slot, 1, 1) = rho1;
        Superposed_Models(slot, 2, 1) = h1;
        Superposed_Models(slot, 1, 2) = rho2;
        Superposed_Layers(slot) = 2;
    }
    std::vector<std::string> export_lines() {
        const std::string out = path("S1.QXL");
        write_qxl_file(out);
        return lines_of(read_bytes(out));
    }
};

TEST_F(QxlExport, BlocksInPrintZonesWithTheCurrentModelOnly) {
    // Rows beyond the curve hold old values that must not be exported.
    Draw_Mode = "FICHIER";
    Compute_Curve();
    Draw_Mode.clear();
    const int last = Curve_Last;
    ASSERT_GT(last, 20);
    for (int k = last + 1; k <= 100; ++k) {
        Curve(k, 1) = 7.0;
        Curve(k, 2) = 99999.0;
    }
    const auto lines = export_lines();
    ASSERT_GE(lines.size(), 25u);
    EXPECT_EQ(lines[0], " 2 ");
    // Field points: six zones, the line ends after the sixth item; empty cells write nothing.
    EXPECT_EQ(lines[1], zoned({" 1 ", " 100 ", " .5 ", " 250 ", " 2.36 ", " 100 "}, false));
    EXPECT_EQ(lines[2], zoned({" 10 ", " 120.5 ", "", "", "", ""}, false));
    // Layers: resistivity and thickness, each followed by the zone separator.
    EXPECT_EQ(lines[3], zoned({" 100 ", " 10 "}, true));
    EXPECT_EQ(lines[4], zoned({" 1000 ", ""}, true));
    for (int i = 5; i <= 22; ++i) {
        EXPECT_EQ(lines[i], std::string(28, ' ')) << i;
    }
    // The count line exceeds the table rows by one; abscissas from sample 1 (row 1) on.
    const int count = std::stoi(lines[23]);
    ASSERT_EQ(static_cast<int>(lines.size()), 24 + count - 1);
    EXPECT_EQ(count - 1, last);
    bool ten = false;
    for (int r = 24; r < static_cast<int>(lines.size()); ++r) {
        ASSERT_EQ(lines[r].size(), 28u) << lines[r];
        EXPECT_EQ(lines[r].find("99999"), std::string::npos);
        ten = ten || lines[r].substr(0, 14) == " 10.000       ";
    }
    EXPECT_TRUE(ten) << "the abscissa 10 gives a full piece";
    EXPECT_EQ(lines[24].substr(0, 7), " .13336") << "sample 1 is one eighth of a decade in";
}

TEST_F(QxlExport, StoredModelsFollowTheCurrentOneAndMemoryIsUnchanged) {
    store(1, 50, 2, 500);
    store(2, 80, 5, 800);
    Nb_Superposed = 2;
    Curve(3, 1) = 1234.0;
    Curve_Last = 3;
    const auto lines = export_lines();
    EXPECT_EQ(lines[3], zoned({" 100 ", " 10 ", " 80 ", " 5 ", " 50 ", " 2 "}, true));
    EXPECT_EQ(lines[4], zoned({" 1000 ", "", " 800 ", "", " 500 ", ""}, true));
    const int count = std::stoi(lines[23]);
    for (int r = 24; r < 24 + count - 1; ++r) {
        // Four pieces: abscissa, current model, slot 2, slot 1; each fills its zone.
        EXPECT_EQ(lines[r].size(), 56u) << lines[r];
    }
    // The current model is kept in slot 3 and everything else is as before.
    EXPECT_DOUBLE_EQ(Superposed_Models(3, 1, 2).num(), 1000);
    EXPECT_EQ(Superposed_Layers(3), 2);
    EXPECT_EQ(Nb_Superposed, 2);
    EXPECT_EQ(Nb_Layers, 2);
    EXPECT_DOUBLE_EQ(Model_Layers(1, 1).num(), 100);
    EXPECT_EQ(Curve_Last, 3);
    EXPECT_DOUBLE_EQ(Curve(3, 1).num(), 1234);
}

TEST(QxlNames, ExtensionReplacedAfterTheFirstPoint) {
    EXPECT_EQ(qxl_name("survey"), "survey.QXL");
    EXPECT_EQ(qxl_name("a.b.txt"), "a.QXL");
    EXPECT_EQ(qxl_name("line.qxl"), "line.QXL");
    EXPECT_EQ(qxl_piece(10 + 0.000011), " 10.000");
    EXPECT_EQ(qxl_piece(100), " 100");
    EXPECT_EQ(qxl_piece(-0.25), "-.25");
}

TEST_F(QxlExport, TheFirstExportAsksForANameAndLaterOnesOfferIt) {
    const std::string caption = SEV.Caption();
    host_.expect(answer_save(path("export.txt")));
    xlsave_Click();
    EXPECT_EQ(host_.records()[0].title, "Record File for XL");
    EXPECT_EQ(host_.records()[0].filter, "File Ohmira (*.QXL)|*.QXL");
    EXPECT_EQ(host_.records()[0].default_text, "");
    EXPECT_EQ(host_.records()[0].initial_dir, path("")); // the current sounding's folder
    EXPECT_EQ(QXL_Path, path("export.QXL"));
    EXPECT_EQ(Chemin, path(""));
    EXPECT_TRUE(std::filesystem::exists(path("export.QXL")));
    EXPECT_EQ(SEV.Caption(), caption) << "the caption names the sounding, not the export";
    EXPECT_EQ(Draw_Mode, "");

    host_.expect(answer_box(vbYes));
    xlsave_Click();
    EXPECT_EQ(host_.records()[1].text, "Recording File " + path("export.QXL"));
    EXPECT_EQ(host_.pending(), 0u);
}

TEST_F(QxlExport, AWriteErrorIsToldAndTheNamingStartsAgain) {
    host_.expect(answer_save(path("missing/export.QXL")));
    host_.expect(answer_box(vbOK));
    host_.expect(answer_box(vbNo));
    host_.expect(cancel_save());
    xlsave_Click();
    EXPECT_EQ(host_.pending(), 0u);
    const auto boxes = box_texts();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0], "No such disk or directory...\n\r" + path("missing/export.QXL"));
    EXPECT_EQ(boxes[1], "Recording File " + path("missing/export.QXL"));
    EXPECT_EQ(Nb_Layers, 2);
    EXPECT_EQ(Draw_Mode, "");
}

} // namespace
} // namespace ohmira::test
