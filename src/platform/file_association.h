#pragma once
// The program the desktop opens a kind of document with, found through the desktop's MIME
// defaults ("xdg-mime query default") and the Exec line of that application's desktop entry.
#include <functional>
#include <string>
#include <string_view>

namespace ohmira {

// Full path of the program associated with the extension ("PDF", "pdf", ".pdf"); "" when the
// desktop names none or it cannot be found.
std::string find_associated_program(std::string_view extension);

// Replaces the lookup (tests, or a desktop layer with its own); an empty function restores it.
void set_association_source(std::function<std::string(std::string_view extension)> source);

// MIME type for an extension the program hands to other programs; "" when unknown.
std::string mime_type_of_extension(std::string_view extension);

// The program of a desktop entry ("okular.desktop") from the user's and the system's
// application folders; "" when the entry or its program is missing.
std::string program_of_desktop_entry(std::string_view desktop_id);

} // namespace ohmira
