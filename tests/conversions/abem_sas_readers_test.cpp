#include "conversions/abem_sas_readers.h"

#include "conversions/list_reader.h"
#include "conversions_fixture.h"
#include "core/qd3_limits.h"
#include "platform/app_info.h"
#include "sample_files.h"

namespace ohmira::test {
namespace {

using AbemSas = ConversionsTest;

double cell(int i, int c) {
    return Field_Data(i, c).num();
}

TEST_F(AbemSas, AbemFileGoesIntoTheSoundingAndThroughTheQd3FileUnchanged) {
    ListReader in(abem_sample());
    const ImportedSounding s = parse_abem_ves(in);
    ASSERT_EQ(s.error, 0);
    EXPECT_EQ(s.comment, "Well 12, north");
    EXPECT_EQ(s.max_ab2, 1); // 10 m
    ASSERT_EQ(s.rows.size(), 3u);
    ASSERT_EQ(s.layers.size(), 3u);

    Data_Source = "PASI";
    X_Coord = "old";
    commit_import(s);
    EXPECT_EQ(Nb_Points, 3);
    EXPECT_EQ(Data_Source, "");
    EXPECT_EQ(X_Coord, "");
    EXPECT_EQ(Max_AB2, 1);

    ASSERT_EQ(write_qd3_file(path("abem.QD3")), 0);
    reset_core_state();
    load_qd3(path("abem.QD3"));
    EXPECT_TRUE(host_.records().empty());
    ASSERT_EQ(Nb_Points, 3);
    const double points[3][6] = {
        {1.5, 27.8, 0, 0, 0, 0}, {3, 35.2, 0, 0, 0, 0}, {10, 120.4, 0, 0, 0, 0}};
    for (int i = 1; i <= 3; ++i)
        for (int c = 1; c <= 6; ++c)
            EXPECT_NEAR(cell(i, c), points[i - 1][c - 1], 1e-4) << i << "," << c;
    const double layers[3][3] = {{50, 2.5, 0}, {10, 8, 2.5}, {200, 0, 10.5}};
    for (int j = 1; j <= 3; ++j)
        for (int r = 1; r <= 3; ++r)
            EXPECT_NEAR(Model_Layers(r, j).num(), layers[j - 1][r - 1], 1e-4) << j << "," << r;
    EXPECT_EQ(Comment, "Well 12, north");
}

TEST_F(AbemSas, AbemFileWithoutPointsOrLayersIsReadWhole) {
    ListReader in(lines({"\"Empty\"", "0,0", "0"}));
    const ImportedSounding s = parse_abem_ves(in);
    EXPECT_EQ(s.error, 0);
    EXPECT_TRUE(s.rows.empty());
    EXPECT_TRUE(s.keep());
    commit_import(s);
    EXPECT_EQ(Nb_Points, 0);
    EXPECT_EQ(Comment, "Empty");
    EXPECT_EQ(Max_AB2, 0);
}

TEST_F(AbemSas, ReadErrorKeepsTheRowsReadOrNothing) {
    struct Case {
        const char *name;
        std::string bytes;
        std::size_t rows; // rows kept; 0: the sounding is left as it was
        const char *kept; // the box's last line
    };
    std::string sixty = "\"T\"\r\n1 60\r\n";
    for (int i = 1; i <= 60; ++i)
        sixty += std::to_string(i) + " 10 0\r\n";
    const std::vector<Case> cases = {
        {"file ends in the points", lines({"\"T\"", "1 5", "1 10 0", "2 20 0"}), 2,
         "2 of 5 points kept"},
        {"file ends before any point", lines({"\"T\"", "1 5"}), 0, ""},
        {"more than 51 points", sixty, 51, "51 of 60 points kept"},
        {"a text in the points", lines({"\"T\"", "1 2", "1 10 0", "x 20 0"}), 1,
         "1 of 2 points kept"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        reset_core_state();
        host_ = ScriptedDialogHost{answer_box(vbOK)};
        Comment = "previous";
        Nb_Points = 7;
        File_Name = "T.VES";
        std::string p = write_bytes("T.VES", c.bytes);
        EXPECT_EQ(Read_ABEM_VES(p), c.rows > 0);
        ASSERT_EQ(box_texts(),
                  std::vector<std::string>{"Reading File Error ...\n\r" + p +
                                           (c.rows > 0 ? "\n\r" + std::string(c.kept) : "")});
        EXPECT_EQ(host_.message_boxes()[0].icon, MsgIcon::Exclamation);
        EXPECT_EQ(Nb_Points, c.rows > 0 ? static_cast<int>(c.rows) : 7);
        EXPECT_EQ(Comment, c.rows > 0 ? "T" : "previous");
    }
}

TEST_F(AbemSas, SpacingBeyondSixteenBitsStopsTheReadBeforeTheRowIsKept) {
    // A row the QD3 reader's Max_AB2 could not take is never kept: the rows before it are.
    {
        ListReader in(lines({"\"Far\"", "1 3", "100 10 0", "30000 20 0", "40000 30 0", "0"}));
        const ImportedSounding s = parse_abem_ves(in);
        EXPECT_EQ(s.error, 6);
        ASSERT_EQ(s.rows.size(), 2u);
        EXPECT_EQ(s.rows.back()[1].num(), 30000);
        EXPECT_EQ(s.max_ab2, 30000);
    }
    {
        const std::string far = "1 0 0 80000 1 100 0.25 31.4 0";
        const std::string near = "1 0 0 2 1 100 0.25 31.4 0";
        ListReader in(amp_sample("Index", 10, {near, far}, 1));
        const ImportedSounding s = parse_sas1000_amp(in);
        EXPECT_EQ(s.error, 6);
        ASSERT_EQ(s.rows.size(), 1u);
        EXPECT_EQ(s.rows[0][1].num(), 2.5);
    }
}

TEST_F(AbemSas, ValuesTheQd3FileCannotHoldStopTheReadAndAreNamed) {
    struct Case {
        const char *name;
        std::string bytes;
        std::string box;
        int points; // kept; 7: the sounding is left as it was
    };
    const Case cases[] = {
        {"first resistivity", lines({"\"T\"", "1 2", "1.5 5E+37 0", "3 35.2 0", "0"}),
         "line 3: 5E+37", 7},
        {"second resistivity", lines({"\"T\"", "1 2", "1.5 27.8 0", "3 5E+37 0", "0"}),
         "line 4: 5E+37\n\r1 of 2 points kept", 1},
        {"layer resistivity", lines({"\"T\"", "1 1", "1.5 27.8 0", "1", "1E+12 0 0 0 0 0 0"}),
         "line 5: 1000000000000\n\r1 points kept", 1},
        {"spacing beyond Max_AB2", lines({"\"T\"", "1 2", "100 10 0", "40000 20 0", "0"}),
         "line 4: 40000\n\r1 of 2 points kept", 1},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        reset_core_state();
        host_ = ScriptedDialogHost{answer_box(vbOK)};
        Nb_Points = 7;
        File_Name = "T.VES";
        std::string p = write_bytes("T.VES", c.bytes);
        EXPECT_EQ(Read_ABEM_VES(p), c.points != 7);
        EXPECT_EQ(box_texts(),
                  std::vector<std::string>{"Reading File Error ...\n\r" + p + "\n\r" + c.box});
        EXPECT_EQ(Nb_Points, c.points);
        EXPECT_FALSE(sounding_value_beyond_qd3().has_value());
    }
}

TEST_F(AbemSas, ReaderWithoutAFileNameAsksForOne) {
    set_language('F');
    host_ = ScriptedDialogHost{answer_box(vbOK)};
    std::string p = write_bytes("T.VES", abem_sample());
    File_Name.clear();
    EXPECT_FALSE(Read_ABEM_VES(p));
    EXPECT_EQ(box_texts(), std::vector<std::string>{"Sélectionnez d'abord un fichier "});
}

TEST_F(AbemSas, AmpRowsGiveSpacingsByArrayCodeAndCoordinateType) {
    struct Case {
        const char *name;
        std::string type;
        int code;
        std::string row;
        double unit;
        double ab2, mn2, voltage, current, rho;
    };
    const std::vector<Case> cases = {
        {"Index, code 10", "Index", 10, "1 0 0 2 1 100 0.25 31.4 0", 1, 2.5, 0.5, 250, 100, 31.4},
        {"Index, code 10, u 2", "Index", 10, "1 0 0 2 1 100 0.25 31.4 0", 2, 5, 1, 250, 100, 31.4},
        {"Index, code 1", "Index", 1, "1 0 0 3 1 50 0.5 12 0", 2, 6, 0, 500, 50, 12},
        {"XYZ:1, code 1", "XYZ:1", 1, "1 0 -5 5 -1 3 50 1.2 40 0", 1, 4, 0, 1200, 50, 40},
        {"XYZ:1, code 10", "XYZ:1", 10, "1 0 -5 5 -1 3 50 1.2 40 0", 1, 5, 2, 1200, 50, 40},
        {"XYZ:1, code 3, time column", "XYZ:1", 3, "12:30 x -2 2 0 8 10 .02 7.5 0", 1, 8, 0, 20, 10,
         7.5},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        ListReader in(amp_sample(c.type, c.code, {c.row, c.row}, c.unit));
        const ImportedSounding s = parse_sas1000_amp(in);
        ASSERT_EQ(s.error, 0);
        ASSERT_TRUE(s.refusal.empty());
        ASSERT_EQ(s.rows.size(), 2u);
        const FieldRow &r = s.rows[1];
        EXPECT_DOUBLE_EQ(r[1].num(), c.ab2);
        EXPECT_DOUBLE_EQ(r[3].num(), c.mn2);
        EXPECT_DOUBLE_EQ(r[4].num(), c.voltage);
        EXPECT_DOUBLE_EQ(r[6].num(), c.current);
        EXPECT_DOUBLE_EQ(r[2].num(), c.rho);
        EXPECT_EQ(r[5].num(), 0);
        EXPECT_EQ(s.x_coord, "  1250.5     ");
        EXPECT_EQ(s.y_coord, "  300.25     ");
        EXPECT_EQ(s.z_coord, "  45.6      ");
    }
}

TEST_F(AbemSas, AmpFileReadWholeIsSavedAndReadBack) {
    std::string p = write_bytes(
        "S.amp", amp_sample("Index", 10, {"1 0 0 2 1 100 0.25 31.4 0", "2 0 0 20 1 80 0.01 55 0"}));
    File_Name = "S.amp";
    Comment = "old";
    ASSERT_TRUE(Read_SAS1000_AMP(p));
    EXPECT_EQ(Max_AB2, 1); // 20.5 m
    EXPECT_EQ(Comment, "");
    ASSERT_EQ(write_qd3_file(path("S.QD3")), 0);
    reset_core_state();
    load_qd3(path("S.QD3"));
    ASSERT_EQ(Nb_Points, 2);
    const double expected[2][6] = {{2.5, 31.4, 0.5, 250, 0, 100}, {20.5, 55, 0.5, 10, 0, 80}};
    for (int i = 1; i <= 2; ++i)
        for (int c = 1; c <= 6; ++c)
            EXPECT_NEAR(cell(i, c), expected[i - 1][c - 1], 1e-4) << i << "," << c;
    EXPECT_EQ(X_Coord, "  1250.5     ");
    EXPECT_EQ(Z_Coord, "  45.6      ");
}

TEST_F(AbemSas, AmpRefusalsLeaveTheSoundingAsItWas) {
    struct Case {
        const char *name;
        std::string bytes;
        std::string box; // "" for no box, the file read whole; the file follows on a line
        bool kept;
        std::string value = {}; // the value refused, on the line after the file
    };
    const std::string row = "1 0 0 2 1 100 0.25 31.4 0";
    const std::vector<Case> cases = {
        {"bad coordinate type", amp_sample("XYZ:2", 1, {row}),
         "Coordinate types other than Index and XYZ:1 not supported", false, "line 9: XYZ:2"},
        {"bad array code", amp_sample("Index", 7, {row}),
         "Array codes other than 1, 2, 3 and 10 not supported", false, "line 8: 7"},
        {"bad coordinate type without rows", amp_sample("Other", 1, {}), "", true},
        {"header cut short", lines({"SAS1000", "", "", "loc"}), "Reading File Error ...", false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        reset_core_state();
        host_ = c.box.empty() ? ScriptedDialogHost{} : ScriptedDialogHost{answer_box(vbOK)};
        Nb_Points = 4;
        Field_Data(1, 1) = 9.0;
        File_Name = "S.amp";
        std::string p = write_bytes("S.amp", c.bytes);
        EXPECT_EQ(Read_SAS1000_AMP(p), c.kept);
        EXPECT_EQ(box_texts(), c.box.empty() ? std::vector<std::string>{}
                                             : std::vector<std::string>{
                                                   c.box + "\n\r" + p +
                                                   (c.value.empty() ? "" : "\n\r" + c.value)});
        if (!c.box.empty() && c.box[0] != 'R') {
            EXPECT_EQ(host_.message_boxes()[0].icon, MsgIcon::None);
            EXPECT_EQ(host_.message_boxes()[0].title, AppInfo::Title);
        }
        EXPECT_EQ(Nb_Points, c.kept ? 0 : 4);
        EXPECT_EQ(Field_Data(1, 1).num(), c.kept ? 0 : 9);
    }
}

} // namespace
} // namespace ohmira::test
