#include "conversions/import_frame.h"

#include "conversions/conversions_events.h"
#include "conversions/imported_sounding.h"
#include "conversions/oyo_astier_conversions.h"
#include "conversions_fixture.h"
#include "form/applied_array.h"
#include "sample_files.h"

namespace ohmira::test {
namespace {

using ImportFrame = ConversionsTest;

TEST_F(ImportFrame, QD3FileNameBesideTheInput) {
    const std::pair<const char *, const char *> cases[] = {
        {"/data/S1.GTR", "/data/S1.QD3"},   {"/data/s1.amp", "/data/s1.QD3"},
        {"/data/noext", "/data/noext.QD3"}, {"/da.ta/noext", "/da.ta/noext.QD3"},
        {"/data/a.b.VES", "/data/a.b.QD3"}, {"S", "S.QD3"},
    };
    for (const auto &[input, output] : cases)
        EXPECT_EQ(qd3_path_beside(input), output) << input;
}

TEST_F(ImportFrame, EachMenuItemOpensItsDialogAndCancelChangesNothing) {
    connect_conversions_events();
    struct Case {
        MenuItem *item;
        const char *filter;
        const char *file_name;
        const char *title;
    };
    const std::vector<Case> cases = {
        {&SEV.Geotrade, "Fichier Ohmira *.GTR    ", "*.GTR", "OHMIRA File selection"},
        {&SEV.NAbem, "Fichier Ohmira *.VES", "*.VES", "OHMIRA File selection"},
        {&SEV.SAS1000, "Fichier Ohmira *.amp", "*.amp", "OHMIRA File selection"},
        {&SEV.OYO, "File OYO *.csv", "*.csv", "OYO file selection"},
        {&SEV.astier, "Fichier Astier *.dat", "*.dat", "ASTIER file selection"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.filter);
        host_ = ScriptedDialogHost{cancel_open()};
        File_Name = "before.QD3";
        Nb_Points = 2;
        Draw_Mode = "";
        c.item->user_click();
        ASSERT_EQ(host_.records().size(), 1u);
        const auto &r = host_.records()[0];
        EXPECT_EQ(r.kind, DialogKind::OpenFile);
        EXPECT_EQ(r.filter, c.filter);
        EXPECT_EQ(r.default_text, c.file_name);
        EXPECT_EQ(r.title, c.title);
        EXPECT_EQ(r.flags, cdlOFNExplorer);
        EXPECT_EQ(File_Name, "before.QD3");
        EXPECT_EQ(Nb_Points, 2);
        EXPECT_EQ(Draw_Mode, "NORMAL");
        EXPECT_EQ(SEV.Bilog.MousePointer(), vbCrosshair);
        EXPECT_TRUE(files().empty());
    }
}

TEST_F(ImportFrame, ImportedFileIsSavedBesideTheInputAfterTheQuestion) {
    const std::string input = write_bytes("S1.GTR", gtr_sample());
    host_ = ScriptedDialogHost{answer_open({input}), answer_box(vbYes)};
    Geotrade_Click();
    EXPECT_EQ(host_.records()[1].text, "Recording File " + path("S1.QD3"));
    EXPECT_EQ(host_.records()[1].buttons, MsgButtons::YesNo);
    EXPECT_EQ(files(), (std::vector<std::string>{"S1.GTR", "S1.QD3"}));
    EXPECT_EQ(File_Path, path("S1.QD3"));

    reset_core_state();
    load_qd3(path("S1.QD3"));
    ASSERT_EQ(Nb_Points, 3);
    EXPECT_NEAR(Field_Data(3, 1).num(), 10, 1e-6);
    EXPECT_NEAR(Field_Data(3, 4).num(), 8.5, 1e-6);
    EXPECT_NEAR(Field_Data(3, 6).num(), 20, 1e-6);
}

TEST_F(ImportFrame, NoToTheQuestionOpensTheSaveDialog) {
    const std::string input = write_bytes("S1.GTR", gtr_sample());
    host_ = ScriptedDialogHost{answer_open({input}), answer_box(vbNo), cancel_save()};
    Geotrade_Click();
    EXPECT_EQ(host_.records()[2].kind, DialogKind::SaveFile);
    EXPECT_EQ(host_.records()[2].title, "Record OHMIRA File");
    EXPECT_EQ(files(), std::vector<std::string>{"S1.GTR"});
    // The sounding holds the import.
    EXPECT_EQ(Nb_Points, 3);
}

TEST_F(ImportFrame, ReadErrorSavesTheRowsReadAndARefusalNothing) {
    // An ABEM file that ends after two of its five points.
    const std::string cut = write_bytes("cut.VES", lines({"\"T\"", "1 5", "1 10 0", "2 20 0"}));
    host_ = ScriptedDialogHost{answer_open({cut}), answer_box(vbOK), answer_box(vbYes)};
    NAbem_Click();
    // The box says what was kept; the save question proposes No first.
    EXPECT_EQ(host_.records()[1].text,
              "Reading File Error ...\n\r" + cut + "\n\r2 of 5 points kept");
    EXPECT_EQ(host_.records()[2].text.rfind("Recording File ", 0), 0u);
    EXPECT_EQ(host_.records()[2].default_button, 2);
    ASSERT_TRUE(std::filesystem::exists(path("cut.QD3")));
    reset_core_state();
    load_qd3(path("cut.QD3"));
    EXPECT_EQ(Nb_Points, 2);

    const std::string bad =
        write_bytes("bad.amp", amp_sample("XYZ:9", 1, {"1 0 -5 5 -1 3 50 1.2 40 0"}));
    File_Name = "keep.QD3";
    File_Path = "/somewhere/keep.QD3";
    host_ = ScriptedDialogHost{answer_open({bad}), answer_box(vbOK)};
    SAS1000_Click();
    EXPECT_EQ(box_texts(), std::vector<std::string>{
                               "Coordinate types other than Index and XYZ:1 not supported\n\r" +
                               bad + "\n\rline 9: XYZ:9"});
    EXPECT_FALSE(std::filesystem::exists(path("bad.QD3")));
    EXPECT_EQ(File_Name, "keep.QD3");
    EXPECT_EQ(File_Path, "/somewhere/keep.QD3");
    EXPECT_EQ(Nb_Points, 2);
}

TEST_F(ImportFrame, TheEditorsSaveRightAfterAConversionRewritesItsFile) {
    Apply_Array(Array_Type::Schlumberger);
    Niveau = "0";
    // ABEM: two MN/2 segments overlapping on AB/2 3 and 5. SAS1000 and OYO: K not given (0),
    // ρa as measured. GTR: no K and no ρa, both stay 0 until Compute.
    // ABEM with a model whose last depth, 10.5 m, the grid shows as 10 with automatic decimals.
    const std::string abem =
        lines({"\"Overlap\"", "1 6", "1 100 0", "2 120 0", "3 150 0", "5 200 0", "3 160 0",
               "5 210 0", "3", "50 0 2.5 0 0 0 0", "10 0 8 0 2.5 0 0", "200 0 0 0 10.5 0 0"});
    const std::string amp =
        amp_sample("Index", 10, {"1 0 0 2 1 100 0.25 31.4 0", "2 0 0 6 1 90 0.05 48 0"});
    const std::string oyo =
        lines({"OYO", "2", "3", "4", "Survey mode,Resistivity", "-", "-", "-", "-",
               "Array,SCHLUMBERGER", "Points,2", "h1", "h2", "h3",
               "1,1.5,0.5,100,442.68,0,27.8,0,0,0,0,0,0", "2,3,0.5,80,455.2,0,80.4,0,0,0,0,0,0"});
    struct Case {
        const char *input;
        std::string bytes;
        void (*command)();
        bool asks; // the frame's save question
    };
    const Case cases[] = {
        {"E.VES", abem, NAbem_Click, true},
        {"S3.amp", amp, SAS1000_Click, true},
        {"O.csv", oyo, OYO_Click, false},
        {"A.dat", astier_sample(), astier_Click, false},
        {"G.GTR", gtr_sample(), Geotrade_Click, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.input);
        host_.expect(answer_open({write_bytes(c.input, c.bytes)}));
        if (c.asks)
            host_.expect(answer_box(vbYes));
        c.command();
        EXPECT_EQ(host_.pending(), 0u);
        expect_editor_save_keeps(qd3_path_beside(path(c.input)));
    }
}

TEST_F(ImportFrame, QdeImportKeepsItsFolderAndSavesAsQd3AndAFailedReadNothing) {
    const std::string input =
        write_bytes("old.QDE", read_bytes(std::string(OHMIRA_TEST_DATA) + "/sample.QDE"));
    host_ = ScriptedDialogHost{answer_open({input}), answer_box(vbYes)};
    Import_QDE_File();
    EXPECT_EQ(host_.records()[0].filter, "Fichier Ohmira *.QDE");
    EXPECT_EQ(Chemin, dir_.string() + "/");
    EXPECT_TRUE(std::filesystem::exists(path("old.QD3")));
    EXPECT_GT(Nb_Points, 0);

    // A file the reader refuses: its box, no question, the QD3 file beside it and the sounding
    // on screen as they were.
    const std::string kept = open_kept_sounding();
    const std::string bad = write_bytes("old.QDE", "2\r\n1000,45\r\nabc,60\r\n");
    const std::string before = read_bytes(path("old.QD3"));
    host_ = ScriptedDialogHost{answer_open({bad}), answer_box(vbOK)};
    Import_QDE_File();
    EXPECT_EQ(host_.pending(), 0u);
    EXPECT_EQ(box_texts(), std::vector<std::string>{"Reading File Error...\n\r" + bad +
                                                    "\n\ra value that is not a number"});
    EXPECT_EQ(read_bytes(path("old.QD3")), before);
    expect_kept_sounding(kept);
}

} // namespace
} // namespace ohmira::test
