#include "platform/app_info.h"

#include <filesystem>
#include <system_error>

namespace ohmira {

std::string app_version()
{
    return std::to_string(AppInfo::Major) + "." + std::to_string(AppInfo::Minor) + "." +
           std::to_string(AppInfo::Revision);
}

std::string app_path()
{
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
