#pragma once
// Common set-up of the core tests: start state, English, a scripted dialog host and a fresh
// temporary folder.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>

#include "core/sounding.h"
#include "platform/scripted_dialog_host.h"
#include "platform/text_file.h"
#include "shell/language.h"

namespace ohmira::test {

inline void set_language(char letter) {
    Lang_French = letter == 'F';
    Lang_Spanish = letter == 'S';
    Lang_English = letter == 'E';
    Lang_German = false;
}

class CoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        reset_core_state();
        set_language('E');
        dir_ = std::filesystem::temp_directory_path() /
               ("ohmira_core_" + std::to_string(::getpid()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override {
        close_all_files();
        std::filesystem::remove_all(dir_);
        set_language('E');
    }

    std::string path(const std::string &name) const { return (dir_ / name).string(); }

    // Writes the bytes as given (CR LF written by the caller).
    std::string write_bytes(const std::string &name, const std::string &bytes) const {
        std::ofstream(dir_ / name, std::ios::binary) << bytes;
        return path(name);
    }

    static std::string read_bytes(const std::string &p) {
        std::ifstream in(p, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    static std::string data_file(const std::string &name) {
        return std::string(OHMIRA_TEST_DATA) + "/" + name;
    }

    ScriptedDialogHost host_;
    DialogHostGuard guard_{host_};
    std::filesystem::path dir_;
};

} // namespace ohmira::test
