#pragma once
// Runs a step as a user who obeys file permissions, also when the tests run as root: in a child
// process that has given up the capabilities overriding them (root's access() asks the permitted
// ones, so they are dropped for good, which only a child can afford). Returns the step's result,
// 0 to 254, or nothing when the child could not drop them or did not end normally.
#include <linux/capability.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <optional>

namespace ohmira {

inline std::optional<int> run_unprivileged(const std::function<int()> &step) {
    constexpr int cannot_drop = 255;
    const pid_t child = ::fork();
    if (child < 0)
        return std::nullopt;
    if (child == 0) {
        __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
        __user_cap_data_struct data[2] = {};
        if (::syscall(SYS_capget, &header, data) != 0)
            ::_exit(cannot_drop);
        for (const int cap : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH}) {
            const unsigned bit = 1u << (cap % 32);
            data[cap / 32].effective &= ~bit;
            data[cap / 32].permitted &= ~bit;
            data[cap / 32].inheritable &= ~bit;
        }
        if (::syscall(SYS_capset, &header, data) != 0)
            ::_exit(cannot_drop);
        ::_exit(step() & 0xFF);
    }
    int status = 0;
    if (::waitpid(child, &status, 0) != child || !WIFEXITED(status) ||
        WEXITSTATUS(status) == cannot_drop)
        return std::nullopt;
    return WEXITSTATUS(status);
}

} // namespace ohmira
