#pragma once
// Set-up of the editor tests: start state, the main window rebuilt with the editor's events,
// Schlumberger chosen, English, a scripted dialog host and a fresh temporary folder.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>

#include "core/sounding.h"
#include "editor/data_entry.h"
#include "editor/editor_events.h"
#include "platform/scripted_dialog_host.h"
#include "platform/text_file.h"
#include "shell/app_state.h"
#include "shell/language.h"
#include "shell/sev_form.h"

namespace ohmira::test {

class EditorTest : public ::testing::Test {
protected:
    void SetUp() override {
        reset_all_state();
        reset_SEV();
        connect_editor_events();
        set_language('E');
        SEV.Option1.Value(true);
        Niveau = "0";
        Array_Factor = 1;
        dir_ = std::filesystem::temp_directory_path() /
               ("ohmira_editor_" + std::to_string(::getpid()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override {
        close_all_files();
        std::filesystem::remove_all(dir_);
        reset_SEV();
        set_language('E');
    }

    static void set_language(char letter) {
        Lang_French = letter == 'F';
        Lang_Spanish = letter == 'S';
        Lang_English = letter == 'E';
        Lang_German = false;
    }

    std::string path(const std::string &name) const { return (dir_ / name).string(); }

    std::string write_bytes(const std::string &name, const std::string &bytes) const {
        std::ofstream(dir_ / name, std::ios::binary) << bytes;
        return path(name);
    }

    static std::string read_bytes(const std::string &p) {
        std::ifstream in(p, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    // A new sounding's page built on an empty spacing table: 50 empty data rows.
    void empty_page() {
        Spacing_File = write_bytes("empty.TXT", "");
        File_Name.clear();
        auto &g = SEV.BuildGrid;
        for (int r = 1; r < g.Rows(); ++r)
            for (int c = 1; c < g.Cols(); ++c)
                g.TextMatrix(r, c, "");
        Field_Data.clear();
        Nb_Points = 0;
        Load_build();
    }

    // Types a row's cells as texts: MN/2, AB/2, ΔV, I (and the resistivity column).
    static void row(int r, const std::string &mn, const std::string &ab, const std::string &dv,
                    const std::string &i, const std::string &rho = "") {
        auto &g = SEV.BuildGrid;
        g.TextMatrix(r, 1, mn);
        g.TextMatrix(r, 2, ab);
        g.TextMatrix(r, 3, dv);
        g.TextMatrix(r, 4, i);
        g.TextMatrix(r, 6, rho);
    }

    static std::string cell(int r, int c) { return SEV.BuildGrid.TextMatrix(r, c); }

    std::vector<std::string> box_texts() const {
        std::vector<std::string> texts;
        for (const auto &r : host_.message_boxes())
            texts.push_back(r.text);
        return texts;
    }

    ScriptedDialogHost host_;
    DialogHostGuard guard_{host_};
    std::filesystem::path dir_;
};

} // namespace ohmira::test
