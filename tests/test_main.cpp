// The start of every test program: the process gets a folder of its own under the caller's
// temporary folder, which is its working folder, its home, its configuration, cache, data,
// runtime and temporary folder, and which is removed at the end. So whatever a test or a library
// writes without being told where (Qt's dialog settings, a file proposed in the home folder, a
// lock in the runtime folder) stays inside it, and copies of a test program running at once share
// no file.
//
// No test program waits for ever, however it is run: a test that runs longer than the time limit
// (45 s, or OHMIRA_TEST_TIME_LIMIT seconds) stops the program, which names the test and removes its
// folder. A process killed before it could remove its folder (by CTest's timeout, by `timeout`)
// leaves it to the next test program, which removes every folder whose owner is gone: each process
// holds a lock on a file in its folder for as long as it lives.
#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <mutex>
#include <string>
#include <sys/file.h>
#include <system_error>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr char Folder_Prefix[] = "ohmira-tests-";
constexpr char Lock_Name[] = "lock";
// A folder without its lock after this long was made before folders had one.
constexpr auto Lockless_Age = std::chrono::hours(1);
constexpr int Default_Time_Limit_S = 45; // below CTest's 60 s, so that the program names the test

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

// True when the folder's owner is gone: its lock can be taken, or it never had one and is old.
bool owner_gone(const fs::path &folder) {
    const int fd = ::open((folder / Lock_Name).c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0) {
        std::error_code ec;
        const auto written = fs::last_write_time(folder, ec);
        return !ec && fs::file_time_type::clock::now() - written > Lockless_Age;
    }
    const bool gone = ::flock(fd, LOCK_EX | LOCK_NB) == 0;
    ::close(fd);
    return gone;
}

void remove_folders_of_gone_processes(const fs::path &temp) {
    std::error_code ec;
    std::vector<fs::path> left;
    for (auto it = fs::directory_iterator(temp, ec); !ec && it != fs::directory_iterator();
         it.increment(ec)) {
        if (it->path().filename().string().starts_with(Folder_Prefix) && it->is_directory(ec))
            left.push_back(it->path());
    }
    for (const fs::path &folder : left) {
        if (owner_gone(folder))
            fs::remove_all(folder, ec);
    }
}

// Makes the folder, takes its lock and points the environment into it; empty when it cannot.
fs::path make_process_folder() {
    std::error_code ec;
    const fs::path found = fs::temp_directory_path(ec);
    const fs::path temp = ec ? fs::path("/tmp") : found;
    remove_folders_of_gone_processes(temp);
    std::string pattern = (temp / (std::string(Folder_Prefix) + "XXXXXX")).string();
    if (!::mkdtemp(pattern.data()))
        return {};
    const fs::path root = pattern;
    // The lock file gets its name only once locked, so a named lock that can be taken means
    // that its owner is gone. It stays open, and locked, until the process ends.
    const fs::path taking = root / "lock.taking";
    const int lock = ::open(taking.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    bool made = lock >= 0 && ::flock(lock, LOCK_EX) == 0 &&
                ::rename(taking.c_str(), (root / Lock_Name).c_str()) == 0;
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

int time_limit_s() {
    const char *asked = std::getenv("OHMIRA_TEST_TIME_LIMIT");
    const int seconds = asked ? std::atoi(asked) : 0;
    return seconds > 0 ? seconds : Default_Time_Limit_S;
}

// Stops the program, naming the test, when one test runs longer than the limit.
class Watchdog : public ::testing::EmptyTestEventListener {
public:
    Watchdog(fs::path folder, int limit_s)
        : folder_(std::move(folder)), limit_(limit_s), thread_([this] { watch(); }) {}
    ~Watchdog() override {
        {
            std::lock_guard lock(mutex_);
            stopping_ = true;
        }
        wake_.notify_one();
        thread_.join();
    }
    void OnTestStart(const ::testing::TestInfo &test) override {
        std::lock_guard lock(mutex_);
        running_ = std::string(test.test_suite_name()) + "." + test.name();
        started_ = Clock::now();
    }
    void OnTestEnd(const ::testing::TestInfo &) override {
        std::lock_guard lock(mutex_);
        running_.clear();
    }

private:
    void watch() {
        std::unique_lock lock(mutex_);
        while (!stopping_) {
            if (!running_.empty() && Clock::now() - started_ > limit_) {
                std::fflush(stdout);
                std::fprintf(stderr, "\n%s has run longer than %d s: the test program stops.\n",
                             running_.c_str(), static_cast<int>(limit_.count()));
                std::error_code ec;
                fs::remove_all(folder_, ec);
                std::_Exit(1); // the test still runs on the main thread: no destructors
            }
            wake_.wait_for(lock, std::chrono::milliseconds(250));
        }
    }

    const fs::path folder_;
    const std::chrono::seconds limit_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::string running_;
    Clock::time_point started_;
    bool stopping_ = false;
    std::thread thread_; // last: it starts once the rest is made
};

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
    auto &listeners = ::testing::UnitTest::GetInstance()->listeners();
    auto *watchdog = new Watchdog(root, time_limit_s());
    listeners.Append(watchdog);
    const int result = RUN_ALL_TESTS();
    delete listeners.Release(watchdog);
    std::error_code ec;
    fs::current_path("/", ec);
    fs::remove_all(root, ec);
    return result;
}
