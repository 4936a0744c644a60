#pragma once
// The whole program started on a new sounding, with a scripted user, and a sounding file A of four
// measured points and two layers in the test's folder: the start of the tests that a save writes
// what the window shows.
#include "app/app_events.h"
#include "app/main_frame.h"
#include "app/splash_form.h"
#include "commands/open_save.h"
#include "core/qd3_file.h"
#include "core/sounding.h"
#include "platform/files.h"
#include "program_fixture.h"

#include <array>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <utility>
#include <vector>

namespace ohmira {

using Texts = std::array<std::string, 7>;

// Comment, data source, title, X, Y, Z, azimuth as the sounding holds them.
inline Texts sounding_texts() {
    return {Comment, Data_Source, Graph_Title, X_Coord, Y_Coord, Z_Coord, Azimuth};
}

// The bytes of a QD3 file (the sounding in memory is left as it was): points as (spacing, ρa, MN/2,
// ΔV, K, I), layers as (ρ, h), then the texts.
inline std::string qd3_bytes(const std::vector<std::array<double, 6>> &points,
                      const std::vector<std::pair<double, double>> &layers, const Texts &texts) {
    const Sounding_Record kept = current_sounding();
    Field_Data.clear();
    Model_Layers.clear();
    Nb_Points = static_cast<std::int16_t>(points.size());
    for (std::size_t i = 0; i < points.size(); ++i)
        for (int c = 0; c < 6; ++c)
            Field_Data(static_cast<int>(i) + 1, c + 1) = points[i][c];
    double depth = 0;
    for (std::size_t j = 0; j < layers.size(); ++j) {
        Model_Layers(1, static_cast<int>(j) + 1) = layers[j].first;
        Model_Layers(2, static_cast<int>(j) + 1) = layers[j].second;
        Model_Layers(3, static_cast<int>(j) + 1) = depth;
        depth += layers[j].second;
    }
    Comment = texts[0];
    Data_Source = texts[1];
    Graph_Title = texts[2];
    X_Coord = texts[3];
    Y_Coord = texts[4];
    Z_Coord = texts[5];
    Azimuth = texts[6];
    const std::string scratch = std::filesystem::temp_directory_path() /
                                ("ohmira_integrity_" + std::to_string(::getpid()) + ".QD3");
    EXPECT_EQ(write_qd3_file(scratch), 0);
    std::string bytes = read_file(scratch).value_or("");
    std::filesystem::remove(scratch);
    restore_sounding(kept);
    return bytes;
}

class SoundingIntegrity : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        user.expect(answer_form([](Form &) { frmSplash.Command2.user_click(); }));
        Prepare_Main_Window();
        connect_start_and_exit();
        SEV.Show();
        a_bytes = qd3_bytes({{1.5, 50, 0.5, 52.4, 6.68, 7},
                             {2.5, 70, 0.5, 26.3, 19.24, 7.2},
                             {4, 120, 0.5, 12.2, 49.87, 5.1},
                             {6, 150, 0.5, 6.1, 112.3, 4.6}},
                            {{40, 2}, {200, 0}}, {"comment A", "", "title A", "1", "2", "3", "4"});
        a = folder.write("A.QD3", a_bytes);
        reset_core_state();
        Superpose = -1;
    }
    void expect_all_answered() {
        EXPECT_EQ(user.pending(), 0u);
        EXPECT_TRUE(user.failures().empty()) << user.failures().front();
    }
    void open_by_menu(const std::string &path, std::vector<ScriptedAnswer> then = {}) {
        user.expect(answer_open({path}));
        for (ScriptedAnswer &answer : then)
            user.expect(std::move(answer));
        SEV.NFile.user_click();
    }
    std::string box_text(std::size_t i) const {
        const auto boxes = user.message_boxes();
        return i < boxes.size() ? boxes[i].text : "<none>";
    }

    std::string a_bytes;
    std::string a;
};

} // namespace ohmira
