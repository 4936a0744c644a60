#include "platform/single_instance.h"

#include "platform/files.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

namespace ohmira {

TEST(InstanceLock, SecondCopyIsDetectedUntilTheFirstEnds) {
    TempFolder dir;
    std::string path = dir / "Ohmira.lock";
    InstanceLock first(path);
    ASSERT_TRUE(first.acquire());
    EXPECT_EQ(read_file(path), std::to_string(::getpid()) + "\n");
    {
        InstanceLock second(path);
        EXPECT_FALSE(second.acquire());
        EXPECT_FALSE(second.held());
    }
    first.release();
    InstanceLock third(path);
    EXPECT_TRUE(third.acquire());
}

TEST(InstanceLock, LockOfAnotherProcessCountsAndIsTakenOverWhenItDies) {
    TempFolder dir;
    std::string path = dir / "Ohmira.lock";
    int ready[2], stop[2];
    ASSERT_EQ(::pipe(ready), 0);
    ASSERT_EQ(::pipe(stop), 0);
    pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        InstanceLock lock(path);
        char c = lock.acquire() ? 'y' : 'n';
        (void)!::write(ready[1], &c, 1);
        (void)!::read(stop[0], &c, 1);
        ::_exit(0); // dies without releasing: the kernel drops the lock
    }
    char c = 0;
    ASSERT_EQ(::read(ready[0], &c, 1), 1);
    ASSERT_EQ(c, 'y');
    {
        InstanceLock mine(path);
        EXPECT_FALSE(mine.acquire());
    }
    (void)!::write(stop[1], &c, 1);
    ::waitpid(child, nullptr, 0);
    // The stale file still names the dead process; it is taken over.
    EXPECT_EQ(read_file(path), std::to_string(child) + "\n");
    InstanceLock mine(path);
    EXPECT_TRUE(mine.acquire());
    EXPECT_EQ(read_file(path), std::to_string(::getpid()) + "\n");
    for (int fd : {ready[0], ready[1], stop[0], stop[1]})
        ::close(fd);
}

// The program's lock is taken in the user's runtime folder; without one (unset or not an absolute
// path) it is named for the user in /tmp.
TEST(InstanceLock, TheProgramsLockIsInTheRuntimeFolder) {
    const char *saved = std::getenv("XDG_RUNTIME_DIR");
    const std::string saved_value = saved ? saved : "";
    TempFolder runtime;
    ::setenv("XDG_RUNTIME_DIR", runtime.path().c_str(), 1);
    {
        InstanceLock first;
        ASSERT_TRUE(first.acquire());
        EXPECT_EQ(first.path(), runtime / "Ohmira.lock");
        EXPECT_EQ(read_file(runtime / "Ohmira.lock"), std::to_string(::getpid()) + "\n");
        InstanceLock second;
        EXPECT_FALSE(second.acquire());
    }
    const std::string fallback = "/tmp/Ohmira-" + std::to_string(::getuid()) + ".lock";
    ::setenv("XDG_RUNTIME_DIR", "run", 1);
    EXPECT_EQ(instance_lock_path(), fallback);
    ::unsetenv("XDG_RUNTIME_DIR");
    EXPECT_EQ(instance_lock_path(), fallback);
    if (saved)
        ::setenv("XDG_RUNTIME_DIR", saved_value.c_str(), 1);
}

} // namespace ohmira
