#include "platform/settings_file.h"

#include "platform/cp1252.h"
#include "platform/files.h"
#include "platform/text_fold.h"

#include <cstdlib>
#include <pwd.h>
#include <unistd.h>

namespace ohmira {

namespace {

constexpr std::string_view blanks = " \t";

std::string_view trim(std::string_view s) {
    auto first = s.find_first_not_of(blanks);
    if (first == std::string_view::npos)
        return {};
    auto last = s.find_last_not_of(blanks);
    return s.substr(first, last - first + 1);
}

// A value enclosed in matching single or double quotes loses them, as the profile functions do.
std::string_view unquote(std::string_view v) {
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        return v.substr(1, v.size() - 2);
    return v;
}

std::string cut_chars(std::string value, std::size_t max_chars) {
    std::size_t chars = 0;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if ((static_cast<unsigned char>(value[i]) & 0xC0) == 0x80)
            continue; // continuation byte
        if (chars == max_chars) {
            value.resize(i);
            break;
        }
        ++chars;
    }
    return value;
}

// A value holding a line break would split into lines of its own and corrupt the file.
std::string single_line(std::string_view value) {
    std::string out(value);
    for (char &c : out)
        if (c == '\r' || c == '\n')
            c = ' ';
    return out;
}

std::string home_folder() {
    const char *home = std::getenv("HOME");
    if (home && *home)
        return home;
    if (const passwd *pw = ::getpwuid(::getuid()); pw && pw->pw_dir)
        return pw->pw_dir;
    return ".";
}

std::string resolve(std::string_view file) {
    return file.empty() ? settings_file_path() : std::string(file);
}

} // namespace

bool names_equal(std::string_view a, std::string_view b) {
    return fold_case(a) == fold_case(b);
}

std::string settings_file_path() {
    std::string folder;
    const char *config = std::getenv("XDG_CONFIG_HOME");
    if (config && *config == '/')
        folder = config;
    else
        folder = home_folder() + "/.config";
    if (folder.back() != '/')
        folder += '/';
    return folder + SettingsFileName;
}

SettingsFile SettingsFile::parse(std::string_view text) {
    SettingsFile file;
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);
    std::string current;
    while (!text.empty()) {
        auto end = text.find('\n');
        std::string_view raw = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        if (!raw.empty() && raw.back() == '\r')
            raw.remove_suffix(1);

        Line line;
        line.raw = std::string(raw);
        std::string_view body = trim(raw);
        if (!body.empty() && body.front() == '[') {
            auto close = body.find(']');
            current = std::string(trim(body.substr(
                1, close == std::string_view::npos ? std::string_view::npos : close - 1)));
            line.is_section = true;
            line.section = current;
        } else if (!body.empty() && body.front() != ';') {
            auto eq = body.find('=');
            if (eq != std::string_view::npos) {
                line.is_key = true;
                line.section = current;
                line.key = std::string(trim(body.substr(0, eq)));
            }
        }
        file.lines_.push_back(std::move(line));
    }
    return file;
}

SettingsFile SettingsFile::load(std::string_view path) {
    std::optional<std::string> bytes = read_file(path);
    if (!bytes)
        return {};
    // Files written by this program are Windows-1252; one saved as UTF-8 by an editor is
    // recognised so that its accented keys still match.
    if (looks_like_utf8(*bytes))
        return parse(*bytes);
    return parse(cp1252_to_utf8(*bytes));
}

std::optional<std::string> SettingsFile::get(std::string_view section, std::string_view key) const {
    std::u32string s = fold_case(section), k = fold_case(key);
    for (const Line &line : lines_) {
        if (line.is_key && fold_case(line.section) == s && fold_case(line.key) == k) {
            std::string_view raw = line.raw;
            std::string_view value = trim(raw.substr(raw.find('=') + 1));
            return std::string(unquote(value));
        }
    }
    return std::nullopt;
}

void SettingsFile::set(std::string_view section, std::string_view key, std::string_view value) {
    std::u32string s = fold_case(section), k = fold_case(key);
    std::string clean = single_line(value);
    std::size_t section_line = lines_.size();
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        Line &line = lines_[i];
        if (line.is_section && section_line == lines_.size() && fold_case(line.section) == s)
            section_line = i;
        if (line.is_key && fold_case(line.section) == s && fold_case(line.key) == k) {
            line.raw = line.key + "=" + clean;
            return;
        }
    }

    Line added;
    added.is_key = true;
    added.key = std::string(key);
    added.raw = added.key + "=" + clean;

    if (section_line == lines_.size()) {
        if (!lines_.empty() && !trim(lines_.back().raw).empty())
            lines_.push_back({});
        Line header;
        header.is_section = true;
        header.section = std::string(section);
        header.raw = "[" + header.section + "]";
        lines_.push_back(std::move(header));
        added.section = std::string(section);
        lines_.push_back(std::move(added));
        return;
    }

    // New key after the last non-blank line of the section, before the blank lines that
    // separate it from the next one.
    added.section = lines_[section_line].section;
    std::size_t insert = section_line + 1;
    for (std::size_t i = section_line + 1; i < lines_.size() && !lines_[i].is_section; ++i)
        if (!trim(lines_[i].raw).empty())
            insert = i + 1;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insert), std::move(added));
}

std::string SettingsFile::text() const {
    std::string out;
    for (const Line &line : lines_) {
        out += line.raw;
        out += "\r\n";
    }
    return out;
}

bool SettingsFile::save(std::string_view path) const {
    return write_file_atomically(path, utf8_to_cp1252(text()));
}

std::string read_profile_string(std::string_view section, std::string_view key,
                                std::string_view default_value, std::size_t max_chars,
                                std::string_view file) {
    SettingsFile settings = SettingsFile::load(resolve(file));
    std::string value = settings.get(section, key).value_or(std::string(default_value));
    return max_chars > 0 ? cut_chars(std::move(value), max_chars) : value;
}

bool write_profile_string(std::string_view section, std::string_view key, std::string_view value,
                          std::string_view file) {
    std::string path = resolve(file);
    // A file that exists but cannot be read must not be replaced by one holding a single key.
    if (::access(path.c_str(), F_OK) == 0 && !read_file(path))
        return false;
    SettingsFile settings = SettingsFile::load(path);
    settings.set(section, key, value);
    return settings.save(path);
}

} // namespace ohmira
