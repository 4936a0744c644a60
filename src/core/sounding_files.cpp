#include "core/sounding_files.h"

#include <filesystem>
#include <system_error>
#include <unistd.h>

namespace ohmira {

bool sounding_file_readable(const std::string &path) {
    if (path.empty())
        return false;
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (ec || !std::filesystem::is_regular_file(status))
        return false;
    const auto size = std::filesystem::file_size(path, ec);
    if (ec || size > static_cast<std::uintmax_t>(Max_Sounding_File_Bytes))
        return false;
    return ::access(path.c_str(), R_OK) == 0;
}

} // namespace ohmira
