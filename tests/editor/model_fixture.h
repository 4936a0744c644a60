#pragma once
// Common set-up of the model editor tests: every shared state at its start, the main window in
// its design state, English, the Schlumberger array, the default plot window and a scripted
// dialog host.
#include "../core/sounding_setters.h"
#include "../linked_state.h"
#include "core/language.h"
#include "core/sounding.h"
#include "editor/editor_events.h"
#include "editor/model_grid.h"
#include "form/applied_array.h"
#include "form/settings_values.h"
#include "form/sev_form.h"
#include "platform/scripted_dialog_host.h"
#include "platform/user_feedback.h"
#include "plot/forward_commands.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace ohmira::test {

// Field points of a three-layer earth (100 ohm·m, 5 m; 10, 20 m; 1000): every second sample of its
// curve from 1 to 300 m. The model stays in memory.
inline void set_field_of_three_layer_earth() {
    set_model({{100, 5}, {10, 20}, {1000, 0}});
    set_field({{1, 1}, {1000, 1}});
    Draw_Mode = "FICHIER";
    Compute_Curve();
    std::vector<std::pair<double, double>> points;
    for (int k = 8; k <= 28; k += 2)
        points.emplace_back(Curve(k, 2).num(), Curve(k, 1).num());
    set_field(points);
}

class ModelEditorTest : public ::testing::Test {
protected:
    void SetUp() override {
        reset_linked_state();
        reset_SEV();
        SEV.SSTab1.Tabs(5);
        Misfit = 0.0;
        AB2min = -1;
        Draw_Model = 1;
        Draw_RMS = 0;
        Decimals_Mode = 0;
        Color_Mode = -1;
        Auto_Threshold = 0.3;
        set_language('E');
        Apply_Array(Array_Type::Schlumberger);
        reset_beep_count();
        connect_editor_events();
    }
    void TearDown() override { set_language('E'); }

    static void set_language(char letter) {
        Lang_French = letter == 'F';
        Lang_Spanish = letter == 'S';
        Lang_German = letter == 'A';
        Lang_English = letter == 'E';
    }

    // Texts of columns 0..3 of a grid row.
    static std::vector<std::string> row_texts(int row) {
        std::vector<std::string> texts;
        for (int c = 0; c < 4; ++c)
            texts.push_back(SEV.Grid1.TextMatrix(row, c));
        return texts;
    }
    static int back_colour(int row, int col) { return SEV.Grid1.cell_back_color(row, col); }
    static int fore_colour(int row, int col) { return SEV.Grid1.cell_fore_color(row, col); }
    static void select_cell(int row, int col) {
        SEV.Grid1.Row(row);
        SEV.Grid1.Col(col);
    }

    ScriptedDialogHost host;
    DialogHostGuard guard{host};
};

} // namespace ohmira::test
