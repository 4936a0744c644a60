#include "commands/new_sounding.h"
#include "core/sounding.h"

#include <gtest/gtest.h>

#include "commands_fixture.h"
#include "editor/data_entry.h"
#include "form/settings_values.h"
#include "form/sev_form.h"

namespace ohmira::test {
namespace {

class SoundingTest : public CommandsTest {
protected:
    void SetUp() override {
        CommandsTest::SetUp();
        reset_SEV();
        SEV.BuildGrid.Rows(51);
        SEV.BuildGrid.Cols(7);
        for (int r = 1; r <= 50; ++r)
            for (int c = 1; c <= 6; ++c)
                SEV.BuildGrid.TextMatrix(r, c, "7");
        // A loaded sounding with five stored models.
        File_Path = "/data/site.QD3";
        File_Name = "site.QD3";
        Chemin = "/data/";
        Comment = Graph_Title = X_Coord = Y_Coord = Z_Coord = Azimuth = "x";
        Data_Source = "PASI";
        Nb_Points = 12;
        for (int i = 1; i <= 12; ++i)
            for (int c = 1; c <= 7; ++c)
                Field_Data(i, c) = 3.0;
        Model_Layers(1, 1) = 100.0;
        Model_Layers(2, 1) = 5.0;
        Nb_Layers = 3;
        Fixed_Param(1) = 3;
        Array_Factor = 2;
        Shift_Compensation = 1;
        Max_AB2 = 300;
        for (int s = 1; s <= 5; ++s) {
            Superposed_Models(s, 1, 1) = 10.0 * s;
            Superposed_Layers(s) = 2;
        }
        Nb_Superposed = 5;
        Superposed_Index = 4;
        Superpose = 1;
        Curve_Done = 1;
        Fresh_Load = 0;
        // The page of a new sounding shows the spacing table: here an empty one.
        Spacing_File = write_bytes("empty.TXT", "");
    }

    void expect_new_sounding() {
        EXPECT_EQ(File_Name, "NEW"); // the data-entry page names a sounding typed in
        EXPECT_EQ(First_Key, 1);
        EXPECT_EQ(Curve_Done, 0);
        EXPECT_EQ(Fresh_Load, vbTrue);
        EXPECT_EQ(Superpose, -1);
        EXPECT_LE(Nb_Layers, 1) << "no model: at most the empty first layer";
        for (const auto *text :
             {&Comment, &Graph_Title, &X_Coord, &Y_Coord, &Z_Coord, &Azimuth, &Data_Source})
            EXPECT_EQ(*text, "");
        for (int i = 0; i <= 51; ++i)
            for (int c = 0; c <= 7; ++c)
                ASSERT_TRUE(Field_Data(i, c).is_empty());
        EXPECT_EQ(Field_Data(3, 2).num(), 0);
        EXPECT_EQ(Field_Data(3, 2).text(), "");
        EXPECT_EQ(Model_Layers(1, 1).num(), 0);
        EXPECT_EQ(Model_Layers(2, 1).num(), 0);
        EXPECT_TRUE(Superposed_Models(5, 1, 1).is_empty());
        EXPECT_EQ(Superposed_Layers(5), 0);
        for (int r = 1; r <= 50; ++r) {
            for (int c = 1; c <= 6; ++c)
                ASSERT_EQ(SEV.BuildGrid.TextMatrix(r, c), "") << r << "," << c;
        }
        // No point is counted and no file named: a save writes no point of the sounding
        // before, and asks for a name instead of naming the file shown before.
        EXPECT_EQ(Nb_Points, 0);
        EXPECT_EQ(File_Path, "");
        // Kept as they were: the store's counters, the folder dialogs start in, the half array
        // and the smoothing (shown by their boxes).
        EXPECT_EQ(Nb_Superposed, 5);
        EXPECT_EQ(Superposed_Index, 4);
        EXPECT_EQ(Chemin, "/data/");
        EXPECT_EQ(Array_Factor, 2);
        EXPECT_EQ(Shift_Compensation, 1);
        EXPECT_EQ(Max_AB2, 300);
    }
};

TEST_F(SoundingTest, NewSevEmptiesTheSoundingNamesNoFileAndKeepsTheCounters) {
    New_SEV();
    expect_new_sounding();
    EXPECT_EQ(SEV.SSTab1.Tab(), 0);
    EXPECT_EQ(Fixed_Param(1), 3) << "the model editor's set-up frees the parameters";
}

TEST_F(SoundingTest, FileNewEndsOnThePrintTab) {
    int clicks = 0;
    SEV.SSTab1.Click = [&] { ++clicks; };
    NewFile_Click();
    expect_new_sounding();
    EXPECT_EQ(SEV.SSTab1.Tab(), 1);
    EXPECT_EQ(clicks, 1);
}

TEST_F(SoundingTest, NewSevSkipsCellsTheGridLacks) {
    SEV.BuildGrid.Rows(5);
    New_SEV();
    EXPECT_EQ(SEV.BuildGrid.TextMatrix(4, 6), "");
    EXPECT_EQ(Fresh_Load, vbTrue);
}

TEST(BoundedTable, IndexOutsideTheBoundsIsASubscriptError) {
    for (int i : {-1, 52}) {
        try {
            (void)Field_Data(i, 1);
            FAIL() << i;
        } catch (const RuntimeError &e) {
            EXPECT_EQ(e.number, 9);
        }
    }
    EXPECT_THROW((void)Superposed_Models(1, 3, 1), RuntimeError);
    EXPECT_NO_THROW((void)Curve(100, 3));
}

} // namespace
} // namespace ohmira::test
