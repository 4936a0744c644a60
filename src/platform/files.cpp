#include "platform/files.h"

#include "platform/text_fold.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace ohmira {

namespace fs = std::filesystem;

namespace {

bool has_wildcard(std::string_view s) {
    return s.find_first_of("*?") != std::string_view::npos;
}

bool match_from(const std::u32string &p, std::size_t pi, const std::u32string &n, std::size_t ni) {
    // Iterative matcher with one backtrack point for the last "*".
    std::size_t star = std::u32string::npos, mark = 0;
    while (ni < n.size()) {
        if (pi < p.size() && (p[pi] == U'?' || p[pi] == n[ni])) {
            ++pi;
            ++ni;
        } else if (pi < p.size() && p[pi] == U'*') {
            star = pi++;
            mark = ni;
        } else if (star != std::u32string::npos) {
            pi = star + 1;
            ni = ++mark;
        } else {
            return false;
        }
    }
    while (pi < p.size() && p[pi] == U'*')
        ++pi;
    return pi == p.size();
}

bool is_visible_regular(const fs::path &p) {
    std::string name = p.filename().string();
    if (name.empty() || name.front() == '.')
        return false;
    std::error_code ec;
    return fs::is_regular_file(p, ec);
}

} // namespace

bool wildcard_match(std::string_view pattern, std::string_view name) {
    if (pattern == "*.*" || pattern == "*")
        return true;
    return match_from(fold_case(pattern), 0, fold_case(name), 0);
}

std::string folder_of(std::string_view path) {
    auto slash = path.rfind('/');
    return slash == std::string_view::npos ? std::string() : std::string(path.substr(0, slash + 1));
}

std::string name_of(std::string_view path) {
    auto slash = path.rfind('/');
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::vector<std::string> list_files(std::string_view pattern) {
    std::vector<std::string> names;
    std::string folder = folder_of(pattern);
    std::string name_pattern = name_of(pattern);
    std::error_code ec;
    if (!name_pattern.empty() && !has_wildcard(name_pattern) &&
        fs::is_directory(fs::path(std::string(pattern)), ec)) {
        folder = std::string(pattern) + "/";
        name_pattern.clear();
    }
    std::string_view match = name_pattern.empty() ? std::string_view("*") : name_pattern;
    fs::path dir = folder.empty() ? fs::path(".") : fs::path(folder);
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        if (!is_visible_regular(it->path()))
            continue;
        std::string name = it->path().filename().string();
        if (wildcard_match(match, name))
            names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

bool file_exists(std::string_view path) {
    if (path.empty())
        return false;
    std::string name = name_of(path);
    if (name.empty())
        return false;
    if (has_wildcard(name))
        return !list_files(path).empty();
    return is_visible_regular(fs::path(std::string(path)));
}

std::optional<std::int64_t> file_length(std::string_view path) {
    std::error_code ec;
    fs::path p{std::string(path)};
    if (!fs::is_regular_file(p, ec))
        return std::nullopt;
    auto size = fs::file_size(p, ec);
    if (ec)
        return std::nullopt;
    return static_cast<std::int64_t>(size);
}

bool delete_file(std::string_view path) {
    std::error_code ec;
    fs::path p{std::string(path)};
    if (!fs::is_regular_file(fs::symlink_status(p, ec)) && !fs::is_symlink(p, ec))
        return false;
    return fs::remove(p, ec) && !ec;
}

bool rename_file(std::string_view from, std::string_view to) {
    std::string source(from), target(to);
    struct stat st {};
    if (::lstat(source.c_str(), &st) != 0)
        return false;
    // Hard-link then unlink: link() fails when the target exists, so no file is ever replaced,
    // not even one created between a check and the rename.
    if (::link(source.c_str(), target.c_str()) == 0) {
        if (::unlink(source.c_str()) != 0) {
            ::unlink(target.c_str());
            return false;
        }
        return true;
    }
    if (errno == EEXIST)
        return false;
    // Folders and file systems without hard links: check, then rename.
    if (::lstat(target.c_str(), &st) == 0 || errno != ENOENT)
        return false;
    return std::rename(source.c_str(), target.c_str()) == 0;
}

bool readable_regular_file(std::string_view path) {
    if (path.empty())
        return false;
    const std::string p(path);
    std::error_code ec;
    const auto status = fs::status(p, ec);
    if (ec || !fs::is_regular_file(status))
        return false;
    const auto size = fs::file_size(p, ec);
    if (ec || size > static_cast<std::uintmax_t>(Max_Readable_File_Bytes))
        return false;
    return ::access(p.c_str(), R_OK) == 0;
}

std::optional<std::string> read_file(std::string_view path) {
    std::FILE *f = std::fopen(std::string(path).c_str(), "rb");
    if (!f)
        return std::nullopt;
    std::string bytes;
    char buffer[65536];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0)
        bytes.append(buffer, n);
    bool failed = std::ferror(f) != 0;
    std::fclose(f);
    if (failed)
        return std::nullopt;
    return bytes;
}

bool write_file_atomically(std::string_view path, std::string_view bytes) {
    std::string target(path);
    std::error_code ec;
    // A linked file (settings kept elsewhere) is replaced where the link points, link kept.
    if (fs::is_symlink(fs::path(target), ec)) {
        fs::path real = fs::weakly_canonical(fs::path(target), ec);
        if (ec)
            return false;
        target = real.string();
    }
    fs::path parent = fs::path(target).parent_path();
    if (!parent.empty())
        fs::create_directories(parent, ec);
    std::string temp = target + ".XXXXXX";
    int fd = ::mkstemp(temp.data());
    if (fd < 0)
        return false;
    bool ok = true;
    std::size_t done = 0;
    while (ok && done < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            ok = false;
        else
            done += static_cast<std::size_t>(n);
    }
    // Keep the permissions of the file being replaced; a new file gets the usual 0666 & ~umask.
    struct stat st {};
    mode_t mode;
    if (::stat(target.c_str(), &st) == 0) {
        mode = st.st_mode & 07777;
    } else {
        mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    ok = ok && ::fchmod(fd, mode) == 0;
    ok = ok && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    if (ok && std::rename(temp.c_str(), target.c_str()) == 0)
        return true;
    ::unlink(temp.c_str());
    return false;
}

} // namespace ohmira
