#include "app/language_options.h"

#include "app/setup_tab.h"
#include "commands/superposition.h"
#include "core/sounding.h"
#include "form/settings_values.h"
#include "setup_fixture.h"

namespace ohmira::test {
namespace {

class LanguageOptionsTest : public SetupTest {
protected:
    void SetUp() override {
        SetupTest::SetUp();
        SEV.BuildGrid.Cols(7);
        SEV.BuildGrid.Rows(3);
        Combo6_items();
        Load_parameter();
    }
    static void Combo6_items() {
        for (const char *item : {"Français", "Deutsch", "Español", "English"})
            SEV.Combo6.AddItem(item);
    }
    static void select(ComboBox &c, const std::string &text) {
        for (int i = 0; i < c.ListCount(); ++i)
            if (c.List(i) == text)
                c.ListIndex(i);
    }
    // Boxes of this page, not those of the compute command that OK ends with.
    std::vector<MessageBoxRequest> window_boxes() const {
        std::vector<MessageBoxRequest> out;
        for (const MessageBoxRequest &b : answers_.boxes)
            if (b.text.find("plot window") != std::string::npos)
                out.push_back(b);
        return out;
    }
    AnsweringHost answers_;
    DialogHostGuard answers_guard_{answers_};

    static void store_model(int slot, double rho) {
        Superposed_Models(slot, 1, 1) = rho;
        Superposed_Models(slot, 1, 2) = rho * 2;
        Superposed_Models(slot, 2, 1) = 5.0;
        Superposed_Layers(slot) = 2;
    }
};

TEST_F(LanguageOptionsTest, LanguageListSetsLetterAndFlagsOnly) {
    struct Case {
        const char *item, *letter;
        bool fr, es, en, de;
    };
    const Case cases[] = {
        {"Français", "F", true, false, false, false},
        {"Español", "S", false, true, false, false},
        {"English", "E", false, false, true, false},
        {"Deutsch", "A", false, false, false, true},
    };
    SEV.Combo6.Click = Combo6_Click;
    for (const Case &c : cases) {
        Langue = "?";
        select(SEV.Combo6, c.item);
        EXPECT_EQ(Langue, c.letter) << c.item;
        EXPECT_EQ(Lang_French, c.fr);
        EXPECT_EQ(Lang_Spanish, c.es);
        EXPECT_EQ(Lang_English, c.en);
        EXPECT_EQ(Lang_German, c.de);
    }
    EXPECT_EQ(SEV.Label5.Caption(), "Decimals thickness") << "captions wait for OK";

    SEV.Combo6.Text("Klingon");
    Combo6_Click();
    EXPECT_EQ(Langue, "A");
    EXPECT_FALSE(Lang_French || Lang_Spanish || Lang_English || Lang_German);
}

TEST_F(LanguageOptionsTest, UnreachableLanguageProceduresSetOneFlag) {
    Langue = "F";
    const std::pair<void (*)(), bool *> cases[] = {{Set_Language_German, &Lang_German},
                                                   {Set_Language_Spanish, &Lang_Spanish},
                                                   {Set_Language_English, &Lang_English},
                                                   {Set_Language_French, &Lang_French}};
    for (const auto &[procedure, flag] : cases) {
        procedure();
        EXPECT_TRUE(*flag);
        EXPECT_EQ(int(Lang_German) + Lang_Spanish + Lang_English + Lang_French, 1);
        EXPECT_EQ(Langue, "F");
    }
}

TEST_F(LanguageOptionsTest, RangeTextGivesValueAndExponent) {
    struct Case {
        const char *text;
        std::int32_t value, exponent;
    };
    const Case cases[] = {
        {"       0.1", 0, -1}, {"  10000", 10000, 4}, {"1000000", 1000000, 6},
        {"      0.01", 0, -2}, {"0", 0, 9},           {"", 0, 9}, // no logarithm: exponent kept
        {"2.5", 2, 0},         {"-10", -10, 9},       {"99999999999", 77, 11}, // too big
    };
    for (const Case &c : cases) {
        std::int32_t value = 77, exponent = 9;
        Read_Range_Text(c.text, value, exponent);
        EXPECT_EQ(value, c.value) << c.text;
        EXPECT_EQ(exponent, c.exponent) << c.text;
    }
}

TEST_F(LanguageOptionsTest, OkAppliesArrayHeadersAndCode) {
    struct Case {
        OptionButton *option;
        const char *h1, *h2, *text4, *niveau;
    };
    const Case cases[] = {{&SEV.Option1, "MN/2", "AB/2", "Schlumberger", "0"},
                          {&SEV.Option2, "BN", "AM", "Dipole", "1"},
                          {&SEV.Option3, "-", "a", "Wenner", "2"}};
    for (const Case &c : cases) {
        c.option->Value(true);
        Command11_Click();
        EXPECT_EQ(SEV.BuildGrid.TextMatrix(0, 1), c.h1);
        EXPECT_EQ(SEV.BuildGrid.TextMatrix(0, 2), c.h2);
        EXPECT_EQ(SEV.Text4.Text(), c.text4);
        EXPECT_EQ(Niveau, c.niveau);
        EXPECT_EQ(SEV.BuildGrid.Row(), 1);
        EXPECT_EQ(SEV.BuildGrid.Col(), 1);
    }
}

TEST_F(LanguageOptionsTest, OkReadsTheListsAndBoxes) {
    select(SEV.Combo1, "          1");
    select(SEV.Combo2, "    1000");
    select(SEV.Combo3, "      0.01");
    select(SEV.Combo4, "1000000");
    SEV.Combo5.ListIndex(2);
    SEV.RMSB.Value(vbChecked);
    SEV.représent_modèle.Value(vbUnchecked);
    SEV.garder_config.Value(vbChecked);
    Garder_Config = 0;
    Command11_Click();
    EXPECT_EQ(AB2min, 0);
    EXPECT_EQ(AB2min_Value, 1);
    EXPECT_EQ(AB2max, 3);
    EXPECT_EQ(AB2max_Value, 1000);
    EXPECT_EQ(RHOmin, -2);
    EXPECT_EQ(RHOmin_Value, 0);
    EXPECT_EQ(RHOmax, 6);
    EXPECT_EQ(RHOmax_Value, 1000000);
    EXPECT_EQ(Decimals_Mode, 2);
    EXPECT_EQ(Draw_RMS, 1);
    EXPECT_EQ(Draw_Model, -1);
    EXPECT_EQ(Garder_Config, 1);
    EXPECT_EQ(Draw_Mode, "");
    EXPECT_EQ(Color_Mode, vbTrue);
    EXPECT_TRUE(window_boxes().empty());
}

TEST_F(LanguageOptionsTest, OkRefusesAnEmptyPlotWindowAndKeepsTheOldOne) {
    select(SEV.Combo1, "        10");
    select(SEV.Combo2, "        10");
    select(SEV.Combo4, "1000000");
    SEV.Option3.Value(true);
    Command11_Click();
    ASSERT_EQ(window_boxes().size(), 1u);
    EXPECT_EQ(window_boxes()[0].text,
              "The plot window is empty: the minimum must be below the maximum.");
    EXPECT_EQ(window_boxes()[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(AB2min, -1);
    EXPECT_EQ(AB2max, 4);
    EXPECT_EQ(RHOmax, 4);
    EXPECT_EQ(RHOmax_Value, 10000);
    EXPECT_EQ(SEV.Combo1.Text(), "       0.1") << "the lists show the window in force";
    EXPECT_EQ(SEV.Combo4.Text(), "  10000");
    EXPECT_EQ(Niveau, "2") << "the rest of OK still runs";
}

TEST_F(LanguageOptionsTest, UnselectedListGivesZeroAndKeepsTheExponent) {
    SEV.Combo3.ListIndex(-1);
    SEV.Combo3.Text("");
    Command11_Click();
    EXPECT_EQ(RHOmin_Value, 0);
    EXPECT_EQ(RHOmin, 0);
}

TEST_F(LanguageOptionsTest, FreshLoadSwitchesSuperpositionOff) {
    for (const std::int16_t fresh : {vbTrue, std::int16_t{0}}) {
        Superpose = 1;
        Fresh_Load = fresh;
        Command11_Click();
        EXPECT_EQ(Superpose, fresh == vbTrue ? -1 : 1);
    }
}

TEST_F(LanguageOptionsTest, CurrentModelTakesTheNextEmptyStoreSlot) {
    Model_Layers(1, 1) = 30.0;
    Model_Layers(1, 2) = 300.0;
    Model_Layers(2, 1) = 4.0;
    Nb_Layers = 2;
    Nb_Superposed = 2;
    store_model(1, 10);
    store_model(2, 20);
    Redraw_Applied_Options();
    EXPECT_EQ(Superposed_Models(3, 1, 1).num(), 30.0);
    EXPECT_EQ(Superposed_Models(3, 2, 1).num(), 4.0);
    EXPECT_EQ(Superposed_Layers(3), 2);
    EXPECT_EQ(Nb_Superposed, 2);

    store_model(3, 50); // occupied: left alone
    Redraw_Applied_Options();
    EXPECT_EQ(Superposed_Models(3, 1, 1).num(), 50.0);
}

TEST_F(LanguageOptionsTest, FullStoreIsNeverIndexedBeyondItsEnd) {
    for (int s = 1; s <= Store_Slots; ++s)
        store_model(s, 10.0 * s);
    Nb_Superposed = 20;
    Superposed_Shown = 1;
    Superposed_Index = 20;
    Superpose = 1;
    Curve(0, 1) = 100.0;
    Model_Layers(1, 1) = 7.0;
    Nb_Layers = 2;
    EXPECT_NO_THROW(Redraw_Applied_Options());
    // The redraw went through the stored slots up to the last one.
    EXPECT_EQ(Model_Layers(1, 1).num(), 200.0);
    EXPECT_NO_THROW(Command11_Click()); // and the whole of OK
    EXPECT_TRUE(Superposed_Models(21, 1, 1).is_empty());
    EXPECT_EQ(Superposed_Layers(21), 0);
}

TEST_F(LanguageOptionsTest, StoredSoundingsAreDrawnOnlyWithSuperpositionOn) {
    store_model(1, 10);
    store_model(2, 20);
    Nb_Superposed = 2;
    Superposed_Index = 0;
    Model_Layers(1, 1) = 99.0;
    Nb_Layers = 2;
    Superpose = -1;
    Redraw_Applied_Options();
    EXPECT_EQ(Model_Layers(1, 1).num(), 99.0) << "no curve yet, superposition off";
    Superpose = 1;
    Redraw_Applied_Options();
    EXPECT_EQ(Model_Layers(1, 1).num(), 20.0) << "last stored slot drawn";
}

} // namespace
} // namespace ohmira::test

namespace ohmira::test {
namespace {

TEST_F(LanguageOptionsTest, OkCaptionsTheDataPageInTheChosenLanguage) {
    struct Case {
        char lang;
        const char *frame14, *computation, *label25;
    };
    const Case cases[] = {
        {'F', "Edition données", "&Calcule / ajuste", "Résist. eau :"},
        {'S', "Edicion datos", "&Computar / ajustar", "Resist. agua. :"},
        {'E', "Editing data", "&Compute / fit", "Water resist. :"},
        {'A', "Editing data", "&Compute / fit", "Water resist. :"},
    };
    for (const Case &c : cases) {
        choose_language(c.lang);
        Command11_Click();
        EXPECT_EQ(SEV.Frame14.Caption(), c.frame14) << c.lang;
        EXPECT_EQ(SEV.Computation.Caption(), c.computation) << c.lang;
        EXPECT_EQ(SEV.Label25.Caption(), c.label25) << c.lang;
    }
}

} // namespace
} // namespace ohmira::test
