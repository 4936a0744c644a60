#pragma once
// The settings file: an INI file read and written with the semantics of the private-profile
// functions the program relies on. Section and key names compare without regard to case
// (Latin-1 accents folded too); values are the text after "=", blanks trimmed; a missing file,
// section or key gives the default. Writes keep every other line, comment and their order and
// replace the file completely or not at all. Windows-1252 on disk, UTF-8 in memory.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
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
    // Parses the text (UTF-8).
    static SettingsFile parse(std::string_view text);

    std::optional<std::string> get(std::string_view section, std::string_view key) const;
    void set(std::string_view section, std::string_view key, std::string_view value);

    // The text with CR LF line ends (UTF-8).
    std::string text() const;
    // Writes Windows-1252 bytes beside the path and renames over it.
    bool save(std::string_view path) const;

private:
    struct Line {
        std::string raw;     // the line as read, without its line end
        std::string section; // section name when this line opens a section
        std::string key;     // key name when this line is a key line
        bool is_section = false;
        bool is_key = false;
    };
    std::vector<Line> lines_;
};

} // namespace ohmira
