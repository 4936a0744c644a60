// The start of every test program: the process gets a folder of its own under the caller's
// temporary folder, which is its working folder, its home, its configuration, cache, data,
// runtime and temporary folder, and which is removed at the end. So whatever a test or a library
// writes without being told where (Qt's dialog settings, a file proposed in the home folder, a
// lock in the runtime folder) stays inside it, and copies of a test program running at once share
// no file.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

struct Place {
    const char *variable;
    const char *folder; // inside the process's folder
};

constexpr Place Places[] = {
    {"HOME", "home"},
    {"XDG_CONFIG_HOME", "home/.config"},
    {"XDG_CACHE_HOME", "home/.cache"},
    {"XDG_DATA_HOME", "home/.local/share"},
    {"XDG_STATE_HOME", "home/.local/state"},
    {"XDG_RUNTIME_DIR", "run"},
    {"TMPDIR", "tmp"},
};

// Makes the folder and points the environment into it; empty when it cannot be made.
fs::path make_process_folder() {
    std::error_code ec;
    const fs::path temp = fs::temp_directory_path(ec);
    std::string pattern = ((ec ? fs::path("/tmp") : temp) / "ohmira-tests-XXXXXX").string();
    if (!::mkdtemp(pattern.data()))
        return {};
    const fs::path root = pattern;
    bool made = true;
    for (const Place &p : Places) {
        const fs::path folder = root / p.folder;
        fs::create_directories(folder, ec);
        made = made && !ec && ::setenv(p.variable, folder.c_str(), 1) == 0;
    }
    // The runtime folder is the user's alone (Qt warns otherwise).
    fs::permissions(root / "run", fs::perms::owner_all, ec);
    if (made && ::chdir(root.c_str()) == 0)
        return root;
    fs::remove_all(root, ec);
    return {};
}

} // namespace

int main(int argc, char **argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // The folder where the Qt tests keep their pictures is named from where the tests started.
    if (const char *shots = std::getenv("OHMIRA_QT_SHOTS"); shots && *shots) {
        std::error_code ec;
        const fs::path absolute = fs::absolute(shots, ec);
        if (!ec)
            ::setenv("OHMIRA_QT_SHOTS", absolute.c_str(), 1);
    }
    const fs::path root = make_process_folder();
    if (root.empty()) {
        std::perror("cannot make the test's temporary folder");
        return 1;
    }
    const int result = RUN_ALL_TESTS();
    std::error_code ec;
    fs::current_path("/", ec);
    fs::remove_all(root, ec);
    return result;
}
