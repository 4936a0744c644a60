#pragma once
// The program's identity: title, version and the folder it runs from.
#include <string>

namespace ohmira {

struct AppInfo {
    static constexpr const char *Title = "Ohmira";
    static constexpr int Major = 6;
    static constexpr int Minor = 5;
    static constexpr int Revision = 1;
};

// "6.5.1"
std::string app_version();

// Folder of the running executable, with a trailing "/"; "./" when it cannot be found.
std::string app_path();
// Puts the program's folder elsewhere (tests); an empty folder gives the executable's back.
void set_app_path(const std::string &folder);

} // namespace ohmira
