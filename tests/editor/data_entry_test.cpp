#include "editor/data_entry.h"
#include "form/settings_values.h"

#include "editor_fixture.h"
#include "form/applied_array.h"
#include "platform/app_info.h"
#include "platform/control.h"
#include "platform/number_text.h"

namespace ohmira::test {
namespace {

using DataEntryTest = EditorTest;

TEST_F(DataEntryTest, NewSoundingShowsTheSpacingTableWithItsHeaders) {
    Spacing_File = write_bytes("ves.TXT", "0.5,1.5\r\n.5 2\n1,  3 \r\n\r\n");
    File_Name.clear();
    Load_build();
    EXPECT_EQ(File_Name, "NEW");
    EXPECT_EQ(SEV.Caption(), "Ohmira 6.5 [NEW]");
    EXPECT_EQ(Curve_Valid, 0);
    const std::string headers[] = {"MN/2", "AB/2", "DeltaV", "I", "K", "Resist."};
    for (int c = 1; c <= 6; ++c)
        EXPECT_EQ(cell(0, c), headers[c - 1]);
    EXPECT_EQ(SEV.BuildGrid.Rows(), 51);
    EXPECT_EQ(SEV.BuildGrid.Cols(), 7);
    EXPECT_EQ(cell(1, 0), " 1");
    EXPECT_EQ(cell(50, 0), " 50");
    EXPECT_EQ(cell(1, 1), " .5");
    EXPECT_EQ(cell(1, 2), " 1.5");
    EXPECT_EQ(cell(2, 2), " 2");
    EXPECT_EQ(cell(3, 1), " 1");
    EXPECT_EQ(cell(3, 2), " 3");
    EXPECT_EQ(cell(4, 1), "");
    EXPECT_EQ(cell(4, 2), "");
    EXPECT_EQ(SEV.BuildGrid.Row(), 0);
    EXPECT_EQ(SEV.BuildGrid.Col(), 1);
    EXPECT_EQ(SEV.Frame14.Caption(), "Editing data");
    EXPECT_EQ(SEV.SaveButton.Caption(), "&Save");
    EXPECT_TRUE(host_.records().empty());
}

TEST_F(DataEntryTest, WennerAndDipoleTablesAndHeaders) {
    Apply_Array(Array_Type::Wenner);
    Niveau = "2";
    Spacing_File = write_bytes("wen.TXT", "1\r\n2.5\r\n");
    File_Name.clear();
    Load_build();
    EXPECT_EQ(cell(0, 1), "-");
    EXPECT_EQ(cell(0, 2), "a");
    EXPECT_EQ(cell(1, 1), " 0");
    EXPECT_EQ(cell(1, 2), " 1");
    EXPECT_EQ(cell(2, 2), " 2.5");
    EXPECT_EQ(cell(3, 2), "");
    EXPECT_FALSE(SEV.lissbox.Enabled());
    EXPECT_EQ(SEV.Label8.Caption(), "a");
    EXPECT_EQ(Spacing_File, path("wen.TXT"));

    Apply_Array(Array_Type::Dipole);
    EXPECT_EQ(Spacing_File, app_path() + "DATADIP.TXT");
    Niveau = "1";
    Spacing_File = write_bytes("dip.TXT", "60 10");
    Load_build();
    EXPECT_EQ(cell(0, 1), "BN");
    EXPECT_EQ(cell(0, 2), "AM");
    EXPECT_EQ(cell(1, 1), " 60");
    EXPECT_FALSE(SEV.Check10.Enabled());
}

TEST_F(DataEntryTest, ShippedTablesAreReadWhole) {
    for (const char *name : {"DATAVES.TXT", "DATADIP.TXT", "DATAWEN.TXT"}) {
        // The array selected gives the table's layout.
        Apply_Array(std::string(name) == "DATAWEN.TXT" ? Array_Type::Wenner
                                                       : Array_Type::Schlumberger);
        Spacing_File = std::string(OHMIRA_TEST_DATA) + "/../../data/" + name;
        File_Name.clear();
        Field_Data.clear();
        Load_build();
        EXPECT_TRUE(host_.records().empty()) << name;
        EXPECT_GT(Val(cell(1, 2)), 0) << name;
        EXPECT_GT(Val(cell(20, 2)), Val(cell(1, 2))) << name;
    }
}

TEST_F(DataEntryTest, FaultyTableAsksForAnotherFile) {
    std::string many;
    for (int i = 1; i <= 51; ++i)
        many += "1," + std::to_string(i) + "\r\n";
    struct Case {
        std::string table;
    };
    const std::string bad_tables[] = {many, "1,2\r\nx,3\r\n", "1,2,3"};
    for (const auto &bad : bad_tables) {
        ScriptedDialogHost host;
        DialogHostGuard guard(host);
        Spacing_File = write_bytes("bad.TXT", bad);
        File_Name.clear();
        host.expect(answer_box(vbOK));
        host.expect(cancel_open());
        Load_build();
        ASSERT_EQ(host.records().size(), 2u);
        EXPECT_EQ(host.records()[0].text,
                  "File " + Spacing_File + " is wrong or not found.  Find it and verify...");
        EXPECT_EQ(host.records()[0].icon, MsgIcon::Exclamation);
        EXPECT_EQ(host.records()[1].title, "AB/MN file location");
        EXPECT_EQ(host.records()[1].filter, "AB/MN File (*.TXT)|*.TXT");
        EXPECT_EQ(host.records()[1].default_text, "*.TXT");
        EXPECT_EQ(Draw_Mode, "FIELD");
        EXPECT_EQ(SEV.Bilog.MousePointer(), vbCrosshair);
        EXPECT_EQ(Field_Data(1, 1).num(), 0);
    }

    // Missing, then a good file chosen.
    Spacing_File = path("missing.TXT");
    const std::string good = write_bytes("good.TXT", "2,20");
    host_.expect(answer_box(vbOK));
    host_.expect(answer_open({good}));
    Load_build();
    EXPECT_EQ(Spacing_File, good);
    EXPECT_EQ(cell(1, 2), " 20");

    // Missing, then a corrupted file chosen.
    set_language('F');
    Spacing_File = path("missing.TXT");
    File_Name = "NEW";
    Field_Data.clear();
    const std::string corrupted = write_bytes("corrupted.TXT", "a,b");
    host_.expect(answer_box(vbOK));
    host_.expect(answer_open({corrupted}));
    host_.expect(answer_box(vbOK));
    Load_build();
    EXPECT_EQ(box_texts().back(), "Le fichier " + corrupted + " est inutilisable....");
    EXPECT_EQ(SEV.Caption(), "Ohmira 6.5 [" + corrupted + "]");
}

TEST_F(DataEntryTest, FieldDataShownWithTheRulesOfEachCellAndNothingElse) {
    empty_page();
    File_Name = "site.QD3";
    File_Path = "/data/site.QD3";
    Nb_Points = 3;
    const double points[3][6] = {
        {10, 312, 1, 100, 155.5, 50}, // measured
        {20, 250, 0, 0, 0, 0},        // resistivity typed: no ΔV, no MN/2
        {500, 80, 1, 2, 392698, 10},  // large K
    };
    for (int i = 0; i < 3; ++i)
        for (int c = 0; c < 6; ++c)
            Field_Data(i + 1, c + 1) = points[i][c];
    SEV.BuildGrid.TextMatrix(2, 3, "old dv");
    SEV.BuildGrid.TextMatrix(2, 5, "old k");
    SEV.BuildGrid.TextMatrix(4, 6, "stale");
    Load_build();
    EXPECT_EQ(SEV.Caption(), "Ohmira 6.5 [/data/site.QD3]");
    const std::string expected[3][6] = {
        {" 1", " 10", " 100", " 50", " 155.5", " 312"},
        {"", " 20", "", "", "", " 250"}, // no text of before beside what the point holds
        {" 1", " 500", " 2", " 10", " 392698", " 80"},
    };
    for (int i = 0; i < 3; ++i)
        for (int c = 1; c <= 6; ++c)
            EXPECT_EQ(cell(i + 1, c), expected[i][c - 1]) << i + 1 << "," << c;
    EXPECT_EQ(cell(4, 6), "");

    // Fill_Field_Grid empties first.
    Fill_Field_Grid();
    EXPECT_EQ(cell(2, 3), "");
    EXPECT_EQ(cell(2, 5), "");
}

TEST_F(DataEntryTest, KCellCutsDecimalsOnly) {
    const std::pair<double, const char *> cases[] = {
        {12.5663, " 12.56"}, {155.5, " 155.5"}, {392698, " 392698"}, {1234.5678, " 1234"},
        {0.785, " .785"},    {-126, "-126"},    {31415.9, " 31415"}, {3141592.7, " 3141592"},
    };
    for (const auto &[k, text] : cases)
        EXPECT_EQ(k_cell_text(k), text) << k;
}

TEST_F(DataEntryTest, BuildSetsTheBoxesAndCaptionsWithoutRunningTheirClicks) {
    empty_page();
    Shift_Compensation = 1;
    Array_Factor = 2;
    File_Name = "x.QD3";
    Load_build();
    EXPECT_EQ(SEV.lissbox.Value(), vbChecked);
    EXPECT_EQ(SEV.Check10.Value(), vbChecked);
    EXPECT_EQ(Array_Factor, 2);
    set_language('S');
    Load_build();
    EXPECT_EQ(SEV.Frame14.Caption(), "Edicion datos");
    EXPECT_EQ(SEV.Label27.Caption(), "Semi-disposit.");
}

} // namespace
} // namespace ohmira::test
