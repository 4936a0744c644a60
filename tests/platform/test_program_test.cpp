// What every test program does around its tests (tests/test_main.cpp), seen from a copy of it: a
// test that runs past the time limit stops the program, named, and leaves no folder behind; the
// folders of test processes that are gone are removed by the next program, those of live ones kept.
#include "../program_copy.h"
#include "temp_folder.h"

#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <set>
#include <sys/file.h>
#include <thread>
#include <unistd.h>

namespace ohmira {
namespace {

namespace fs = std::filesystem;

// Run only by the test below, in a copy of the program.
TEST(TestProgram, DISABLED_RunsForEver) {
    for (;;)
        std::this_thread::sleep_for(std::chrono::seconds(1));
}

TEST(TestProgram, ATestPastTheTimeLimitStopsTheProgramNamedAndLeavesNoFolder) {
    const TempFolder temp;
    const test::CopyRun run = test::run_program_copy(
        "TestProgram.DISABLED_RunsForEver", "OHMIRA_TEST_TIME_LIMIT=1 TMPDIR=" + temp.path());
    test::expect_failed_soon_saying(
        run, "TestProgram.DISABLED_RunsForEver has run longer than 1 s: the test program stops.");
    EXPECT_TRUE(fs::is_empty(temp.path()));
}

TEST(TestProgram, FoldersOfGoneProcessesAreRemovedThoseOfLiveOnesKept) {
    const TempFolder temp;
    const auto folder = [&](const std::string &name, bool with_lock) {
        fs::create_directories(temp / name + "/home");
        return with_lock ? ::open((temp / name + "/lock").c_str(), O_RDWR | O_CREAT, 0600) : -1;
    };
    ::close(folder("ohmira-tests-gone", true));
    const int live = folder("ohmira-tests-live", true);
    ASSERT_EQ(::flock(live, LOCK_EX), 0);
    folder("ohmira-tests-old", false); // made before folders had a lock
    fs::last_write_time(temp / "ohmira-tests-old",
                        fs::file_time_type::clock::now() - std::chrono::hours(2));
    folder("ohmira-tests-new", false); // its process is taking its lock
    folder("other-program", true);

    const test::CopyRun run = test::run_program_copy("-*", "TMPDIR=" + temp.path());
    ::close(live);
    EXPECT_EQ(run.status, 0) << run.output;
    std::set<std::string> left;
    for (const auto &entry : fs::directory_iterator(temp.path()))
        left.insert(entry.path().filename().string());
    EXPECT_EQ(left,
              (std::set<std::string>{"ohmira-tests-live", "ohmira-tests-new", "other-program"}));
}

} // namespace
} // namespace ohmira
