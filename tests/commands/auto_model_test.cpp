#include "../plot/forward_fixture.h"
#include "commands/auto_model_commands.h"
#include "core/auto_model.h"

#include "core/app_title.h"

#include <cmath>

namespace ohmira {

namespace {

class AutoModel : public ForwardTest {
protected:
    void expect_model(const std::vector<std::pair<double, double>> &expected) {
        ASSERT_EQ(Nb_Layers, static_cast<int>(expected.size()));
        int i = 0;
        for (const auto &[rho, h] : expected) {
            ++i;
            EXPECT_NEAR(layer(1, i), rho, 1e-9) << "layer " << i;
            EXPECT_NEAR(layer(2, i), h, 1e-9) << "layer " << i;
            EXPECT_EQ(Fixed_Param(i), 0);
        }
    }
};

TEST_F(AutoModel, LayersFromTheBendsOfTheCurve) {
    struct Case {
        const char *what;
        Array_Type array;
        std::vector<std::pair<double, double>> field;
        std::vector<std::pair<double, double>> model;
    };
    // H curve: the slope turns from -1 to +1 at the third point; the end layer takes
    // Int(160 * (3 * 1 + 5) / 5) = 256.
    const std::vector<std::pair<double, double>> h_curve = {
        {1, 100}, {2, 50}, {4, 40}, {8, 80}, {16, 160}};
    const float first_slope =
        static_cast<float>((std::log(10.0) - std::log(100.0)) / (std::log(10.0) - std::log(1.001)));
    const Case cases[] = {
        {"H curve", Array_Type::Schlumberger, h_curve, {{100, 1}, {50, 0.6}, {256, 0}}},
        // Wenner triples the first, each new (from the tripled previous) and the end thickness.
        {"Wenner", Array_Type::Wenner, h_curve, {{100, 3}, {50, 4.2}, {256, 0}}},
        // A repeated spacing carries the slope over and moves the bend one point on.
        {"repeated spacing",
         Array_Type::Schlumberger,
         {{1, 100}, {2, 50}, {4, 40}, {4, 40}, {8, 80}, {16, 160}},
         {{100, 1}, {40, 2.2}, {256, 0}}},
        // Monotonous: the first layer over the end layer 1 * (3 * -1 + 5) / 5 = 0.4, its
        // decimals kept below 10 ohm·m.
        {"monotonous",
         Array_Type::Schlumberger,
         {{1, 100}, {10, 10}, {100, 1}},
         {{100, 1}, {0.4, 0}}},
        // First slope -1.000434 (a1 + 0.001): 10 * 1.9987 / 5 = 3.9974.
        {"two points",
         Array_Type::Schlumberger,
         {{1, 100}, {10, 10}},
         {{100, 1}, {10 * static_cast<double>(3.0f * first_slope + 5.0f) / 5, 0}}},
        // Slope -2 (steeper than -5/3): a tenth of the last apparent resistivity, 0.05.
        {"steep end",
         Array_Type::Schlumberger,
         {{1, 100}, {10, 50}, {100, 0.5}},
         {{100, 1}, {0.05, 0}}},
        // Above 10 ohm·m the end layer stays a whole number: slope -0.30103,
        // 150 * (3 * -0.30103 + 5) / 5 = 122.9 gives 122.
        {"whole above 10",
         Array_Type::Schlumberger,
         {{1, 600}, {10, 300}, {100, 150}},
         {{600, 1}, {122, 0}}},
        // The last point within a factor e^0.2 of the last layer: no end layer.
        {"flat", Array_Type::Schlumberger, {{1, 100}, {10, 105}, {100, 110}}, {{100, 0}}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        select_array(c.array);
        set_field(c.field);
        Model_Layers.clear();
        Fixed_Param(1) = 3;
        Draw_Mode = "NORMAL";
        Create_Auto_Model();
        expect_model(c.model);
        EXPECT_EQ(Draw_Mode, "AUTOMATIC");
        EXPECT_EQ(SEV.Bilog.MousePointer(), vbCrosshair);
        EXPECT_EQ(SEV.MousePointer(), vbArrow);
    }
    EXPECT_TRUE(host.records().empty());
}

TEST_F(AutoModel, ThresholdDecidesBendsWithoutATurn) {
    // Slopes -1, -0.25, -0.5: a minimum of |S| at -0.25 whose neighbours differ by 0.5.
    const double r2 = 100 * std::pow(2.0, -1.0);
    const double r3 = r2 * std::pow(2.0, -0.25);
    const double r4 = r3 * std::pow(2.0, -0.5);
    set_field({{1, 100}, {2, r2}, {4, r3}, {8, r4}});
    for (const double threshold : {0.3, 0.6}) {
        Auto_Threshold = threshold;
        Create_Auto_Model();
        EXPECT_EQ(Nb_Layers, threshold < 0.5 ? 3 : 2) << threshold;
    }
}

TEST_F(AutoModel, SliderSetsTheThreshold) {
    Setup_Auto_Threshold_Slider();
    EXPECT_DOUBLE_EQ(Auto_Threshold.num(), 0.33);
    EXPECT_FALSE(SEV.Grid1.has_focus());
    SEV.Slider1.Value(7);
    EXPECT_DOUBLE_EQ(Auto_Threshold.num(), 0.73);
    EXPECT_TRUE(SEV.Grid1.has_focus());
}

TEST_F(AutoModel, ImpossibleModelsShowTheCriticalBox) {
    // A zigzag curve bends at every other point: more than 20 layers.
    std::vector<std::pair<double, double>> zigzag;
    double a = 1, r = 100;
    for (int i = 0; i < 51; ++i) {
        zigzag.emplace_back(a, r);
        const double slope = (i % 4 == 0) ? 1.0 : (i % 4 == 1) ? 0.1 : (i % 4 == 2) ? -1.0 : -0.1;
        r *= std::pow(1.2, slope);
        a *= 1.2;
    }
    struct Case {
        const char *what;
        std::vector<std::pair<double, double>> field;
        int layers_left;
    };
    const Case cases[] = {
        {"zero resistivity", {{1, 100}, {2, 0}, {4, 40}}, 0},
        {"one point", {{1, 100}}, 0},
        {"zigzag", zigzag, 20},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        set_field(c.field);
        Nb_Layers = 0;
        Draw_Mode = "NORMAL";
        host.expect(answer_box(vbOK));
        Create_Auto_Model();
        EXPECT_EQ(Draw_Mode, "NORMAL");
        EXPECT_EQ(SEV.Bilog.MousePointer(), vbCrosshair);
        EXPECT_EQ(SEV.MousePointer(), vbArrow);
        EXPECT_EQ(Nb_Layers, c.layers_left);
        EXPECT_LE(Nb_Layers, 20);
    }
    const auto boxes = host.message_boxes();
    ASSERT_EQ(boxes.size(), 3u);
    for (const auto &box : boxes) {
        EXPECT_EQ(box.text, "Automatic model impossible...");
        EXPECT_EQ(box.icon, MsgIcon::Critical);
        EXPECT_EQ(box.title, Prog_Title);
    }
}

TEST_F(AutoModel, ModelMenu) {
    // No file: the box, nothing else.
    File_Name.clear();
    host.expect(answer_box(vbOK));
    NModele_Click();
    ASSERT_EQ(host.message_boxes().size(), 1u);
    EXPECT_EQ(host.message_boxes()[0].text, "First select a file");
    EXPECT_EQ(SEV.SSTab1.Tab(), 0);

    // A model in memory: its depths are derived and its curve computed; the "Print" tab follows.
    File_Name = "S12.QD3";
    set_field({{1, 100}, {100, 10}});
    set_model({{100, 4}, {10, 0}});
    Nb_Layers = 0;
    NModele_Click();
    EXPECT_EQ(Nb_Layers, 2);
    EXPECT_EQ(Curve_Last, 29);
    EXPECT_EQ(Draw_Mode, "NORMAL");
    EXPECT_EQ(SEV.SSTab1.Tab(), 1);

    // No model: the question; No goes to the "Print" tab, Yes builds the model and stays.
    struct Case {
        int answer;
        int layers;
        int tab;
        const char *mode;
    };
    for (const Case c : {Case{vbNo, 0, 1, "NORMAL"}, Case{vbYes, 2, 0, "AUTOMATIC"}}) {
        SEV.SSTab1.Tab(0);
        Model_Layers.clear();
        Nb_Layers = 0;
        host.expect(answer_box(c.answer));
        NModele_Click();
        const auto box = host.message_boxes().back();
        EXPECT_EQ(box.text, "Automatic model creation ?");
        EXPECT_EQ(box.buttons, MsgButtons::YesNo);
        EXPECT_EQ(box.icon, MsgIcon::Question);
        EXPECT_EQ(Nb_Layers, c.layers);
        EXPECT_EQ(SEV.SSTab1.Tab(), c.tab);
        EXPECT_EQ(Draw_Mode, c.mode);
        EXPECT_EQ(SEV.Bilog.MousePointer(), vbCrosshair);
    }
}

TEST_F(AutoModel, RequestedModelNeedsAFile) {
    struct Case {
        char language;
        const char *text;
    };
    set_field({{1, 100}, {2, 50}, {4, 40}, {8, 80}, {16, 160}});
    for (const Case c :
         {Case{'F', "Vous devez d'abord sélectionner un fichier ou entrer des "
                    "données terrains"},
          Case{'S', "Primero, seleccione un fichero..."}, Case{'E', "First select a file..."}}) {
        Lang_French = c.language == 'F';
        Lang_Spanish = c.language == 'S';
        Lang_English = c.language == 'E';
        File_Name.clear();
        Nb_Layers = 0;
        host.expect(answer_box(vbOK));
        Request_Auto_Model();
        const auto box = host.message_boxes().back();
        EXPECT_EQ(box.text, c.text);
        EXPECT_EQ(box.title, Prog_Title);
        EXPECT_EQ(box.icon, MsgIcon::Exclamation);
        EXPECT_EQ(Nb_Layers, 0);
    }

    const auto boxes = host.message_boxes().size();
    File_Name = "S1.QD3";
    Request_Auto_Model();
    EXPECT_EQ(host.message_boxes().size(), boxes);
    EXPECT_EQ(Nb_Layers, 3);
    EXPECT_EQ(Draw_Mode, "AUTOMATIC");
}

} // namespace

} // namespace ohmira
