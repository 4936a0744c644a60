#include "core/older_files.h"

#include <gtest/gtest.h>

#include "core/fit.h"
#include "core/qd3_file.h"
#include "core_fixture.h"

namespace ohmira::test {
namespace {

class OlderFilesTest : public CoreTest {
protected:
    // Layers of a previous sounding that must not survive a read.
    void put_stale_model() {
        for (int j = 1; j <= 20; ++j) {
            Model_Layers(1, j) = 77.0;
            Model_Layers(2, j) = 5.0;
            Model_Layers(3, j) = 12.0;
        }
    }
};

TEST_F(OlderFilesTest, ReadsTheQdeSample) {
    put_stale_model();
    std::string p = data_file("sample.QDE");
    Load_QDE(p);
    EXPECT_TRUE(host_.message_boxes().empty());
    EXPECT_EQ(Nb_Points, 3);
    EXPECT_EQ(Field_Data(1, 1).num(), 10.0f); // pair 1000, 45
    EXPECT_EQ(Field_Data(1, 2).num(), 45.0f);
    for (int c = 3; c <= 6; ++c)
        EXPECT_TRUE(Field_Data(2, c).is_number() && Field_Data(2, c).num() == 0) << c;
    EXPECT_TRUE(Field_Data(1, 7).is_empty());
    EXPECT_EQ(Max_AB2, 50);
    EXPECT_EQ(Model_Layers(1, 2).num(), 200.0f);
    EXPECT_EQ(Model_Layers(2, 2).num(), 10.0f);
    EXPECT_EQ(Model_Layers(3, 3).num(), 11.5f);
    EXPECT_EQ(Model_Layers(1, 4).num(), 0);
    EXPECT_TRUE(Model_Layers(1, 11).is_empty()); // nothing left of the previous model
    EXPECT_EQ(Comment, "Old sounding");
    EXPECT_EQ(Graph_Title, "QDE title");
    EXPECT_EQ(Z_Coord, "30");
    EXPECT_EQ(Azimuth, "N10");
    EXPECT_EQ(open_file_count(), 0);
}

TEST_F(OlderFilesTest, ReadsTheSevSampleWithoutStaleLayers) {
    put_stale_model();
    Comment = "previous";
    Data_Source = "PASI";
    File_Name = "sample.SEV";
    std::string p = data_file("sample.SEV");
    Load_SEV(p);
    EXPECT_TRUE(host_.message_boxes().empty());
    EXPECT_EQ(Graph_Title, "SITE 12");
    EXPECT_EQ(Nb_Points, 12);
    EXPECT_EQ(Field_Data(1, 1).num(), 1.5);
    EXPECT_EQ(Field_Data(1, 2).num(), 120);
    EXPECT_EQ(Field_Data(12, 1).num(), 60);
    EXPECT_EQ(Field_Data(12, 2).num(), 160);
    for (int k = 4; k <= 12; ++k)
        for (int c = 3; c <= 6; ++c)
            EXPECT_TRUE(Field_Data(k, c).is_number() && Field_Data(k, c).num() == 0);
    EXPECT_EQ(Model_Layers(1, 1).num(), 100);
    EXPECT_EQ(Model_Layers(2, 2).num(), 8);
    EXPECT_EQ(Model_Layers(1, 3).num(), 500);
    EXPECT_EQ(Model_Layers(2, 3).num(), 0);
    for (int j = 1; j <= 20; ++j)
        EXPECT_EQ(Model_Layers(3, j).num(), 0) << j;
    EXPECT_EQ(Model_Layers(1, 4).num(), 0);
    EXPECT_EQ(Comment, "");
    EXPECT_EQ(Data_Source, "");
    EXPECT_EQ(Max_AB2, 2); // round(log10(60)), raised again by the open command
    EXPECT_EQ(open_file_count(), 0);
}

TEST_F(OlderFilesTest, ASevWithTwentyLayersEndsOnTheHalfSpace) {
    // 19 layers of 2 m, then a 20th record with a thickness of 3 m: the half-space at 38 m.
    std::string bytes = "T\r\nx\r\n1,20,20\r\n";
    for (int k = 1; k <= 20; ++k)
        bytes += "1,1,100," + std::to_string(k) + (k < 20 ? ",100,2,0\r\n" : ",70,3,0\r\n");
    File_Name = "deep.SEV";
    std::string p = write_bytes("deep.SEV", bytes);
    ASSERT_TRUE(Load_SEV(p));
    EXPECT_EQ(Model_Layers(2, 20).num(), 0);
    Update_Layer_Depths(); // as the model grid shows it
    EXPECT_EQ(Nb_Layers, 20);
    ASSERT_EQ(write_qd3_file(path("deep.QD3")), 0);
    const std::string qd3 = read_bytes(path("deep.QD3"));
    EXPECT_NE(qd3.find("\r\n10000,200,3600\r\n7000,0,3800\r\n\"\""), std::string::npos) << qd3;
}

TEST_F(OlderFilesTest, MalformedFilesShowTheReadError) {
    struct Case {
        const char *name;
        bool sev;
        std::string bytes;
        int points;
        const char *cause = "the file ends too early";
    } cases[] = {
        {"missing.QDE", false, "", 0, "file not found or not readable"},
        {"text.QDE", false, "2\r\n1000,45\r\nabc,60\r\n", 1, "a value that is not a number"},
        {"short.QDE", false, "1\r\n1000,45\r\n10,0,0\r\n", 1},
        {"many.QDE", false, "60\r\n1000,45\r\n", 1},
        {"missing.SEV", true, "", 0, "file not found or not readable"},
        {"many.SEV", true, "T\r\nx\r\n1,60,3\r\n", 0},
        {"layers.SEV", true, "T\r\nx\r\n1,30,21\r\n", 0},
        {"short.SEV", true, "T\r\nx\r\n1,3,1\r\n1,1,120,1.5,100,2,0\r\n2,1,110,2\r\n", 2},
    };
    for (const auto &c : cases) {
        reset_core_state();
        Nb_Points = 9;
        File_Name = c.name;
        std::string p = c.bytes.empty() ? path(c.name) : write_bytes(c.name, c.bytes);
        ScriptedDialogHost host{answer_box(vbOK)};
        DialogHostGuard guard(host);
        if (c.sev)
            Load_SEV(p);
        else
            Load_QDE(p);
        SCOPED_TRACE(c.name);
        ASSERT_EQ(host.message_boxes().size(), 1u);
        EXPECT_EQ(host.message_boxes()[0].text,
                  "Reading File Error...\n\r" + path(c.name) + "\n\r" + c.cause);
        EXPECT_EQ(host.message_boxes()[0].title, "Ohmira 6.5");
        EXPECT_EQ(Nb_Points, c.points);
        EXPECT_EQ(open_file_count(), 0);
    }
}

TEST_F(OlderFilesTest, SevNeedsAFileName) {
    struct Case {
        char lang;
        const char *text;
    } cases[] = {{'E', "First select a File "},
                 {'F', "Sélectionnez d'abord un fichier "},
                 {'S', "Primero, seleccione un fichero "}};
    for (const auto &c : cases) {
        set_language(c.lang);
        ScriptedDialogHost host{answer_box(vbOK)};
        DialogHostGuard guard(host);
        Graph_Title = "kept";
        File_Name = "";
        std::string p = data_file("sample.SEV");
        Load_SEV(p);
        ASSERT_EQ(host.message_boxes().size(), 1u);
        EXPECT_EQ(host.message_boxes()[0].text, c.text);
        EXPECT_EQ(Graph_Title, "kept");
    }
}

} // namespace
} // namespace ohmira::test
