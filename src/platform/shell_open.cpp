#include "platform/shell_open.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace ohmira {

namespace {

constexpr int ShellAccessDenied = 5;

ShellLauncher &installed_launcher() {
    static ShellLauncher launcher;
    return launcher;
}

std::string trimmed(std::string_view s) {
    auto first = s.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    auto last = s.find_last_not_of(" \t");
    return std::string(s.substr(first, last - first + 1));
}

// "mailto:...", "https://...": a scheme of two or more letters before ":".
bool is_url(std::string_view target) {
    auto colon = target.find(':');
    if (colon == std::string_view::npos || colon < 2)
        return false;
    for (std::size_t i = 0; i < colon; ++i) {
        char c = target[i];
        bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        bool other = (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.';
        if (!letter && !(i > 0 && other))
            return false;
    }
    return true;
}

bool is_executable_file(const std::string &path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) &&
           ::access(path.c_str(), X_OK) == 0;
}

// Starts the program detached (double fork, so no child is left to reap) and reports whether
// it could be started: a close-on-exec pipe carries the errno of a failed exec back.
int spawn(const std::vector<std::string> &argv, const std::string &directory) {
    int pipefd[2];
    if (::pipe2(pipefd, O_CLOEXEC) != 0)
        return ShellFileNotFound;
    pid_t child = ::fork();
    if (child < 0) {
        ::close(pipefd[0]);
        ::close(pipefd[1]);
        return ShellFileNotFound;
    }
    if (child == 0) {
        ::close(pipefd[0]);
        ::setsid();
        pid_t grandchild = ::fork();
        if (grandchild != 0)
            ::_exit(grandchild < 0 ? 1 : 0);
        int error = 0;
        if (!directory.empty() && ::chdir(directory.c_str()) != 0) {
            error = errno;
        } else {
            std::vector<char *> args;
            for (const auto &a : argv)
                args.push_back(const_cast<char *>(a.c_str()));
            args.push_back(nullptr);
            ::execvp(args[0], args.data());
            error = errno;
        }
        (void)!::write(pipefd[1], &error, sizeof error);
        ::_exit(127);
    }
    ::close(pipefd[1]);
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    int error = 0;
    ssize_t n;
    while ((n = ::read(pipefd[0], &error, sizeof error)) < 0 && errno == EINTR) {
    }
    ::close(pipefd[0]);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return ShellFileNotFound;
    if (n == static_cast<ssize_t>(sizeof error))
        return error == EACCES ? ShellAccessDenied : ShellFileNotFound;
    return ShellOk;
}

} // namespace

std::string find_program(std::string_view name) {
    std::string program = trimmed(name);
    if (program.empty())
        return {};
    if (program.find('/') != std::string::npos)
        return is_executable_file(program) ? program : std::string();
    const char *path = std::getenv("PATH");
    std::string_view dirs = path ? path : "/usr/local/bin:/usr/bin:/bin";
    while (true) {
        auto colon = dirs.find(':');
        std::string_view dir = dirs.substr(0, colon);
        std::string candidate =
            std::string(dir.empty() ? std::string_view(".") : dir) + "/" + program;
        if (is_executable_file(candidate))
            return candidate;
        if (colon == std::string_view::npos)
            return {};
        dirs.remove_prefix(colon + 1);
    }
}

int launch_with_desktop(const ShellRequest &request) {
    std::string target = trimmed(request.target);
    if (target.empty())
        return ShellFileNotFound;
    if (!is_url(target)) {
        std::string program = find_program(target);
        if (!program.empty()) {
            std::vector<std::string> argv{program};
            if (!request.parameters.empty())
                argv.push_back(request.parameters);
            return spawn(argv, request.directory);
        }
        if (::access(target.c_str(), F_OK) != 0)
            return ShellFileNotFound;
    }
    std::string opener = find_program("xdg-open");
    if (opener.empty())
        return ShellNoAssociation;
    return spawn({opener, target}, request.directory);
}

ShellLauncher set_shell_launcher(ShellLauncher launcher) {
    ShellLauncher previous = std::move(installed_launcher());
    installed_launcher() = std::move(launcher);
    return previous;
}

int shell_open(std::string_view target, std::string_view parameters, std::string_view directory,
               int show) {
    ShellRequest request{std::string(target), std::string(parameters), std::string(directory),
                         show};
    if (installed_launcher())
        return installed_launcher()(request);
    return launch_with_desktop(request);
}

} // namespace ohmira
