#pragma once
// Run-time errors carrying numbers (53 file not found, 6 overflow, 9 index out of range, ...), so
// that a caller picks its message by number (75, 76, 68/70, ...).
#include <stdexcept>
#include <string>

namespace ohmira {

// The error numbers the program's handlers tell apart.
namespace err {
inline constexpr int InvalidCall = 5;    // "Invalid procedure call or argument"
inline constexpr int Overflow = 6;       // number too large for its type
inline constexpr int SubscriptRange = 9; // index beyond a table
inline constexpr int DivisionByZero = 11;
inline constexpr int TypeMismatch = 13; // a text item where a number is expected
inline constexpr int BadFileNameOrNumber = 52;
inline constexpr int FileNotFound = 53;
inline constexpr int BadFileMode = 54; // reading a file opened for writing, or the reverse
inline constexpr int DeviceIO = 57;
inline constexpr int DiskFull = 61;
inline constexpr int InputPastEnd = 62;
inline constexpr int TooManyFiles = 67;
inline constexpr int DeviceUnavailable = 68;
inline constexpr int PermissionDenied = 70;
inline constexpr int PathFileAccess = 75;
inline constexpr int PathNotFound = 76;
} // namespace err

// The description of an error number ("File not found" for 53);
// "Application-defined or object-defined error" for numbers it does not know.
std::string error_description(int number);

// Thrown by the text files and the checked conversions. `what()` is the description.
class RuntimeError : public std::runtime_error {
public:
    explicit RuntimeError(int number);
    RuntimeError(int number, const std::string &detail);
    int number;
};

// File errors are run-time errors with a file-error number (52..76).
using FileError = RuntimeError;

// Runs one statement of a procedure whose failing statements are skipped: an error ends that
// statement only.
template <typename Step> void skipping_errors(Step step) {
    try {
        step();
    } catch (const std::exception &) {
    }
}

} // namespace ohmira
