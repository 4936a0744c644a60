#pragma once
// Runs a copy of this test program, for tests of what the program does around its tests: the copy
// runs the tests `filter` names (disabled ones too), with the environment assignments given, under
// `timeout`, so that a copy that does not stop cannot hold up the test that runs it.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <sys/wait.h>

namespace ohmira::test {

struct CopyRun {
    int status = -1; // the exit status (137: stopped by the timeout)
    std::string output;
    double seconds = 0;
};

inline CopyRun run_program_copy(const std::string &filter, const std::string &environment = "") {
    const std::string program = std::filesystem::read_symlink("/proc/self/exe").string();
    const std::string command = "env " + environment + " timeout -s KILL 60 '" + program +
                                "' --gtest_also_run_disabled_tests '--gtest_filter=" + filter +
                                "' </dev/null 2>&1";
    CopyRun run;
    const auto start = std::chrono::steady_clock::now();
    std::FILE *out = ::popen(command.c_str(), "r");
    if (!out) {
        ADD_FAILURE() << "cannot start " << command;
        return run;
    }
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, out)) > 0;)
        run.output.append(buffer, n);
    const int status = ::pclose(out);
    run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (WIFEXITED(status))
        run.status = WEXITSTATUS(status);
    return run;
}

// The copy failed within seconds, saying `text`.
inline void expect_failed_soon_saying(const CopyRun &run, const std::string &text) {
    EXPECT_EQ(run.status, 1) << run.output;
    EXPECT_LT(run.seconds, 20);
    EXPECT_NE(run.output.find(text), std::string::npos) << run.output;
}

} // namespace ohmira::test
