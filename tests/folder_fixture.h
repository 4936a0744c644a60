#pragma once
// The start every test with files shares, below the window: English, a scripted dialog host and a
// fresh folder for the files a test makes, with helpers to write and read them. AppTest
// (app_fixture.h) adds all shared state and the main window; the core's tests add the sounding.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>
#include <vector>

#include "core/language.h"
#include "platform/scripted_dialog_host.h"
#include "platform/text_file.h"

namespace ohmira::test {

inline void set_language(char letter) {
    Lang_French = letter == 'F';
    Lang_Spanish = letter == 'S';
    Lang_English = letter == 'E';
    Lang_German = false;
}

class FolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        set_language('E');
        const auto *test = ::testing::UnitTest::GetInstance()->current_test_info();
        dir_ =
            std::filesystem::temp_directory_path() / ("ohmira_" + std::to_string(::getpid()) + "_" +
                                                      test->test_suite_name() + "_" + test->name());
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

    // Names of the files in the test folder, sorted.
    std::vector<std::string> files() const {
        std::vector<std::string> names;
        for (const auto &e : std::filesystem::directory_iterator(dir_))
            names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    // The message texts shown so far.
    std::vector<std::string> box_texts() const {
        std::vector<std::string> texts;
        for (const auto &r : host_.message_boxes())
            texts.push_back(r.text);
        return texts;
    }

    static std::string data_file(const std::string &name) {
        return std::string(OHMIRA_TEST_DATA) + "/" + name;
    }

    ScriptedDialogHost host_;
    DialogHostGuard guard_{host_};
    std::filesystem::path dir_;
};

} // namespace ohmira::test
