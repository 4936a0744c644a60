#pragma once
// Files as the program uses them: existence with wildcards, length, deletion, a rename that never
// replaces a file, directory search, and whole files written completely or not at all.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ohmira {

// Wildcard match of a bare file name: "*" any run, "?" one character; letters compared without
// regard to case (Latin-1 accents folded too). "*.*" matches every name, with or without a dot.
bool wildcard_match(std::string_view pattern, std::string_view name);

// True when the path names a regular, visible file; the last path component may hold wildcards,
// and then any matching file counts. Folders and hidden files (leading ".") never count.
bool file_exists(std::string_view path);

// Names (without folder) of the regular visible files matching the pattern's last component,
// sorted; "" or a folder alone lists every file of that folder.
std::vector<std::string> list_files(std::string_view pattern);

// Length in bytes; nullopt when the file cannot be read.
std::optional<std::int64_t> file_length(std::string_view path);

// Deletes a regular file; false when there was none or it could not be removed.
bool delete_file(std::string_view path);

// Renames; refuses (false) when the target already exists or the source is missing.
bool rename_file(std::string_view from, std::string_view to);

// The largest file a user may hand us that the program reads (soundings, profiles, settings):
// such files are a few kilobytes.
inline constexpr std::int64_t Max_Readable_File_Bytes = 16LL * 1024 * 1024;

// True when path names a regular file that can be read and is no larger than
// Max_Readable_File_Bytes: a FIFO or a device would block or never end.
bool readable_regular_file(std::string_view path);

// Whole file as bytes; nullopt when it cannot be read.
std::optional<std::string> read_file(std::string_view path);

// Writes the bytes beside the target and renames over it, so a failed write leaves the old
// file untouched. Creates missing parent folders. False on any failure.
bool write_file_atomically(std::string_view path, std::string_view bytes);

// Folder part of a path with its trailing "/", "" when there is none; name part after it.
std::string folder_of(std::string_view path);
std::string name_of(std::string_view path);

} // namespace ohmira
