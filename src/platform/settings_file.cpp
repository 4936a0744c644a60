#include "platform/settings_file.h"

#include "platform/cp1252.h"
#include "platform/files.h"
#include "platform/text_fold.h"

#include <cstdlib>
#include <pwd.h>
#include <sys/stat.h>
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

std::size_t SettingsFile::name_id(const std::u32string &folded) {
    auto [it, added] = name_ids_.try_emplace(folded, names_.size());
    if (added)
        names_.push_back(folded);
    return it->second;
}

void SettingsFile::add_line(std::string_view raw, std::size_t &current) {
    Line line;
    line.raw = std::string(raw);
    std::string_view body = trim(raw);
    if (!body.empty() && body.front() == '[') {
        auto close = body.find(']');
        current = name_id(fold_case(trim(
            body.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1))));
        line.kind = Kind::Section;
    } else if (!body.empty() && body.front() != ';' && body.find('=') != std::string_view::npos) {
        line.kind = Kind::Key;
    }
    line.name = current;
    lines_.push_back(std::move(line));
}

SettingsFile SettingsFile::parse(std::string_view text) {
    SettingsFile file;
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);
    std::size_t current = 0;
    while (!text.empty()) {
        // CR, LF and CR LF each end a line.
        auto end = text.find_first_of("\r\n");
        file.add_line(text.substr(0, end), current);
        if (end == std::string_view::npos)
            break;
        const bool crlf = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
        text.remove_prefix(end + (crlf ? 2 : 1));
    }
    return file;
}

SettingsFile SettingsFile::load(std::string_view path) {
    // A FIFO, a device or a huge file is no settings file: the defaults stand.
    if (!readable_regular_file(path))
        return {};
    std::optional<std::string> bytes = read_file(path);
    if (!bytes)
        return {};
    // Files written by this program are Windows-1252 unless a value needed UTF-8; one saved as
    // UTF-8 by an editor is recognised too, so that its accented keys still match.
    if (looks_like_utf8(*bytes))
        return parse(*bytes);
    return parse(cp1252_to_utf8(*bytes));
}

std::optional<SettingsFile> SettingsFile::load_for_update(std::string_view path) {
    const std::string p(path);
    // Something there that cannot be read as a settings file is never replaced.
    if (::access(p.c_str(), F_OK) == 0 && (!readable_regular_file(path) || !read_file(path)))
        return std::nullopt;
    return load(path);
}

namespace {

std::string_view key_of(std::string_view raw) {
    return trim(raw.substr(0, raw.find('=')));
}

std::u32string index_key(const std::u32string &section, std::string_view key) {
    std::u32string k = section;
    k += U'\x1F';
    k += fold_case(key);
    return k;
}

} // namespace

void SettingsFile::reindex() const {
    if (index_valid_)
        return;
    keys_.clear();
    sections_.clear();
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const Line &line = lines_[i];
        if (line.kind == Kind::Section)
            sections_.try_emplace(line.name, i);
        else if (line.kind == Kind::Key)
            keys_.try_emplace(index_key(names_[line.name], key_of(line.raw)), i);
    }
    index_valid_ = true;
}

std::optional<std::string> SettingsFile::get(std::string_view section, std::string_view key) const {
    reindex();
    auto it = keys_.find(index_key(fold_case(section), key));
    if (it == keys_.end())
        return std::nullopt;
    std::string_view raw = lines_[it->second].raw;
    std::string_view value = trim(raw.substr(raw.find('=') + 1));
    return std::string(unquote(value));
}

void SettingsFile::set(std::string_view section, std::string_view key, std::string_view value) {
    reindex();
    const std::u32string folded_section = fold_case(section);
    std::string clean = single_line(value);
    // A value the reader would unquote is quoted once more, so it reads back as it was written.
    if (unquote(clean).size() != clean.size())
        clean = '"' + clean + '"';
    if (auto it = keys_.find(index_key(folded_section, key)); it != keys_.end()) {
        Line &line = lines_[it->second];
        line.raw = std::string(key_of(line.raw)) + "=" + clean;
        return;
    }

    const std::size_t id = name_id(folded_section);
    Line added;
    added.kind = Kind::Key;
    added.name = id;
    added.raw = std::string(key) + "=" + clean;

    auto header = sections_.find(id);
    if (header == sections_.end()) {
        if (!lines_.empty() && !trim(lines_.back().raw).empty())
            lines_.push_back({});
        Line opening;
        opening.kind = Kind::Section;
        opening.name = id;
        opening.raw = "[" + std::string(section) + "]";
        sections_.emplace(id, lines_.size());
        lines_.push_back(std::move(opening));
        keys_.emplace(index_key(folded_section, key), lines_.size());
        lines_.push_back(std::move(added));
        return;
    }

    // New key after the last non-blank line of the section, before the blank lines that
    // separate it from the next one.
    std::size_t insert = header->second + 1;
    for (std::size_t i = header->second + 1; i < lines_.size() && lines_[i].kind != Kind::Section;
         ++i)
        if (!trim(lines_[i].raw).empty())
            insert = i + 1;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insert), std::move(added));
    // The lines after it moved down by one.
    for (auto &entry : keys_)
        if (entry.second >= insert)
            ++entry.second;
    for (auto &entry : sections_)
        if (entry.second >= insert)
            ++entry.second;
    keys_.emplace(index_key(folded_section, key), insert);
}

std::string SettingsFile::text() const {
    std::string out;
    for (const Line &line : lines_) {
        out += line.raw;
        out += "\r\n";
    }
    return out;
}

std::string SettingsFile::file_bytes() const {
    std::string utf8 = text();
    std::string ansi = utf8_to_cp1252(utf8);
    if (cp1252_to_utf8(ansi) == utf8)
        return ansi;
    return utf8;
}

bool SettingsFile::save(std::string_view path) const {
    const std::string p(path);
    // An existing file the user may not write, or made read-only, stays as it is.
    struct stat st {};
    if (::stat(p.c_str(), &st) == 0 &&
        (::access(p.c_str(), W_OK) != 0 || (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0))
        return false;
    return write_file_atomically(path, file_bytes());
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
    std::optional<SettingsFile> settings = SettingsFile::load_for_update(path);
    if (!settings)
        return false;
    settings->set(section, key, value);
    return settings->save(path);
}

} // namespace ohmira
