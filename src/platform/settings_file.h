#pragma once
// The settings file: an INI file read and written with the semantics of the private-profile
// functions the program relies on. Section and key names compare without regard to case
// (Latin-1 accents folded too); values are the text after "=", blanks trimmed; a missing file,
// section or key gives the default. CR, LF and CR LF all end a line. Writes keep every other
// line, comment and their order byte for byte and replace the file completely or not at all;
// a file the user may not write is left alone. Windows-1252 on disk when every line fits in it,
// else UTF-8; UTF-8 in memory.
//
// For many keys at once, load a `SettingsFile` once and use get/set: the file is parsed once.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace ohmira {

inline constexpr const char *SettingsFileName = "Ohmira6.ini";

// "$XDG_CONFIG_HOME/Ohmira6.ini", with "~/.config" when the variable is unset or empty.
std::string settings_file_path();

// The value of the key, or the default when the file, section or key is missing. With
// max_chars > 0 the result is cut to that many characters.
std::string read_profile_string(std::string_view section, std::string_view key,
                                std::string_view default_value, std::size_t max_chars = 0,
                                std::string_view file = {});

// Creates the file, section and key as needed and replaces the value. False when the file could
// not be written (the old file is then untouched).
bool write_profile_string(std::string_view section, std::string_view key, std::string_view value,
                          std::string_view file = {});

// Names compare equal when they differ only by letter case (ASCII and Latin-1 letters).
bool names_equal(std::string_view a, std::string_view b);

// The file in memory, for several reads or writes at once.
class SettingsFile {
public:
    SettingsFile() = default;
    // Reads the file; a missing or unreadable file gives an empty one.
    static SettingsFile load(std::string_view path);
    // The file to update: a missing file gives an empty one, a file that exists but cannot be
    // read gives nothing (it must not be replaced by one holding only the new keys).
    static std::optional<SettingsFile> load_for_update(std::string_view path);
    // Parses the text (UTF-8).
    static SettingsFile parse(std::string_view text);

    std::optional<std::string> get(std::string_view section, std::string_view key) const;
    void set(std::string_view section, std::string_view key, std::string_view value);

    // The text with CR LF line ends (UTF-8).
    std::string text() const;
    // The bytes written to disk: Windows-1252 when every character has a byte there, else the
    // UTF-8 text unchanged (a "?" in place of a character would corrupt the line).
    std::string file_bytes() const;
    // Writes the bytes beside the path and renames over it. False, with nothing written, when
    // the existing file may not be written by the user or the write fails.
    bool save(std::string_view path) const;

private:
    enum class Kind : unsigned char { Other, Section, Key };
    struct Line {
        std::string raw; // the line as read, without its line end
        Kind kind = Kind::Other;
        std::size_t name = 0; // id of the section's folded name (its own, or the one it is in)
    };
    void add_line(std::string_view raw, std::size_t &current);
    void reindex() const;
    std::size_t name_id(const std::u32string &folded);

    std::vector<Line> lines_;
    std::vector<std::u32string> names_{std::u32string()}; // folded section names; id 0 = none
    std::unordered_map<std::u32string, std::size_t> name_ids_;
    // Folded "section \x1F key" to the first line of that key, and section name id to the first
    // header of that section; rebuilt after a line is inserted.
    mutable std::unordered_map<std::u32string, std::size_t> keys_;
    mutable std::unordered_map<std::size_t, std::size_t> sections_;
    mutable bool index_valid_ = false;
};

} // namespace ohmira
