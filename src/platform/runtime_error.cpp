#include "platform/runtime_error.h"

#include <array>

namespace ohmira {

namespace {

struct ErrorText {
    int number;
    const char *text;
};

// The descriptions of the error numbers; "Error nb  53  File not found happens" is built from
// them.
constexpr std::array<ErrorText, 21> error_texts{{
    {5, "Invalid procedure call or argument"},
    {6, "Overflow"},
    {7, "Out of memory"},
    {9, "Subscript out of range"},
    {11, "Division by zero"},
    {13, "Type mismatch"},
    {52, "Bad file name or number"},
    {53, "File not found"},
    {54, "Bad file mode"},
    {55, "File already open"},
    {57, "Device I/O error"},
    {58, "File already exists"},
    {61, "Disk full"},
    {62, "Input past end of file"},
    {64, "Bad file name"},
    {67, "Too many files"},
    {68, "Device unavailable"},
    {70, "Permission denied"},
    {71, "Disk not ready"},
    {75, "Path/File access error"},
    {76, "Path not found"},
}};

} // namespace

std::string error_description(int number) {
    for (const auto &e : error_texts)
        if (e.number == number)
            return e.text;
    return "Application-defined or object-defined error";
}

RuntimeError::RuntimeError(int number)
    : std::runtime_error(error_description(number)), number(number) {}

RuntimeError::RuntimeError(int number, const std::string &detail)
    : std::runtime_error(error_description(number) + ": " + detail), number(number) {}

} // namespace ohmira
