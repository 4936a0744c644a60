#include "platform/single_instance.h"

#include "platform/app_info.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <sys/file.h>
#include <unistd.h>

namespace ohmira {

namespace {

// Fallback where file locks are not supported: the PID in the file tells whether its owner runs.
bool owner_alive(int fd) {
    char buffer[32] = {};
    ssize_t n = ::pread(fd, buffer, sizeof buffer - 1, 0);
    if (n <= 0)
        return false;
    char *end = nullptr;
    long pid = std::strtol(buffer, &end, 10);
    if (end == buffer || pid <= 0 || pid == ::getpid())
        return false;
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

void write_pid(int fd) {
    std::string pid = std::to_string(::getpid()) + "\n";
    if (::ftruncate(fd, 0) == 0)
        (void)!::pwrite(fd, pid.data(), pid.size(), 0);
}

} // namespace

std::string instance_lock_path() {
    const char *runtime = std::getenv("XDG_RUNTIME_DIR");
    std::string name = std::string(AppInfo::Title);
    if (runtime && *runtime == '/')
        return std::string(runtime) + "/" + name + ".lock";
    return "/tmp/" + name + "-" + std::to_string(::getuid()) + ".lock";
}

InstanceLock::InstanceLock(std::string path) : path_(std::move(path)) {}

InstanceLock::~InstanceLock() {
    release();
}

bool InstanceLock::acquire() {
    if (fd_ >= 0)
        return true;
    int fd = ::open(path_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0)
        return true; // no lock possible: do not stop the user from working
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        bool busy = errno == EWOULDBLOCK;
        if (busy || owner_alive(fd)) {
            ::close(fd);
            return false;
        }
    }
    write_pid(fd);
    fd_ = fd;
    return true;
}

void InstanceLock::release() {
    if (fd_ < 0)
        return;
    // Empty the file before unlocking so a copy starting now never reads a stale PID.
    (void)!::ftruncate(fd_, 0);
    ::flock(fd_, LOCK_UN);
    ::close(fd_);
    fd_ = -1;
}

namespace {
std::function<bool()> &previous_instance_check() {
    static std::function<bool()> check;
    return check;
}
} // namespace

void set_previous_instance_check(std::function<bool()> check) {
    previous_instance_check() = std::move(check);
}

bool PrevInstance() {
    if (previous_instance_check())
        return previous_instance_check()();
    static InstanceLock lock;
    static const bool other = !lock.acquire();
    return other;
}

} // namespace ohmira
