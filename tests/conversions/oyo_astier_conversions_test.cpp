#include "conversions/oyo_astier_conversions.h"

#include "conversions/imported_sounding.h"
#include "conversions/list_reader.h"
#include "conversions_fixture.h"
#include "form/applied_array.h"
#include "sample_files.h"

#include <filesystem>
#include <utility>

namespace ohmira::test {
namespace {

using OyoAstier = ConversionsTest;

std::string layer_and_text_lines(const std::vector<std::string> &texts) {
    std::string bytes;
    for (int j = 0; j < 20; ++j)
        bytes += "0,0,0\r\n";
    for (const auto &t : texts)
        bytes += "\"" + t + "\"\r\n";
    return bytes;
}

TEST_F(OyoAstier, OyoFileIsWrittenAsQd3OpenedAndShownOnThePrintTab) {
    const std::string input = write_bytes("S7.csv", oyo_sample());
    host_ = ScriptedDialogHost{answer_open({input})};
    OYO_Click();
    EXPECT_TRUE(host_.message_boxes().empty());
    const auto &open = host_.records()[0];
    EXPECT_EQ(open.title, "OYO file selection");
    EXPECT_EQ(open.filter, "File OYO *.csv");
    EXPECT_EQ(open.default_text, "*.csv");
    EXPECT_EQ(open.flags, cdlOFNExplorer);

    const std::string output = path("S7.QD3");
    EXPECT_EQ(read_bytes(output), "2.5\r\n15,2780,50,123,0,100\r\n30,4020,50,31,0,80\r\n" +
                                      layer_and_text_lines({"", "", "", "", "", "", ""}));
    // Opened as the current sounding.
    EXPECT_EQ(File_Path, output);
    EXPECT_EQ(File_Name, "S7.QD3");
    ASSERT_EQ(Nb_Points, 2);
    EXPECT_NEAR(Field_Data(1, 1).num(), 1.5, 1e-6);
    EXPECT_NEAR(Field_Data(2, 2).num(), 40.2, 1e-4);
    EXPECT_NEAR(Field_Data(1, 4).num(), 12.3, 1e-5);
    EXPECT_EQ(Field_Data(1, 5).num(), 0);
    EXPECT_EQ(Field_Data(2, 6).num(), 80);
    EXPECT_EQ(SEV.SSTab1.Tab(), 1);
    EXPECT_EQ(SEV.Bilog.MousePointer(), vbCrosshair);
}

TEST_F(OyoAstier, OyoArrayNameSelectsTheArray) {
    struct Case {
        const char *name;
        int option; // 1..3
        const char *caption;
        const char *niveau;
    };
    for (const auto &c :
         {Case{"SCHLUMBERGER", 1, "Schlumberger", "0"}, Case{"DIPOLE_DIPOLE", 2, "Dipole", "1"},
          Case{"WENNER", 3, "Wenner", "2"}, Case{"Schlumberger", 3, "Wenner", "2"}}) {
        SCOPED_TRACE(c.name);
        reset_SEV();
        const std::string input = write_bytes("A.csv", oyo_sample("Resistivity", c.name));
        host_ = ScriptedDialogHost{answer_open({input})};
        OYO_Click();
        const OptionButton *options[] = {&SEV.Option1, &SEV.Option2, &SEV.Option3};
        for (int k = 1; k <= 3; ++k)
            EXPECT_EQ(options[k - 1]->Value(), k == c.option) << k;
        EXPECT_EQ(SEV.Text4.Text(), c.caption);
        EXPECT_EQ(Niveau, c.niveau);
    }
}

TEST_F(OyoAstier, AstierTextsAndHalfToEvenRounding) {
    ListReader in(astier_sample());
    const ConvertedFile f = parse_astier_dat(in);
    ASSERT_EQ(f.error, 0);
    ASSERT_EQ(write_converted_qd3(path("A.QD3"), f), 0);
    EXPECT_EQ(read_bytes(path("A.QD3")),
              "2.5\r\n2,1000,0,0,0,0\r\n15,2780,0,0,0,0\r\n" +
                  layer_and_text_lines({"Profil A SEV No 3", "", "2", "0", "0", "412.5", ""}));

    const std::string input = write_bytes("P.dat", astier_sample());
    host_ = ScriptedDialogHost{answer_open({input})};
    astier_Click();
    EXPECT_EQ(host_.records()[0].title, "ASTIER file selection");
    EXPECT_EQ(host_.records()[0].filter, "Fichier Astier *.dat");
    EXPECT_EQ(Comment, "Profil A SEV No 3");
    EXPECT_EQ(Graph_Title, "2");
    EXPECT_EQ(Z_Coord, "412.5");
    EXPECT_EQ(Nb_Points, 2);
    EXPECT_NEAR(Field_Data(1, 1).num(), 0.2, 1e-6);
}

TEST_F(OyoAstier, RefusedFilesWriteNothingAndLeaveTheSounding) {
    std::string many = "A,3,412.5\r\nx,y,z\r\n52\r\n";
    for (int i = 1; i <= 52; ++i)
        many += std::to_string(i) + ",10\r\n";
    struct Case {
        const char *name;
        const char *input;
        std::string bytes;
        void (*command)();
        std::string box;        // its first line; the file follows
        std::string value = {}; // the value refused, after the file
    };
    const std::vector<Case> cases = {
        {"induced polarisation", "ip.csv", oyo_sample("IP"), OYO_Click, "Only resistivity mode",
         "line 5: IP"},
        {"survey mode in another case", "rl.csv", oyo_sample("RESISTIVITY"), OYO_Click,
         "Only resistivity mode", "line 5: RESISTIVITY"},
        {"OYO cut short", "cut.csv", oyo_sample().substr(0, oyo_sample().size() - 12), OYO_Click,
         "Reading File Error ..."},
        {"Astier with 52 points", "many.dat", many, astier_Click, "Reading File Error ..."},
        {"Astier with a text for a point", "bad.dat", lines({"A,3,4", "x,y,z", "1", "a,b"}),
         astier_Click, "Reading File Error ..."},
        {"Astier empty", "empty.dat", "", astier_Click, "Reading File Error ..."},
        {"Astier resistivity a QD3 file cannot hold", "huge.dat",
         lines({"A,3,4", "x,y,z", "1", "10,5E+37"}), astier_Click, "Reading File Error ...",
         "line 4: 5E+37"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const std::string input = write_bytes(c.input, c.bytes);
        reset_core_state();
        File_Name = "keep.QD3";
        Nb_Points = 3;
        Comment = "kept";
        host_ = ScriptedDialogHost{answer_open({input}), answer_box(vbOK)};
        c.command();
        ASSERT_EQ(box_texts(), std::vector<std::string>{c.box + "\n\r" + input +
                                                        (c.value.empty() ? "" : "\n\r" + c.value)});
        const auto box = host_.message_boxes()[0];
        EXPECT_EQ(box.icon, c.box[0] == 'O' ? MsgIcon::None : MsgIcon::Exclamation);
        EXPECT_FALSE(std::filesystem::exists(qd3_path_beside(input)));
        EXPECT_EQ(File_Name, "keep.QD3");
        EXPECT_EQ(Nb_Points, 3);
        EXPECT_EQ(Comment, "kept");
        EXPECT_EQ(SEV.Bilog.MousePointer(), vbCrosshair);
    }
}

TEST_F(OyoAstier, AQd3FileThatCannotBeWrittenLeavesTheSoundingAndTheArray) {
    const std::string kept = open_kept_sounding();
    Apply_Array(Array_Type::Schlumberger);
    SEV.Text4.Text("Schlumberger");
    Niveau = "0";
    std::filesystem::create_directory(path("D.QD3"));
    const std::string oyo = write_bytes("D.csv", oyo_sample("Resistivity", "DIPOLE_DIPOLE"));
    const std::string astier = write_bytes("D.dat", astier_sample());
    using Case = std::pair<std::string, void (*)()>;
    for (const auto &[input, command] : {Case{oyo, OYO_Click}, Case{astier, astier_Click}}) {
        SCOPED_TRACE(input);
        host_.expect(answer_open({input}));
        host_.expect(answer_box(vbOK));
        command();
        EXPECT_EQ(host_.pending(), 0u);
        EXPECT_EQ(host_.message_boxes().back().text, "Path/File access error\n\r" + path("D.QD3"));
        EXPECT_EQ(host_.message_boxes().back().icon, MsgIcon::Exclamation);
        EXPECT_TRUE(SEV.Option1.Value());
        EXPECT_EQ(SEV.Text4.Text(), "Schlumberger");
        EXPECT_EQ(Niveau, "0");
        expect_kept_sounding(kept);
    }
}

TEST_F(OyoAstier, CancelChangesNothing) {
    for (void (*command)() : {OYO_Click, astier_Click}) {
        host_ = ScriptedDialogHost{cancel_open()};
        Nb_Points = 3;
        command();
        EXPECT_EQ(Nb_Points, 3);
        EXPECT_TRUE(files().empty());
        EXPECT_EQ(SEV.Bilog.MousePointer(), vbCrosshair);
    }
}

} // namespace
} // namespace ohmira::test
