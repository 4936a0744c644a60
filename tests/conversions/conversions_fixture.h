#pragma once
// Common set-up of the conversions tests: start state, English, a fresh main window, a scripted
// dialog host and a temporary folder for the files the tests make.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "core/qd3_file.h"
#include "core/sounding.h"
#include "platform/scripted_dialog_host.h"
#include "platform/text_file.h"
#include "shell/app_state.h"
#include "shell/language.h"
#include "shell/sev_form.h"

namespace ohmira::test {

inline void set_language(char letter) {
    Lang_French = letter == 'F';
    Lang_Spanish = letter == 'S';
    Lang_English = letter == 'E';
    Lang_German = false;
}

class ConversionsTest : public ::testing::Test {
protected:
    void SetUp() override {
        reset_all_state();
        reset_SEV();
        set_language('E');
        std::string pattern =
            (std::filesystem::temp_directory_path() / "ohmira-conv-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
    }
    void TearDown() override {
        close_all_files();
        std::filesystem::remove_all(dir_);
        reset_SEV();
        reset_all_state();
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

    // Names of the files in the test folder, sorted.
    std::vector<std::string> files() const {
        std::vector<std::string> names;
        for (const auto &e : std::filesystem::directory_iterator(dir_))
            names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    // The QD3 file read back by the core's reader into the sounding.
    static void load_qd3(std::string p) {
        File_Name = "check.QD3";
        File_Layout = 3;
        Load_QD3(p);
    }

    // The message texts shown so far.
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
