#pragma once
// Common set-up of the batch conversion tests: start state, English, Schlumberger selected, a
// scripted dialog host and a fresh temporary folder.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>

#include "platform/scripted_dialog_host.h"
#include "platform/text_file.h"
#include "shell/app_state.h"
#include "shell/language.h"
#include "shell/sev_form.h"

namespace ohmira::test {

class BatchTest : public ::testing::Test {
protected:
    void SetUp() override {
        reset_SEV();
        reset_all_state();
        Lang_French = Lang_Spanish = Lang_German = false;
        Lang_English = true;
        SEV.Option1.Value(true);
        dir_ = std::filesystem::temp_directory_path() /
               ("ohmira_batch_" + std::to_string(::getpid()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override {
        close_all_files();
        std::filesystem::remove_all(dir_);
        reset_all_state();
        reset_SEV();
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
    // Texts of the message boxes shown so far.
    std::vector<std::string> box_texts() const {
        std::vector<std::string> out;
        for (const DialogRecord &r : host_.message_boxes()) {
            out.push_back(r.text);
        }
        return out;
    }
    // Files of the test folder, sorted.
    std::vector<std::string> files() const {
        std::vector<std::string> out;
        for (const auto &e : std::filesystem::directory_iterator(dir_)) {
            out.push_back(e.path().filename().string());
        }
        std::sort(out.begin(), out.end());
        return out;
    }

    ScriptedDialogHost host_;
    DialogHostGuard guard_{host_};
    std::filesystem::path dir_;
};

} // namespace ohmira::test
