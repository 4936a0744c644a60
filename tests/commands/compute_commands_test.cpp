// The compute and fit buttons, the hidden compute menu and the superposition store they keep:
// slot counts, the slot shown, the arrows, the list of names, the refusals and the drawings.
#include "../editor/model_fixture.h"
#include "commands/compute_commands.h"
#include "commands/editor_commands.h"
#include "commands/model_editor.h"
#include "commands/superposition.h"
#include "core/forward.h"
#include "plot/forward_commands.h"

namespace ohmira::test {
namespace {

class ComputeCommands : public ModelEditorTest {
protected:
    void SetUp() override {
        ModelEditorTest::SetUp();
        connect_editor_commands();
        Superpose = -1;
        set_field_of_three_layer_earth();
        Draw_Mode.clear();
        Curve.clear();
        File_Name = "S12.QD3";
        Fresh_Load = 0;
        Set_Model_Editor_Captions();
        host.records();
    }

    static std::size_t lines_in(int colour) {
        std::size_t n = 0;
        for (const LineOp &l : SEV.Bilog.picture().lines())
            n += l.pen.colour == static_cast<Colour>(colour) ? 1 : 0;
        return n;
    }
    static std::size_t curve_lines() { return lines_in(static_cast<int>(Curve_Color.num())); }
    static std::size_t superposed_lines() {
        return lines_in(static_cast<int>(Superposed_Color.num()));
    }
    static double slot_rho(int slot, int layer) { return Superposed_Models(slot, 1, layer).num(); }
    std::vector<std::string> box_texts() const {
        std::vector<std::string> texts;
        for (const DialogRecord &r : host.message_boxes())
            texts.push_back(r.text);
        return texts;
    }
};

TEST_F(ComputeCommands, ComputeReadsTheGridAndDrawsTheCurve) {
    SEV.Grid1.TextMatrix(2, 0, " 20  ");
    SEV.Text2.Text("older");
    SEV.Grid1.Row(3);
    SEV.Grid1.Col(1);
    Calcul_Button_Click();
    EXPECT_TRUE(host.records().empty());
    EXPECT_EQ(Model_Layers(1, 2).num(), 20.0);
    EXPECT_GT(curve_lines(), 10u);
    EXPECT_EQ(Draw_Mode, "");
    EXPECT_EQ(Superposed_Shown, 0);
    EXPECT_EQ(Nb_Superposed, 0);
    EXPECT_EQ(SEV.Text2.Text(), "S12");
    EXPECT_FALSE(SEV.lastone.Enabled());
    EXPECT_EQ(SEV.Grid2.Text(), "");
    EXPECT_EQ(SEV.Grid1.Row(), 3) << "the grid's cursor is kept";
    EXPECT_EQ(SEV.Grid1.Col(), 1);
    EXPECT_TRUE(SEV.Grid1.Redraw());
    EXPECT_EQ(SEV.Bilog.MousePointer(), vbCrosshair);
    EXPECT_EQ(SEV.Text3.Text(), "");

    Shift_Compensation = 1;
    Calcul_Button_Click();
    EXPECT_EQ(SEV.Text3.Text(), "Shifted");
    EXPECT_EQ(SEV.Frame15.Caption(), "Editing model");
}

TEST_F(ComputeCommands, RefusalsTellWhatIsMissing) {
    struct Case {
        const char *file;
        int stored;
        std::int16_t superpose;
        bool empty_h1;
        std::vector<std::string> boxes;
    };
    const Case cases[] = {
        {"S12.QD3", 0, -1, true, {"Value missing..."}},
        {"NEW", 0, -1, true, {}},
        {"S12.QD3", 19, 1, false, {"Maximum 20 soundings superposed"}},
        {"NEW", 19, 1, false, {}},
    };
    for (const Case &c : cases) {
        host = ScriptedDialogHost{};
        Set_Model_Editor_Captions();
        File_Name = c.file;
        Nb_Superposed = static_cast<std::int16_t>(c.stored);
        Superpose = c.superpose;
        if (c.empty_h1)
            SEV.Grid1.TextMatrix(1, 1, "");
        SEV.Bilog.Cls();
        for (std::size_t i = 0; i < c.boxes.size(); ++i)
            host.expect(answer_box(vbOK));
        Run_Calcul();
        EXPECT_EQ(box_texts(), c.boxes) << c.file << " " << c.stored;
        EXPECT_EQ(Nb_Superposed, c.stored);
        EXPECT_EQ(curve_lines(), 0u) << "nothing computed";
    }
    // The fit refuses the same way at 19 stored soundings.
    host = ScriptedDialogHost{answer_box(vbOK)};
    Ajuste_Button_Click();
    EXPECT_EQ(box_texts(), std::vector<std::string>{"Maximum 20 soundings superposed"});
}

TEST_F(ComputeCommands, FitRefusesWithoutTwoPointsOrAFirstThickness) {
    for (int variant = 0; variant < 2; ++variant) {
        host = ScriptedDialogHost{answer_box(vbOK)};
        Set_Model_Editor_Captions();
        if (variant == 0) {
            SEV.Grid1.TextMatrix(1, 1, "");
        } else {
            Field_Data(2, 1).clear();
        }
        const std::string before = SEV.Grid1.TextMatrix(2, 0);
        Ajuste_Button_Click();
        EXPECT_EQ(box_texts(), std::vector<std::string>{
                                   "There must be at least two field values and two layers"});
        EXPECT_EQ(host.message_boxes()[0].title, "Ohmira 6.5");
        EXPECT_EQ(SEV.Grid1.TextMatrix(2, 0), before);
    }
}

TEST_F(ComputeCommands, FitOfAnEmptyGridBuildsTheAutomaticModel) {
    for (int r = 1; r <= 20; ++r)
        for (int c = 0; c < 4; ++c)
            SEV.Grid1.TextMatrix(r, c, "");
    Model_Layers.clear();
    Nb_Layers = 0;
    SEV.SSTab1.Tab(2);
    Ajuste_Button_Click();
    EXPECT_TRUE(host.records().empty());
    EXPECT_GE(Nb_Layers, 2);
    EXPECT_NE(SEV.Grid1.TextMatrix(1, 0), "");
    EXPECT_NE(SEV.Grid1.TextMatrix(Nb_Layers, 0), "");
    EXPECT_EQ(SEV.Grid1.TextMatrix(Nb_Layers, 1), "");
    EXPECT_EQ(Draw_Mode, "");
    EXPECT_EQ(Misfit.num(), 0.0);
    EXPECT_EQ(SEV.SSTab1.Tab(), 0);
    EXPECT_GT(curve_lines(), 10u);
    EXPECT_EQ(SEV.Text2.Text(), "") << "no name without a model in the grid";
}

TEST_F(ComputeCommands, FitKeepsFixedParametersAndWritesTheModelBack) {
    SEV.Grid1.TextMatrix(1, 0, " 80  ");
    SEV.Grid1.TextMatrix(2, 0, " 15  ");
    SEV.Grid1.Row(2);
    SEV.Grid1.Col(1);
    Fixed_Param(2) = 2; // thickness of layer 2 held
    Ajuste_Button_Click();
    EXPECT_EQ(Model_Layers(2, 2).num(), 20.0);
    EXPECT_NEAR(Model_Layers(1, 1).num(), 100.0, 5.0);
    EXPECT_EQ(SEV.Grid1.TextMatrix(2, 1), " 20  ");
    EXPECT_EQ(SEV.Grid1.cell_back_color(2, 1), Fixed_Cell_Back);
    EXPECT_EQ(SEV.Text2.Text(), "S12");
}

TEST_F(ComputeCommands, SuperpositionStoresEachComputedModel) {
    SEV.Check18.Value(vbChecked);
    Check18_Click();
    EXPECT_EQ(Superpose, 1);
    SEV.Text2.Text("S11");
    Calcul_Button_Click();
    EXPECT_EQ(Nb_Superposed, 1);
    EXPECT_EQ(Superposed_Index, 1);
    EXPECT_EQ(SEV.Grid2.Text(), " 2");
    EXPECT_TRUE(SEV.lastone.Enabled());
    EXPECT_TRUE(SEV.nextone.Enabled());
    EXPECT_EQ(slot_rho(1, 2), 10.0);
    EXPECT_EQ(Superposed_Layers(1), 3);
    EXPECT_EQ(SEV.Text2.Text(), "S11, S12");

    // A file read reserved the slot: the command fills it without counting again.
    Model_Stored = 1;
    Model_Layers(1, 2) = 30.0;
    Calcul_Button_Click();
    EXPECT_EQ(Nb_Superposed, 1);
    EXPECT_EQ(slot_rho(1, 2), 30.0);
    EXPECT_EQ(Model_Stored, 0);
    Calcul_Button_Click();
    EXPECT_EQ(Nb_Superposed, 2);
    EXPECT_EQ(SEV.Text2.Text(), "S11, S12, S12, S12");

    // Superposition off: the next command empties the store.
    SEV.Check18.Value(vbUnchecked);
    EXPECT_EQ(Superpose, -1);
    EXPECT_EQ(Nb_Superposed, 2) << "the box alone changes nothing";
    Ajuste_Button_Click();
    EXPECT_EQ(Nb_Superposed, 0);
    EXPECT_EQ(slot_rho(1, 2), 0.0);
    EXPECT_FALSE(SEV.nextone.Enabled());
    EXPECT_EQ(SEV.Text2.Text(), "S12");
}

TEST_F(ComputeCommands, FreshlyLoadedSoundingDoesNotShowItsSlot) {
    Superpose = 1;
    Fresh_Load = vbTrue;
    Calcul_Button_Click();
    EXPECT_EQ(Nb_Superposed, 1);
    EXPECT_EQ(SEV.Grid2.Text(), "");
    EXPECT_FALSE(SEV.lastone.Enabled());
}

TEST_F(ComputeCommands, ArrowsStepThroughTheStore) {
    Superpose = 1;
    Calcul_Button_Click(); // slot 1: 100/5, 10/20, 1000
    SEV.Grid1.TextMatrix(2, 0, " 40  ");
    Ajuste_Button_Click(); // slot 2: the model in memory, then the fitted one stays current
    ASSERT_EQ(Nb_Superposed, 2);
    ASSERT_EQ(Superposed_Index, 2);
    const double fitted_rho2 = Model_Layers(1, 2).num();
    SEV.Grid1.Row(2);
    SEV.Grid1.Col(1);

    reset_beep_count();
    nextone_Click();
    EXPECT_EQ(beep_count(), 1);
    EXPECT_EQ(Superposed_Index, 2);

    SEV.Bilog.Cls();
    lastone_Click();
    EXPECT_EQ(beep_count(), 1);
    EXPECT_EQ(Superposed_Index, 1);
    EXPECT_EQ(SEV.Grid2.Text(), " 2");
    EXPECT_EQ(Superposed_Shown, 1);
    EXPECT_EQ(slot_rho(3, 2), fitted_rho2) << "the model in memory took the free slot";
    EXPECT_GT(superposed_lines(), 30u) << "three stored curves";
    EXPECT_GT(curve_lines(), 10u) << "the current one in its own colour";
    EXPECT_EQ(SEV.Grid1.Row(), 2);
    EXPECT_EQ(SEV.Grid1.Col(), 1);
    EXPECT_EQ(SEV.Grid1.TextMatrix(2, 0), Str(slot_rho(2, 2)) + "  ");
    EXPECT_EQ(Draw_Mode, "");

    // Later moves leave the filled slot as it is.
    Model_Layers(1, 2) = 999.0;
    nextone_Click();
    nextone_Click();
    EXPECT_EQ(Superposed_Index, 2);
    EXPECT_EQ(slot_rho(3, 2), fitted_rho2);
    EXPECT_EQ(SEV.Grid1.TextMatrix(2, 0), Str(fitted_rho2) + "  ");
    lastone_Click();
    lastone_Click();
    EXPECT_EQ(Superposed_Index, 0);
    lastone_Click();
    EXPECT_EQ(beep_count(), 3);

    // A compute right after the redraw draws the model in memory and stores nothing new.
    Calcul_Button_Click();
    EXPECT_EQ(Nb_Superposed, 3);
    EXPECT_EQ(Superposed_Shown, 0);
}

TEST_F(ComputeCommands, ArrowsRefuseRightAfterALoadOrWithAnEmptyStore) {
    reset_beep_count();
    lastone_Click();
    nextone_Click();
    EXPECT_EQ(beep_count(), 2);
    Nb_Superposed = 2;
    Superposed_Index = 1;
    Fresh_Load = vbTrue;
    lastone_Click();
    nextone_Click();
    EXPECT_EQ(beep_count(), 4);
    EXPECT_EQ(Superposed_Index, 1);
}

TEST_F(ComputeCommands, AFullStoreNeverGoesBeyondItsTwentySlots) {
    Superpose = 1;
    for (int s = 1; s <= 20; ++s) {
        Model_Layers(1, 1) = 100.0 + s;
        store_model_in_slot(s);
    }
    Model_Layers(1, 1) = 100.0;
    Nb_Superposed = 20;
    Superposed_Index = 20;
    Redraw_Superposed(); // no slot 21: the last slot drawn stays in memory
    EXPECT_EQ(Model_Layers(1, 1).num(), 120.0);
    EXPECT_TRUE(Superposed_Models(21, 1, 1).is_empty());
    EXPECT_EQ(Superposed_Shown, 1);
    lastone_Click();
    EXPECT_EQ(Superposed_Index, 19);
    EXPECT_EQ(Model_Layers(1, 1).num(), 120.0);
    // Empty slots after a new sounding are not drawn: of twenty slots only the one filled is drawn.
    Superposed_Models.clear();
    store_model_in_slot(1);
    store_model_in_slot(2);
    Superposed_Index = 0;
    Nb_Superposed = 1;
    SEV.Bilog.Cls();
    Redraw_Superposed();
    const std::size_t two_slots = superposed_lines();
    EXPECT_GT(two_slots, 20u);
    Superposed_Models.clear();
    store_model_in_slot(1);
    Nb_Superposed = 20;
    SEV.Bilog.Cls();
    Redraw_Superposed();
    EXPECT_EQ(superposed_lines() * 2, two_slots);
    EXPECT_TRUE(host.records().empty());
}

TEST_F(ComputeCommands, HiddenComputeMenuDrawsTheModelInMemory) {
    SEV.Grid1.TextMatrix(2, 0, " 55  ");
    N1Calcul_Click();
    EXPECT_EQ(Model_Layers(1, 2).num(), 10.0) << "the grid is not read";
    EXPECT_GT(curve_lines(), 10u);
    EXPECT_EQ(Draw_Mode, "");
    EXPECT_EQ(SEV.Bilog.MousePointer(), vbCrosshair);
}

} // namespace
} // namespace ohmira::test
