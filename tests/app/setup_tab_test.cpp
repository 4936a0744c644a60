#include "app/setup_tab.h"

#include "core/sounding.h"
#include "form/settings_values.h"
#include "setup_fixture.h"

namespace ohmira::test {
namespace {

class SetupTabTest : public SetupTest {};

TEST_F(SetupTabTest, ListsShowTheSettingsAndKeepTheirLeadingBlanks) {
    struct Case {
        std::int16_t ab2min, ab2max, rhomin;
        std::int32_t rhomax;
        const char *c1, *c2, *c3, *c4;
    };
    const Case cases[] = {
        {-1, 4, 0, 4, "       0.1", "  10000", "          1", "  10000"},
        {1, 1, -2, 6, "        10", "        10", "      0.01", "1000000"},
        {-2, 5, 3, 7, "", "", "", ""}, // outside every list: nothing selected
    };
    for (const Case &c : cases) {
        reset_SEV();
        AB2min = c.ab2min;
        AB2max = c.ab2max;
        RHOmin = c.rhomin;
        RHOmax = c.rhomax;
        Decimals_Mode = 2;
        Load_parameter();
        EXPECT_EQ(SEV.Combo1.Text(), c.c1);
        EXPECT_EQ(SEV.Combo2.Text(), c.c2);
        EXPECT_EQ(SEV.Combo3.Text(), c.c3);
        EXPECT_EQ(SEV.Combo4.Text(), c.c4);
        // The rest of the procedure still runs.
        EXPECT_EQ(SEV.Combo5.ListCount(), 3);
        EXPECT_EQ(SEV.Combo5.Text(), "     Auto");
        EXPECT_EQ(Decimals_Mode, 0);
        EXPECT_EQ(Array_Factor, 1);
    }
    EXPECT_EQ(SEV.Combo4.ListCount(), 6);
    EXPECT_EQ(SEV.Combo4.ListIndex(), -1);
}

TEST_F(SetupTabTest, CheckBoxesFollowTheDrawingSwitches) {
    Draw_RMS = 1;
    Draw_Model = -1;
    SEV.garder_config.Value(vbChecked);
    Load_parameter();
    EXPECT_EQ(SEV.RMSB.Value(), vbChecked);
    EXPECT_EQ(SEV.représent_modèle.Value(), vbUnchecked);
    EXPECT_EQ(SEV.garder_config.Value(), vbChecked) << "left at its state";
}

TEST_F(SetupTabTest, ArrayCodeSelectsItsOptionOnce) {
    struct Case {
        const char *niveau;
        int option; // 0 none
    };
    for (const Case c : {Case{"0", 1}, Case{"1", 2}, Case{"2", 3}, Case{"", 0}, Case{"7", 0}}) {
        reset_SEV();
        int clicks[4] = {0, 0, 0, 0};
        SEV.Option1.Click = [&] { ++clicks[1]; };
        SEV.Option2.Click = [&] { ++clicks[2]; };
        SEV.Option3.Click = [&] { ++clicks[3]; };
        Niveau = c.niveau;
        Load_parameter();
        for (int k = 1; k <= 3; ++k)
            EXPECT_EQ(clicks[k], k == c.option ? 1 : 0) << c.niveau << " option " << k;
        EXPECT_EQ(SEV.Option2.Value(), c.option == 2);
    }
}

TEST_F(SetupTabTest, CaptionsFollowTheLanguageAndGermanGetsEnglish) {
    struct Case {
        char lang;
        const char *label5, *rmsb, *garder, *frame8;
    };
    const Case cases[] = {
        {'F', "Décimales épaisseurs", "Représentation graphique de l'erreur d'ajustement",
         "Garder la configuration en sortant", "Choix des couleurs de résisitivité"},
        {'S', "Decimalas espessores", "Representación gráfica de los errores de ajuste",
         "Salvar opciones", "Colores de resistividades"},
        {'E', "Decimals thickness", "Graphic representation of adjustment error", "Save options",
         "Resistivity colors"},
        {'A', "Decimals thickness", "Graphic representation of adjustment error", "Save options",
         "Resistivity colors"},
    };
    for (const Case &c : cases) {
        reset_SEV();
        choose_language(c.lang);
        Load_parameter();
        EXPECT_EQ(SEV.Label5.Caption(), c.label5);
        EXPECT_EQ(SEV.RMSB.Caption(), c.rmsb);
        EXPECT_EQ(SEV.garder_config.Caption(), c.garder);
        EXPECT_EQ(SEV.Frame8.Caption(), c.frame8);
        // Design captions stay in every language.
        EXPECT_EQ(SEV.Frame4.Caption(), "Bilog range");
        EXPECT_EQ(SEV.Command11.Caption(), "OK");
    }
}

} // namespace
} // namespace ohmira::test
