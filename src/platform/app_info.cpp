#include "platform/app_info.h"

#include <filesystem>
#include <system_error>

namespace ohmira {

std::string app_version() {
    return std::to_string(AppInfo::Major) + "." + std::to_string(AppInfo::Minor) + "." +
           std::to_string(AppInfo::Revision);
}

namespace {
std::string &app_path_override() {
    static std::string folder;
    return folder;
}
} // namespace

void set_app_path(const std::string &folder) {
    app_path_override() = folder.empty() || folder.back() == '/' ? folder : folder + '/';
}

std::string app_path() {
    if (!app_path_override().empty())
        return app_path_override();
    std::error_code ec;
    auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec || exe.empty())
        return "./";
    std::string dir = exe.parent_path().string();
    if (dir.empty() || dir.back() != '/')
        dir += '/';
    return dir;
}

} // namespace ohmira
