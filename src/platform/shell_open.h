#pragma once
// The desktop's "open" for documents, URLs and programs, with the result code the program tests:
// above 32 means success. Launching goes through a replaceable launcher so the Qt layer can use
// its desktop services and tests can record what would be launched.
#include <functional>
#include <string>
#include <string_view>

namespace ohmira {

inline constexpr int ShellOk = 42;
inline constexpr int ShellFileNotFound = 2;
inline constexpr int ShellNoAssociation = 31;

struct ShellRequest {
    std::string target;     // document, URL ("mailto:...", "https://...") or program
    std::string parameters; // passed to a program as one argument, "" for none
    std::string directory;  // working folder, "" for the current one
    int show = 1;           // window show code; advisory
};

using ShellLauncher = std::function<int(const ShellRequest &)>;

// Opens the target; returns > 32 on success, <= 32 on failure.
int shell_open(std::string_view target, std::string_view parameters = "",
               std::string_view directory = "", int show = 1);

// Installs a launcher and returns the previous one; an empty function restores the default,
// which runs a program directly and hands documents and URLs to xdg-open (no shell involved).
ShellLauncher set_shell_launcher(ShellLauncher launcher);

// The default launcher, for a replacement that wants to fall back to it.
int launch_with_desktop(const ShellRequest &request);

// Full path of a program found in PATH (or the path itself when it names an executable file);
// "" when none.
std::string find_program(std::string_view name);

} // namespace ohmira
