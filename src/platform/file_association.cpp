#include "platform/file_association.h"

#include "platform/files.h"
#include "platform/shell_open.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace ohmira {

namespace {

struct MimeOfExtension {
    std::string_view extension; // lower case
    std::string_view mime;
};

constexpr MimeOfExtension mime_types[] = {
    {"pdf", "application/pdf"}, {"txt", "text/plain"}, {"htm", "text/html"},
    {"html", "text/html"},      {"png", "image/png"},  {"wmf", "image/wmf"},
};

std::function<std::string(std::string_view)> &association_source() {
    static std::function<std::string(std::string_view)> source;
    return source;
}

// Runs a program and returns its standard output; "" when it cannot run or fails.
std::string output_of(const std::vector<std::string> &argv) {
    int pipefd[2];
    if (::pipe2(pipefd, O_CLOEXEC) != 0)
        return {};
    pid_t child = ::fork();
    if (child < 0) {
        ::close(pipefd[0]);
        ::close(pipefd[1]);
        return {};
    }
    if (child == 0) {
        ::dup2(pipefd[1], STDOUT_FILENO);
        int null = ::open("/dev/null", O_WRONLY);
        if (null >= 0)
            ::dup2(null, STDERR_FILENO);
        std::vector<char *> args;
        for (const auto &a : argv)
            args.push_back(const_cast<char *>(a.c_str()));
        args.push_back(nullptr);
        ::execv(args[0], args.data());
        ::_exit(127);
    }
    ::close(pipefd[1]);
    std::string out;
    char buffer[512];
    ssize_t n;
    while ((n = ::read(pipefd[0], buffer, sizeof buffer)) != 0) {
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            break;
        out.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(pipefd[0]);
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return {};
    while (!out.empty() && (out.back() == '\n' || out.back() == '\r' || out.back() == ' '))
        out.pop_back();
    return out;
}

std::vector<std::string> application_folders() {
    std::vector<std::string> folders;
    const char *data_home = std::getenv("XDG_DATA_HOME");
    const char *home = std::getenv("HOME");
    if (data_home && *data_home == '/')
        folders.push_back(std::string(data_home) + "/applications/");
    else if (home && *home)
        folders.push_back(std::string(home) + "/.local/share/applications/");
    const char *dirs = std::getenv("XDG_DATA_DIRS");
    std::string_view list = dirs && *dirs ? dirs : "/usr/local/share:/usr/share";
    while (!list.empty()) {
        auto colon = list.find(':');
        std::string_view dir = list.substr(0, colon);
        if (!dir.empty())
            folders.push_back(std::string(dir) + "/applications/");
        list = colon == std::string_view::npos ? std::string_view{} : list.substr(colon + 1);
    }
    return folders;
}

// First word of an Exec value, with its quotes removed.
std::string first_word(std::string_view exec) {
    auto start = exec.find_first_not_of(' ');
    if (start == std::string_view::npos)
        return {};
    exec.remove_prefix(start);
    if (exec.front() == '"') {
        auto close = exec.find('"', 1);
        return std::string(exec.substr(1, close == std::string_view::npos ? close : close - 1));
    }
    return std::string(exec.substr(0, exec.find(' ')));
}

std::string default_lookup(std::string_view extension) {
    std::string mime = mime_type_of_extension(extension);
    std::string xdg_mime = find_program("xdg-mime");
    if (mime.empty() || xdg_mime.empty())
        return {};
    std::string desktop_id = output_of({xdg_mime, "query", "default", mime});
    // Several entries may be listed; the first is the default.
    desktop_id = desktop_id.substr(0, desktop_id.find_first_of(";\n"));
    return desktop_id.empty() ? std::string() : program_of_desktop_entry(desktop_id);
}

} // namespace

std::string mime_type_of_extension(std::string_view extension) {
    if (!extension.empty() && extension.front() == '.')
        extension.remove_prefix(1);
    std::string lower(extension);
    for (char &c : lower)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c + 32);
    for (const MimeOfExtension &m : mime_types)
        if (m.extension == lower)
            return std::string(m.mime);
    return {};
}

std::string program_of_desktop_entry(std::string_view desktop_id) {
    if (desktop_id.empty() || desktop_id.find('/') != std::string_view::npos)
        return {};
    for (const std::string &folder : application_folders()) {
        std::optional<std::string> text = read_file(folder + std::string(desktop_id));
        if (!text)
            continue;
        bool in_entry = false;
        std::string_view rest = *text;
        while (!rest.empty()) {
            auto end = rest.find('\n');
            std::string_view line = rest.substr(0, end);
            rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
            if (!line.empty() && line.back() == '\r')
                line.remove_suffix(1);
            if (!line.empty() && line.front() == '[')
                in_entry = line == "[Desktop Entry]";
            else if (in_entry && line.substr(0, 5) == "Exec=")
                return find_program(first_word(line.substr(5)));
        }
        return {};
    }
    return {};
}

std::string find_associated_program(std::string_view extension) {
    if (association_source())
        return association_source()(extension);
    return default_lookup(extension);
}

void set_association_source(std::function<std::string(std::string_view extension)> source) {
    association_source() = std::move(source);
}

} // namespace ohmira
