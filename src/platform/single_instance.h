#pragma once
// Detects a second running copy of the program through a lock file in the user's runtime folder.
// The lock is a kernel file lock, released when its process ends however it ends, so a lock file
// left behind by a crashed copy is simply taken over; the file also holds the owner's PID.
#include <functional>
#include <string>

namespace ohmira {

// "$XDG_RUNTIME_DIR/Ohmira.lock", or "/tmp/Ohmira-<uid>.lock" without a runtime folder.
std::string instance_lock_path();

class InstanceLock {
public:
    explicit InstanceLock(std::string path = instance_lock_path());
    ~InstanceLock();
    InstanceLock(const InstanceLock &) = delete;
    InstanceLock &operator=(const InstanceLock &) = delete;

    // Takes the lock; false when another running copy holds it.
    bool acquire();
    void release();
    bool held() const { return fd_ >= 0; }
    const std::string &path() const { return path_; }

private:
    std::string path_;
    int fd_ = -1;
};

// The program's previous-instance flag: true when another copy holds the lock. The first call
// takes the lock for this process and keeps it until exit.
bool PrevInstance();

// Replaces how PrevInstance answers (tests); an empty function restores the lock.
void set_previous_instance_check(std::function<bool()> check);

} // namespace ohmira
