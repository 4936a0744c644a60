#pragma once
// Common set-up of the printing tests: the start state, the main window with the printing
// handlers connected, English, the Schlumberger array, an A4 upright sheet page with the default
// margins, a scripted dialog host, and a 4-layer sounding with its computed curve.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "../core/sounding_setters.h"
#include "../linked_state.h"
#include "core/forward.h"
#include "core/language.h"
#include "core/sounding.h"
#include "form/applied_array.h"
#include "form/settings_values.h"
#include "form/sev_form.h"
#include "platform/printer.h"
#include "platform/screen.h"
#include "platform/scripted_dialog_host.h"
#include "platform/text_metrics.h"
#include "plot/forward_commands.h"
#include "printing/printing_events.h"
#include "printing/sheet_builder.h"
#include "printing/sheet_preview.h"

namespace ohmira::test {

inline void set_language(char letter) {
    Lang_French = letter == 'F';
    Lang_Spanish = letter == 'S';
    Lang_English = letter == 'E';
    Lang_German = letter == 'A';
}

// Depths of the layer tops from the thicknesses, as the model grid leaves them.
inline void set_depths() {
    double depth = 0;
    for (int i = 1; i <= Nb_Layers; ++i) {
        Model_Layers(3, i) = depth;
        depth += Model_Layers(2, i).num();
    }
}

class PrintingTest : public ::testing::Test {
protected:
    void SetUp() override {
        reset_linked_state();
        reset_SEV();
        Printer.reset();
        Screen.set_fonts(known_font_names());
        connect_printing_events();
        set_language('E');
        AB2min = -1;
        AB2max = 4;
        RHOmin = 0;
        RHOmax = 4;
        AB2min_Value = 0;
        AB2max_Value = 10000;
        RHOmin_Value = 1;
        RHOmax_Value = 10000;
        Superpose = -1;
        // The settings this subsystem reads, at their defaults.
        Left_Margin = Right_Margin = Upper_Margin = 1134;
        Bottom_Margin = 1250;
        Grid_Color = 16512;
        Curve_Color = 255;
        Points_Color = 255;
        Model_Color = 16711935;
        Error_Color = 255;
        Superposed_Color = 32768;
        Color_Mode = -1;
        Draw_Model = 1;
        Draw_RMS = 0;
        Decimals_Mode = 0;
        Graphical_Prog.clear();
        Apply_Array(Array_Type::Schlumberger);
        File_Name = "S12.QD3";
        File_Path = "/data/S12.QD3";
        Chemin = "/data/";
    }
    void TearDown() override {
        reset_SEV();
        reset_linked_state();
        set_language('E');
    }

    // A 4-layer Schlumberger sounding: field points on its own curve, the curve computed.
    static void four_layer_sounding() {
        set_model({{80, 1.5}, {20, 6}, {300, 25}, {40, 0}});
        set_depths();
        std::vector<std::pair<double, double>> points;
        const double spacings[] = {1, 1.5, 2, 3, 5, 7, 10, 15, 20, 30, 50, 70, 100, 150, 200};
        const double rho[] = {79, 75, 66, 48, 31, 26, 27, 33, 40, 52, 66, 72, 71, 64, 58};
        for (int i = 0; i < 15; ++i)
            points.push_back({spacings[i], rho[i]});
        set_field(points);
        for (int i = 1; i <= Nb_Points; ++i) {
            Field_Data(i, 3) = 0.5;
            Field_Data(i, 4) = 10.0 * i;
            Field_Data(i, 5) = 3.14;
            Field_Data(i, 6) = 100;
        }
        Graph_Title = "Line 4, station 12";
        Comment = "Dry season";
        X_Coord = "412300";
        Y_Coord = "5234100";
        Z_Coord = "120";
        compute_quietly();
    }

    static void compute_quietly() {
        const std::string mode = Draw_Mode;
        Draw_Mode = "FICHIER";
        Compute_Curve();
        Draw_Mode = mode;
    }

    // A4 page, upright or turned.
    static void page(bool landscape) {
        SEV.VSPrint.Orientation(landscape ? orLandscape : orPortrait);
        SEV.VSPrint.MarginLeft(1134);
        SEV.VSPrint.MarginRight(1134);
        SEV.VSPrint.MarginTop(1134);
        SEV.VSPrint.MarginBottom(1250);
    }

    static const DisplayList &sheet_page(int n) {
        return SEV.VSPrint.pages().at(static_cast<std::size_t>(n - 1));
    }

    // The first text of a page equal to `text`; fails the test when there is none.
    static TextOp text_op(int page, const std::string &text) {
        for (const TextOp &t : sheet_page(page).texts())
            if (t.text == text)
                return t;
        ADD_FAILURE() << "no text \"" << text << "\" on page " << page;
        return {};
    }
    // A comment of some 300 characters, without digits, so that no label or number on the sheet
    // reads as a piece of it.
    static constexpr const char *long_comment =
        "Sondage réalisé en saison sèche près du forage du village, sur un sol argileux et "
        "compact ; électrodes arrosées à chaque station, forte résistance de contact aux grandes "
        "ouvertures, mesures répétées trois fois et moyennées ; bruit tellurique notable "
        "l'après-midi, ligne électrique parallèle au profil à quelques dizaines de mètres.";

    // The lines the comment came out as on the pages, in order: the texts that are pieces of it.
    // Fails the test unless they are the whole comment and each lies within `left`..`right` and
    // ends above `bottom` (page twips).
    static std::vector<TextOp> comment_lines(const std::vector<DisplayList> &pages, double left,
                                             double right, double bottom) {
        std::vector<TextOp> lines;
        std::string joined;
        for (const DisplayList &page : pages)
            for (const TextOp &t : page.texts()) {
                if (t.text.size() < 8 || Comment.find(t.text) == std::string::npos)
                    continue;
                lines.push_back(t);
                joined += (joined.empty() ? "" : " ") + t.text;
                EXPECT_GE(t.x, left - 1e-6) << t.text;
                EXPECT_LE(t.x + t.width, right + 1e-6) << t.text;
                EXPECT_LE(t.y + t.height, bottom + 1e-6) << t.text;
            }
        EXPECT_EQ(joined, Comment);
        return lines;
    }
    static bool has_text(int page, const std::string &text) {
        for (const TextOp &t : sheet_page(page).texts())
            if (t.text == text)
                return true;
        return false;
    }

    ScriptedDialogHost host;
    DialogHostGuard guard{host};
};

} // namespace ohmira::test
