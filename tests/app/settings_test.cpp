#include "commands/open_save.h"
#include "core/language.h"
#include "core/sounding.h"
#include "editor/data_entry.h"
#include "form/settings.h"
#include "form/settings_values.h"
#include "platform/app_info.h"
#include "program_fixture.h"

#include <random>

namespace ohmira {

namespace {

using SettingsTest = ProgramTest;

// Every key of a file the program wrote with Garder_Config 1, with values unlike the defaults.
const std::string full_file = "[Ohmira]\r\n"
                              "Chemin=/data/ves/\r\n"
                              "Langue=F\r\n"
                              "SEV File=/opt/ohmira/DATAWEN.TXT\r\n"
                              "Niveau=2\r\n"
                              "AB2min= 0\r\n"
                              "AB2max= 3\r\n"
                              "RHOmin=-1\r\n"
                              "RHOmax= 5\r\n"
                              "Mod\xE8le=-1\r\n"
                              "RMS= 1\r\n"
                              "\r\n"
                              "[Marge]\r\n"
                              "Left_Margin=1000\r\n"
                              "Upper_Margin=900\r\n"
                              "Right_Margin=800\r\n"
                              "Bottom_Margin=700\r\n"
                              "\r\n"
                              "[Draw_Parameter]\r\n"
                              "Graphical_Prog=/usr/bin/gimp\r\n"
                              "Large_plot=\r\n"
                              "Haut_plot=\r\n"
                              "couleur_de_la_courbe=1\r\n"
                              "couleur_du_mod\xE8le=2\r\n"
                              "couleur_des_points=3\r\n"
                              "couleur_des_erreurs=4\r\n"
                              "\r\n"
                              "[File]\r\n"
                              "Color1=11\r\n"
                              "Color2=12\r\n"
                              "Color3=13\r\n"
                              "Color4=14\r\n"
                              "Color5=15\r\n"
                              "Color7=17\r\n"
                              "File 1=/data/ves/a.QD3\r\n"
                              "File 2=/data/ves/b.QD3\r\n"
                              "File 3=\r\n"
                              "File 4=\r\n"
                              "File 5=\r\n";

} // namespace

TEST_F(SettingsTest, MissingFileGivesTheDefaults) {
    Read_Ini_Settings();
    EXPECT_EQ(Chemin, std::string(std::getenv("HOME")) + "/");
    EXPECT_EQ(Langue, "E");
    EXPECT_TRUE(Lang_English);
    EXPECT_FALSE(Lang_French || Lang_Spanish || Lang_German);
    EXPECT_EQ(Spacing_File, app_path() + "DATAVES.TXT");
    EXPECT_EQ(Niveau, "0");
    EXPECT_TRUE(SEV.Option1.Value());
    EXPECT_EQ(AB2min, -1);
    EXPECT_EQ(AB2min_Value, 0); // 0.1 m held as 0
    EXPECT_EQ(AB2max_Value, 10000);
    EXPECT_EQ(RHOmin_Value, 1);
    EXPECT_EQ(RHOmax_Value, 10000);
    EXPECT_EQ(Draw_Model, 1);
    EXPECT_EQ(Draw_RMS, 0);
    EXPECT_EQ(Grid_Color.num(), 16512);
    EXPECT_EQ(Curve_Color.num(), 255);
    EXPECT_EQ(Points_Color.num(), 255);
    EXPECT_EQ(Model_Color.num(), 16711935);
    EXPECT_EQ(Error_Color.num(), 255);
    EXPECT_EQ(Superposed_Color.num(), 32768);
    EXPECT_EQ(Bottom_Margin, 1250);
    EXPECT_EQ(SEV.VSPrint.MarginBottom(), 1245);
    EXPECT_EQ(Graphical_Prog, " ");
    EXPECT_EQ(Recent_Files(1), "");
    EXPECT_FALSE(file_exists(ini_path())); // reading never creates the file
}

TEST_F(SettingsTest, EveryKeyFeedsItsVariable) {
    write_ini(full_file);
    Read_Ini_Settings();
    EXPECT_EQ(Chemin, "/data/ves/");
    EXPECT_TRUE(Lang_French);
    EXPECT_FALSE(Lang_English);
    EXPECT_EQ(Niveau, "2");
    EXPECT_TRUE(SEV.Option3.Value());
    // The array read applies with its own table, beside the program.
    EXPECT_EQ(Spacing_File, app_path() + "DATAWEN.TXT");
    EXPECT_EQ(AB2min, 0);
    EXPECT_EQ(AB2max_Value, 1000);
    EXPECT_EQ(RHOmin_Value, 0);
    EXPECT_EQ(RHOmax, 5);
    EXPECT_EQ(RHOmax_Value, 100000);
    EXPECT_EQ(Draw_Model, -1);
    EXPECT_EQ(Draw_RMS, 1);
    EXPECT_EQ((std::vector<int>{Saved_Settings(1), Saved_Settings(2), Saved_Settings(3),
                                Saved_Settings(4), Saved_Settings(5), Saved_Settings(6)}),
              (std::vector<int>{0, 3, -1, 5, -1, 1}));
    EXPECT_EQ(Saved_Niveau, "2");
    EXPECT_EQ(Left_Margin, 1000);
    EXPECT_EQ(SEV.VSPrint.MarginTop(), 900);
    EXPECT_EQ(Grid_Color.num(), 11);
    // The couleur keys win over Color2..Color5.
    EXPECT_EQ(Curve_Color.num(), 1);
    EXPECT_EQ(Model_Color.num(), 2);
    EXPECT_EQ(Points_Color.num(), 3);
    EXPECT_EQ(Error_Color.num(), 4);
    EXPECT_EQ(Superposed_Color.num(), 17);
    EXPECT_EQ(Recent_Files(2), "/data/ves/b.QD3");
    EXPECT_EQ(Graphical_Prog, "/usr/bin/gimp");
}

TEST_F(SettingsTest, WrittenFileReadsBackToTheSameState) {
    write_ini(full_file);
    Read_Ini_Settings();
    Garder_Config = 1;
    std::filesystem::remove(ini_path());
    Write_Ini_Settings();
    const std::string written = ini_bytes();
    EXPECT_EQ(written.substr(0, 9), "[Ohmira]\r");
    EXPECT_NE(written.find("Mod\xE8le=-1\r\n"), std::string::npos); // Windows-1252 on disk
    EXPECT_NE(written.find("AB2min= 0\r\nAB2max= 3\r\nRHOmin=-1\r\n"), std::string::npos);
    EXPECT_NE(written.find("Large_plot=\r\nHaut_plot=\r\n"), std::string::npos);

    reset_all_state();
    reset_SEV();
    Read_Ini_Settings();
    EXPECT_EQ(Chemin, "/data/ves/");
    EXPECT_EQ(Langue, "F");
    EXPECT_EQ(Niveau, "2");
    EXPECT_EQ(RHOmax_Value, 100000);
    EXPECT_EQ(Draw_Model, -1);
    EXPECT_EQ(Curve_Color.num(), 1);
    EXPECT_EQ(Grid_Color.num(), 11);
    EXPECT_EQ(SEV.VSPrint.MarginLeft(), 1000);
    EXPECT_EQ(Recent_Files(1), "/data/ves/a.QD3");
    EXPECT_EQ(Graphical_Prog, "/usr/bin/gimp");
    // A second write of the same state changes no byte.
    Garder_Config = 1;
    Write_Ini_Settings();
    EXPECT_EQ(ini_bytes(), written);
}

TEST_F(SettingsTest, WithoutKeepFlagTheOhmiraSectionIsLeftAndMemoryKept) {
    write_ini("[Ohmira]\r\nLangue=S\r\nAB2max= 3\r\n");
    Read_Ini_Settings();
    AB2max = 6; // chosen on the Setup tab, OK not pressed with the keep box
    Niveau = "1";
    Recent_Files(1) = "/x/new.QD3";
    Write_Ini_Settings();
    EXPECT_EQ(AB2max, 6);
    EXPECT_EQ(Niveau, "1");
    const std::string bytes = ini_bytes();
    EXPECT_EQ(bytes.substr(0, 33), "[Ohmira]\r\nLangue=S\r\nAB2max= 3\r\n\r\n");
    EXPECT_NE(bytes.find("File 1=/x/new.QD3"), std::string::npos);
    EXPECT_EQ(bytes.find("Color1"), std::string::npos);

    // A file created at such an exit has no [Ohmira] section.
    std::filesystem::remove(ini_path());
    reset_all_state();
    reset_SEV();
    Recent_Files.clear();
    Write_Ini_Settings();
    EXPECT_EQ(ini_bytes(), "[File]\r\nFile 1=\r\nFile 2=\r\nFile 3=\r\nFile 4=\r\nFile 5=\r\n\r\n"
                           "[Marge]\r\nLeft_Margin=1134\r\nUpper_Margin=1134\r\n"
                           "Right_Margin=1134\r\nBottom_Margin=1245\r\n\r\n"
                           "[Draw_Parameter]\r\nGraphical_Prog= \r\nLarge_plot=\r\nHaut_plot=\r\n"
                           "couleur_de_la_courbe=255\r\ncouleur_du_mod\xE8le=16711935\r\n"
                           "couleur_des_points=255\r\ncouleur_des_erreurs=255\r\n\r\n"
                           "[Profile]\r\nVscale=1000\r\nHscale=250\r\nSEVlarge=2\r\n"
                           "MinRes=10\r\nMaxRes=2000\r\n");
}

TEST_F(SettingsTest, ProfilePageAndColourScale) {
    write_ini("[VISUAL_SU]\r\nAmplitude1=197121\r\nAmplitude8=255\r\n[File]\r\nColor6=4\r\n"
              "[Profile]\r\nVscale=1000.0\r\nHscale=abc\r\nMinRes= .5\r\n");
    Read_Ini_Settings();
    EXPECT_EQ(SEV.Text101.BackColor(), 197121);
    EXPECT_EQ(SEV.Text102.BackColor(), 71646);
    EXPECT_EQ(SEV.Text116.BackColor(), 16662544);
    EXPECT_EQ(SEV.Text15.BackColor(), 4);
    EXPECT_EQ(SEV.Text117.BackColor(), 197121);
    EXPECT_EQ(SEV.Text120.Text() + "," + SEV.Text121.Text() + "," + SEV.Text122.Text(), "1,2,3");
    EXPECT_EQ(SEV.Text123.Text() + "," + SEV.Text124.Text() + "," + SEV.Text125.Text(), "255,0,0");
    EXPECT_EQ(SEV.Text119.BackColor(), 16662544);
    EXPECT_EQ(SEV.Text128.Text(), "254");
    EXPECT_EQ(SEV.Text13.Text(), "1000");
    EXPECT_EQ(SEV.Text14.Text(), "0");
    EXPECT_EQ(SEV.Text8.Text(), "2");
    EXPECT_EQ(SEV.Text11.Text(), ".5");
    EXPECT_EQ(SEV.Text12.Text(), "2000");
    SEV.Text13.Text("5000 typed");
    Write_Ini_Settings();
    EXPECT_EQ(read_profile_string("Profile", "Vscale", "", 0, ini_path()), "5000 typed");
    EXPECT_EQ(read_profile_string("VISUAL_SU", "Amplitude1", "", 0, ini_path()), "197121");
}

TEST_F(SettingsTest, AValueItsVariableCannotHoldTakesTheDefaultAndReadingGoesOn) {
    struct Case {
        const char *line;
        int ab2min, ab2max, rhomax, draw_model;
        std::int32_t ab2max_value, rhomax_value;
        double grid_colour;
    } cases[] = {
        {"AB2max=5", -1, 5, 4, 1, 100000, 10000, 16512}, // held in 32 bits
        {"AB2max=10", -1, 4, 4, 1, 10000, 10000, 16512}, // 10^10: default
        {"AB2min=40000", -1, 4, 4, 1, 10000, 10000, 16512},
        {"RHOmax=1E300", -1, 4, 4, 1, 10000, 10000, 16512},
        {"RHOmax=1E999", -1, 4, 4, 1, 10000, 10000, 16512}, // beyond every number
        {"Mod\xE8le=99999", -1, 4, 4, 1, 10000, 10000, 16512},
        {"RHOmax=-7", -1, 4, -7, 1, 10000, 0, 16512},
        {"AB2max=junk", -1, 0, 4, 1, 1, 10000, 16512}, // text reads as 0
    };
    for (const Case &c : cases) {
        reset_all_state();
        write_ini(std::string("[Ohmira]\r\n") + c.line +
                  "\r\nRMS=1\r\n[File]\r\nColor1=1E12\r\nFile 1=/a.QD3\r\n");
        Read_Ini_Settings();
        EXPECT_EQ(AB2min, c.ab2min) << c.line;
        EXPECT_EQ(AB2max, c.ab2max) << c.line;
        EXPECT_EQ(AB2max_Value, c.ab2max_value) << c.line;
        EXPECT_EQ(RHOmax, c.rhomax) << c.line;
        EXPECT_EQ(RHOmax_Value, c.rhomax_value) << c.line;
        EXPECT_EQ(Draw_Model, c.draw_model) << c.line;
        EXPECT_EQ(Grid_Color.num(), c.grid_colour) << c.line; // 1E12 is no colour
        EXPECT_EQ(Draw_RMS, 1) << c.line;                     // the keys after it are read
        EXPECT_EQ(Recent_Files(1), "/a.QD3") << c.line;
    }
}

TEST_F(SettingsTest, PathsAreNeverCutOtherValuesAtTheirRoom) {
    const std::string long_path = "/home/user/" + std::string(300, 'd') + "/";
    write_ini("[Ohmira]\r\nChemin=" + long_path + "\r\nSEV File=" + long_path +
              "DATAVES.TXT\r\nLangue=" + std::string(60, 'F') + "\r\n[File]\r\nFile 1=" +
              long_path + "a.QD3\r\n[Draw_Parameter]\r\nGraphical_Prog=" + long_path + "gimp\r\n");
    Read_Ini_Settings();
    EXPECT_EQ(Chemin, long_path);
    EXPECT_EQ(Recent_Files(1), long_path + "a.QD3");
    EXPECT_EQ(Graphical_Prog, long_path + "gimp");
    EXPECT_EQ(Langue, std::string(49, 'F'));
    EXPECT_FALSE(Lang_French); // no flag for a letter other than E, S, F, A
    EXPECT_FALSE(Lang_English);
}

TEST_F(SettingsTest, LanguageLetterFromTheFlagsWhenKept) {
    struct Case {
        bool french, spanish, english, german;
        const char *letter;
    } cases[] = {
        {false, false, false, false, "E"},
        {true, false, true, false, "F"},
        {true, true, false, false, "S"},
        {false, false, true, true, "A"},
    };
    for (const Case &c : cases) {
        Lang_French = c.french;
        Lang_Spanish = c.spanish;
        Lang_English = c.english;
        Lang_German = c.german;
        Garder_Config = 1;
        Write_Ini_Settings();
        EXPECT_EQ(read_profile_string("Ohmira", "Langue", "", 0, ini_path()), c.letter);
    }
}

// The settings file is a file the user may edit by hand: no byte pattern may crash the reader,
// hang it or make it write anything.
TEST_F(SettingsTest, DamagedFilesAreReadSafely) {
    std::mt19937 random(12);
    for (int round = 0; round < 200; ++round) {
        std::string bytes = full_file;
        switch (round % 4) {
        case 0: // bytes flipped
            for (int k = 0; k < 8; ++k)
                bytes[random() % bytes.size()] = static_cast<char>(random() % 256);
            break;
        case 1: // cut anywhere
            bytes.resize(random() % bytes.size());
            break;
        case 2: // huge numbers
            bytes.insert(random() % bytes.size(), "99999999999999999999999E99");
            break;
        case 3: // a very long line
            bytes.insert(random() % bytes.size(), std::string(100000, '9'));
            break;
        }
        write_ini(bytes);
        reset_all_state();
        Read_Ini_Settings();
        EXPECT_EQ(ini_bytes(), bytes);
        for (auto [exponent, value] : {std::pair<double, double>{AB2min, AB2min_Value},
                                       {AB2max, AB2max_Value},
                                       {RHOmin, RHOmin_Value},
                                       {static_cast<double>(RHOmax), RHOmax_Value}})
            EXPECT_EQ(value, std::nearbyint(std::pow(10.0, exponent)));
    }
}

} // namespace ohmira
