#include "conversions/geotrade_pasi_readers.h"

#include "conversions/list_reader.h"
#include "conversions_fixture.h"
#include "editor/data_entry.h"
#include "form/settings_values.h"
#include "sample_files.h"

namespace ohmira::test {
namespace {

using GeotradePasi = ConversionsTest;

TEST_F(GeotradePasi, GtrColumnsUnitsAndDroppedLines) {
    ListReader in(gtr_sample());
    const ImportedSounding s = parse_geotrade_gtr(in);
    ASSERT_EQ(s.error, 0);
    // AB/2, MN/2, ΔV [mV], I [mA]; the titles and the line with 0.1 mA drop out.
    const double expected[3][4] = {
        {1.5, 0.5, 123.4, 12.5}, {3, 0.5, 123.4, 12.5}, {10, 1, 8.5, 20}};
    ASSERT_EQ(s.rows.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i + 1);
        EXPECT_NEAR(s.rows[i][1].num(), expected[i][0], 1e-9);
        EXPECT_NEAR(s.rows[i][3].num(), expected[i][1], 1e-9);
        EXPECT_NEAR(s.rows[i][4].num(), expected[i][2], 1e-9);
        EXPECT_NEAR(s.rows[i][6].num(), expected[i][3], 1e-9);
        EXPECT_TRUE(s.rows[i][2].is_empty());
    }
    EXPECT_EQ(s.max_ab2, 1);
    EXPECT_EQ(s.comment, "");
    EXPECT_EQ(s.data_source, "");
}

TEST_F(GeotradePasi, GtrCurrentOfAmpereUnitsAtTheLimitIsDropped) {
    ListReader in(lines({gtr_line("1", "0.0001", "4", "1"), gtr_line("1", "0.00011", "4", "1")}));
    const ImportedSounding s = parse_geotrade_gtr(in);
    ASSERT_EQ(s.rows.size(), 1u);
    EXPECT_NEAR(s.rows[0][6].num(), 0.11, 1e-9);
    EXPECT_NEAR(s.rows[0][4].num(), 1000, 1e-9);
}

TEST_F(GeotradePasi, PointsBeyondTheTableAreCountedForTheBox) {
    std::vector<std::string> gtr;
    for (int i = 1; i <= 58; ++i)
        gtr.push_back(gtr_line("1", "0.01", std::to_string(i), "1"));
    gtr.push_back(gtr_line("1", "0.0001", "99", "1")); // no current: no point
    ListReader in(lines(gtr));
    const ImportedSounding s = parse_geotrade_gtr(in);
    EXPECT_EQ(s.rows.size(), 51u);
    EXPECT_EQ(s.rows_in_file, 58);
    EXPECT_NE(s.error, 0);
    host_ = ScriptedDialogHost{answer_box(vbOK)};
    show_import_failure(s, "/data/S.GTR");
    EXPECT_EQ(box_texts(), std::vector<std::string>{
                               "Reading File Error ...\n\r/data/S.GTR\n\r51 of 58 points kept"});
}

TEST_F(GeotradePasi, SpacingTableOfTwoOrOneValuesPerRecord) {
    ListReader two(lines({"1,0.5", "1.5 0.5", "2,0.5"}));
    const auto table = parse_spacing_table(two, false);
    ASSERT_EQ(table.size(), 3u);
    EXPECT_EQ(table[1][1].num(), 1.5);
    EXPECT_EQ(table[1][3].num(), 0.5);
    ListReader one(lines({"1", "2", "5"}));
    const auto wenner = parse_spacing_table(one, true);
    ASSERT_EQ(wenner.size(), 3u);
    EXPECT_TRUE(wenner[2][1].is_empty());
    EXPECT_EQ(wenner[2][3].num(), 5);
    ListReader long_table(spacing_table(52));
    EXPECT_THROW(parse_spacing_table(long_table, false), RuntimeError);
}

class PasiImport : public ConversionsTest {
protected:
    void SetUp() override {
        ConversionsTest::SetUp();
        Niveau = "0";
        Spacing_File = write_bytes("DATAVES.TXT", spacing_table(4));
    }
};

TEST_F(PasiImport, RowsOverTheSpacingTableSavedAsQd3) {
    struct Case {
        const char *array;
        bool schlumberger;
    };
    for (const auto &c : {Case{"SCHLUMBERGER", true}, Case{"Schlumberger", false}}) {
        SCOPED_TRACE(c.array);
        reset_core_state();
        reset_SEV();
        Niveau = "0";
        const std::string input = write_bytes("P1.TXT", pasi_sample(c.array));
        const std::string output = path("P1.QD3");
        std::filesystem::remove(output);
        host_ = ScriptedDialogHost{answer_open({input}), answer_box(vbYes)};
        PASI_Click();
        EXPECT_EQ(host_.pending(), 0u);
        const auto &open = host_.records()[0];
        EXPECT_EQ(open.title, "OHMIRA File selection");
        EXPECT_EQ(open.filter, "Fichier Ohmira *.TXT    ");
        EXPECT_EQ(open.default_text, "*.TXT");
        EXPECT_EQ(host_.records()[1].text, "Recording File " + output);
        EXPECT_EQ(SEV.Option1.Value(), c.schlumberger);

        // In memory: the PASI rows over the table, ΔV and I in µV and µA, no ρa and no K.
        EXPECT_EQ(Nb_Points, 2);
        EXPECT_EQ(Data_Source, "PASI");
        EXPECT_EQ(Comment.rfind("Date : ", 0), 0u);
        EXPECT_EQ(Field_Data(2, 1).num(), 3);
        EXPECT_EQ(Field_Data(2, 4).num(), 50000);
        EXPECT_EQ(Field_Data(2, 6).num(), 80000000);
        // The window shows the file written: its two rows, nothing of the table beyond them.
        EXPECT_EQ(Field_Data(1, 2).num(), 0);
        EXPECT_EQ(Field_Data(3, 1).num(), 0);
        EXPECT_EQ(File_Path, output);
        EXPECT_EQ(SEV.Bilog.MousePointer(), vbCrosshair);
        expect_editor_save_keeps(output);

        reset_core_state();
        load_qd3(output);
        ASSERT_EQ(Nb_Points, 2);
        const double expected[2][6] = {{1.5, 0, 0.5, 250000, 0, 100000000},
                                       {3, 0, 0.5, 50000, 0, 80000000}};
        for (int i = 1; i <= 2; ++i)
            for (int col = 1; col <= 6; ++col)
                EXPECT_NEAR(Field_Data(i, col).num(), expected[i - 1][col - 1], 1e-3)
                    << i << "," << col;
        EXPECT_EQ(Data_Source, "PASI");
    }
}

TEST_F(PasiImport, MissingTableIsLocatedAndACorruptOneEndsTheCommand) {
    const std::string missing = path("nowhere/DATAVES.TXT");
    Spacing_File = missing;
    const std::string corrupt = write_bytes("AB.TXT", spacing_table(52));
    Nb_Points = 5;
    host_ = ScriptedDialogHost{answer_box(vbOK), answer_open({corrupt}), answer_box(vbOK)};
    const std::string caption = SEV.Caption();
    PASI_Click();
    EXPECT_EQ(box_texts(), (std::vector<std::string>{
                               "File " + missing + " is wrong or not found.  Find it and verify...",
                               "File " + corrupt + " is corrupted...."}));
    const auto &locate = host_.records()[1];
    EXPECT_EQ(locate.title, "AB/MN file location");
    EXPECT_EQ(locate.filter, "AB/MN File (*.TXT)|*.TXT");
    EXPECT_EQ(Spacing_File, corrupt);
    EXPECT_EQ(SEV.Caption(), caption) << "the caption names the sounding, not the table";
    EXPECT_EQ(Nb_Points, 5);
    EXPECT_EQ(files(), (std::vector<std::string>{"AB.TXT", "DATAVES.TXT"}));
}

TEST_F(PasiImport, LocatedTableIsUsedAndCancelLeavesEverything) {
    Spacing_File = path("missing.TXT");
    const std::string table = write_bytes("AB.TXT", spacing_table(3));
    host_ = ScriptedDialogHost{answer_box(vbOK), answer_open({table}), cancel_open()};
    Nb_Points = 5;
    PASI_Click();
    EXPECT_EQ(Spacing_File, table);
    EXPECT_EQ(Nb_Points, 5);
    EXPECT_EQ(Draw_Mode, "NORMAL");

    set_language('S');
    Spacing_File = path("missing.TXT");
    host_ = ScriptedDialogHost{answer_box(vbOK), cancel_open()};
    PASI_Click();
    EXPECT_EQ(box_texts(), std::vector<std::string>{"Fichero " + Spacing_File +
                                                    " falso o no existe.  Find it and verify..."});
    EXPECT_EQ(Draw_Mode, "FIELD");
    EXPECT_EQ(SEV.Bilog.MousePointer(), vbCrosshair);
}

} // namespace
} // namespace ohmira::test
