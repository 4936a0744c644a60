#pragma once
// Common set-up of the profile tests: start state with the profile handlers connected, English,
// a scripted dialog host, a fresh folder, and synthetic QD3 files of a line.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "../linked_state.h"
#include "../platform/temp_folder.h"
#include "core/language.h"
#include "form/applied_array.h"
#include "form/sev_form.h"
#include "platform/scripted_dialog_host.h"
#include "platform/text_file.h"
#include "profiles/profile_values.h"
#include "profiles/profiles_events.h"

namespace ohmira::test {

struct Layer {
    double rho;
    double thickness; // 0 for the half-space
};

// A QD3 file of the current layout: `points` records whose last spacing is `last_spacing_raw`
// (tenths of a metre), the layers (depths accumulated), then the header texts.
inline std::string qd3_text(const std::vector<Layer> &layers, const std::string &x,
                            const std::string &y, const std::string &z,
                            double last_spacing_raw = 1000, int points = 3,
                            const std::string &first = "") {
    std::string t = (first.empty() ? std::to_string(points) + ".5" : first) + "\r\n";
    for (int i = 1; i <= points; ++i) {
        const long spacing = i == points ? static_cast<long>(last_spacing_raw) : 15 * i;
        t += std::to_string(spacing) + ",10000,50,1200,1570,100\r\n";
    }
    double depth = 0;
    for (size_t j = 0; j < 20; ++j) {
        if (j < layers.size()) {
            t += std::to_string(static_cast<long>(layers[j].rho * 100)) + "," +
                 std::to_string(static_cast<long>(layers[j].thickness * 100)) + "," +
                 std::to_string(static_cast<long>(depth * 100)) + "\r\n";
            depth += layers[j].thickness;
        } else {
            t += "0,0,0\r\n";
        }
    }
    t += "\"comment\",\"source\",\"title\",\"" + x + "\",\"" + y + "\",\"" + z + "\",\"0\"\r\n";
    return t;
}

class ProfilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        reset_SEV();
        reset_linked_state();
        connect_profiles_events();
        Lang_French = Lang_Spanish = Lang_German = false;
        Lang_English = true;
        Apply_Array(Array_Type::Schlumberger); // Schlumberger
    }
    void TearDown() override {
        close_all_files();
        reset_SEV();
        reset_linked_state();
    }

    std::string write(const std::string &name, const std::string &text) const {
        return folder.write(name, text);
    }

    // Five soundings along a line, with 3 to 5 layers, given out of order.
    std::vector<std::string> five_sounding_line() const {
        write("S3.QD3", qd3_text({{120, 2}, {35, 12}, {800, 0}}, "200", "0", "118", 1000));
        write("S1.QD3", qd3_text({{250, 1.5}, {40, 8}, {15, 20}, {600, 0}}, "0", "0", "125", 1000));
        write("S5.QD3",
              qd3_text({{90, 3}, {20, 6}, {300, 10}, {60, 25}, {1500, 0}}, "400", "", "110", 1500));
        write("S2.QD3", qd3_text({{180, 2}, {30, 10}, {900, 0}}, "100", "0", "122", 1000));
        write("S4.QD3", qd3_text({{70, 2.5}, {25, 9}, {10, 18}, {1200, 0}}, "300", "0", "", 1200));
        return {"S3.QD3", "S1.QD3", "S5.QD3", "S2.QD3", "S4.QD3"};
    }

    std::vector<std::string> paths(const std::vector<std::string> &names) const {
        std::vector<std::string> out;
        for (const auto &n : names)
            out.push_back(folder / n);
        return out;
    }

    // Selects the files through "Select SEV".
    void select(const std::vector<std::string> &names) {
        host.expect(answer_open(paths(names)));
        SEV.Command2.user_click();
    }

    TempFolder folder;
    ScriptedDialogHost host;
    DialogHostGuard guard{host};
};

} // namespace ohmira::test
