// Set-up of the model editor: captions in each language, the grid's layout, the slider and the
// overlay box, fixed marks cleared, a fresh automatic model computed and fitted.
#include "../editor/model_fixture.h"
#include "commands/auto_model_commands.h"
#include "commands/model_editor.h"
#include "core/auto_model.h"
#include "core/forward.h"
#include "plot/forward_commands.h"

namespace ohmira::test {
namespace {

class ModelEditorSetUp : public ModelEditorTest {
protected:
    void SetUp() override {
        ModelEditorTest::SetUp();
        Setup_Auto_Threshold_Slider();
        Superpose = -1;
    }
};

TEST_F(ModelEditorSetUp, CaptionsFollowTheLanguage) {
    struct Case {
        char language;
        std::vector<std::string> headers;
        std::vector<std::string> captions; // Label29, 28, 30, Frame1, Ajuste, Label31, Calcul,
                                           // Record, delLine, InsLine
        const char *window;
    };
    const Case cases[] = {
        {'F',
         {"Résistivité", "Epaisseur", "Profond.", "Altitude"},
         {"Sensib. modèle", "B", "H", " Commentaires ", "&Ajuste", "Superpose courbe", "&Calcule",
          "&Enregistrer", "Supprimer ligne", "Insérer ligne"},
         "Traçage modèle"},
        {'S',
         {"Resistiv.", "Espesor", "Profund.", "Altitud"},
         {"Sensib. modelo.", "L", "H", " Comentarios ", "&Ajustar", "Superponer curva", "&Computar",
          "&Salvar", "Borrar linea", "Insertar linea"},
         "Trazado modelo"},
        {'E',
         {"Resistivity", "Thickness", "Depth", "Altitude"},
         {"Model sensit.", "L", "H", " Comments ", "&Fitting", "Overlay curve", "&Compute", "&Save",
          "Delete line", "Insert line"},
         "Drawing up model"},
    };
    for (const Case &c : cases) {
        for (const char language : {c.language, c.language == 'E' ? 'A' : c.language}) {
            set_language(language);
            Set_Model_Editor_Captions();
            std::vector<std::string> headers;
            for (int col = 0; col < 4; ++col)
                headers.push_back(SEV.Grid1.TextMatrix(0, col));
            EXPECT_EQ(headers, c.headers) << language;
            const std::vector<std::string> captions{
                SEV.Label29.Caption(),       SEV.Label28.Caption(),       SEV.Label30.Caption(),
                SEV.Frame1.Caption(),        SEV.Ajuste_Button.Caption(), SEV.Label31.Caption(),
                SEV.Calcul_Button.Caption(), SEV.Record_Button.Caption(), SEV.delLine.Caption(),
                SEV.InsLine.Caption()};
            EXPECT_EQ(captions, c.captions) << language;
            EXPECT_EQ(SEV.Caption(), c.window) << language;
        }
    }
    EXPECT_EQ(SEV.Frame17.Caption(), "Earth model");
    EXPECT_EQ(SEV.Frame15.Caption(), "Drawing up");
}

TEST_F(ModelEditorSetUp, LaysOutTheGridAndSelectsTheFirstLayer) {
    set_model({{100, 5}, {10, 0}});
    SEV.X_Texte1.Text("stale");
    Set_Model_Editor_Captions();
    EXPECT_EQ(SEV.Grid1.Cols(), 4);
    EXPECT_EQ(SEV.Grid1.Rows(), 21);
    EXPECT_EQ(SEV.Grid1.FixedCols(), 0);
    const int widths[] = {832, 800, 800, 850};
    for (int c = 0; c < 4; ++c) {
        EXPECT_EQ(SEV.Grid1.ColWidth(c), widths[c]);
        EXPECT_EQ(SEV.Grid1.FixedAlignment(c), 2);
        EXPECT_EQ(SEV.Grid1.ColAlignment(c), flexAlignRightCenter);
    }
    EXPECT_EQ(SEV.Grid1.RowHeight(0), 220);
    EXPECT_EQ(SEV.Grid1.RowHeight(20), 200);
    EXPECT_EQ(SEV.Grid1.Font(), (FontSpec{"Arial", 8, false, false}));
    EXPECT_EQ(SEV.Grid1.Row(), 1);
    EXPECT_EQ(SEV.Grid1.Col(), 0);
    EXPECT_TRUE(SEV.Calcul_Button.Default());
    EXPECT_EQ(SEV.Grid1.TextMatrix(2, 0), " 10  ");
    EXPECT_EQ(SEV.X_Texte1.Text(), "") << "filled again from the sounding";
}

TEST_F(ModelEditorSetUp, SliderAndOverlayBoxFollowTheSettings) {
    struct Case {
        double threshold;
        std::int16_t superpose;
        int slider;
        int check;
    };
    const Case cases[] = {
        {0.3, -1, 3, vbUnchecked}, {0.33, 1, 3, vbChecked},    {0.03, -1, 0, vbUnchecked},
        {5.0, 1, 10, vbChecked},   {-4.0, -1, 0, vbUnchecked},
    };
    for (const Case &c : cases) {
        Auto_Threshold = c.threshold;
        Superpose = c.superpose;
        set_model({{100, 5}, {10, 0}});
        Set_Model_Editor_Captions();
        EXPECT_EQ(SEV.Slider1.Value(), c.slider) << c.threshold;
        EXPECT_EQ(SEV.Check18.Value(), c.check) << c.threshold;
        // Set-up goes on past the slider, also for a threshold beyond its range.
        EXPECT_EQ(SEV.Grid1.TextMatrix(1, 0), " 100  ") << c.threshold;
    }
}

TEST_F(ModelEditorSetUp, RunningTwiceClearsFixedMarksAndShowsTheSlot) {
    set_model({{100, 5}, {10, 20}, {1000, 0}});
    Fixed_Param(2) = 3;
    Display_Model();
    ASSERT_EQ(SEV.Grid1.cell_back_color(2, 0), Fixed_Cell_Back);
    SEV.Text2.Text("S1, S2");
    Superposed_Index = 1;
    Fresh_Load = 0;
    Set_Model_Editor_Captions();
    EXPECT_EQ(Fixed_Param(2), 0);
    EXPECT_EQ(SEV.Grid1.cell_back_color(2, 0), Free_Cell_Back);
    EXPECT_EQ(SEV.Grid2.Text(), " 2");
    EXPECT_TRUE(SEV.lastone.Enabled());
    const auto first = row_texts(2);
    Set_Model_Editor_Captions();
    EXPECT_EQ(row_texts(2), first);
    EXPECT_EQ(SEV.Grid1.TextMatrix(0, 0), "Resistivity");
    EXPECT_TRUE(host.records().empty());
}

TEST_F(ModelEditorSetUp, AnAutomaticModelIsComputedAndFittedOnce) {
    set_field_of_three_layer_earth();
    Model_Layers.clear();
    Nb_Layers = 0;
    Create_Auto_Model();
    ASSERT_EQ(Draw_Mode, "AUTOMATIC");
    Set_Model_Editor_Captions();
    EXPECT_EQ(Draw_Mode, "");
    EXPECT_EQ(Misfit.num(), 0.0);
    EXPECT_GT(SEV.Bilog.picture().lines().size(), 20u) << "frame, curve and steps drawn";
    EXPECT_NE(SEV.Grid1.TextMatrix(1, 0), "");
    EXPECT_EQ(SEV.MousePointer(), vbArrow);

    // With any other mode nothing is computed.
    SEV.Bilog.Cls();
    Draw_Mode = "NORMAL";
    Set_Model_Editor_Captions();
    EXPECT_TRUE(SEV.Bilog.picture().empty());
    EXPECT_EQ(Draw_Mode, "NORMAL");
}

} // namespace
} // namespace ohmira::test
