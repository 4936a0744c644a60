#pragma once
// Sequential text files: Windows-1252 bytes on disk, UTF-8 in memory, CR LF written, CR LF, LF
// or CR read; comma-separated items with quoted texts.
//
// Errors: every failure throws RuntimeError (alias FileError) whose `number` is the error
// number: 52 bad file name (empty path, file already closed), 53 file not found, 54 bad
// file mode, 57 device I/O, 61 disk full, 62 input past end of file, 67 too many files, 68 device
// unavailable, 70 permission denied (file in use), 75 path/file access error (no right, a
// folder, read-only), 76 path not found (folder missing), 13 type mismatch (a text item read as a
// number), 6 overflow (a number too large for the variable).
//
// Output is written beside the target and renamed over it by close(): a file is written
// completely or not at all. A file object destroyed without close() (an error unwinding the
// writer) leaves the old file untouched. Append mode writes to the file itself.
//
// Every open file is registered, so close_all_files() closes them all (the sounding readers
// first close every file still open); a closed file throws 52 on further use.
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "platform/variant.h"

namespace ohmira {

enum class OpenMode { Input, Output, Append };

class TextFile {
public:
    // Opens `path`; throws RuntimeError on failure (53 missing file, 76 missing folder, ...).
    TextFile(const std::filesystem::path &path, OpenMode mode);
    ~TextFile();
    TextFile(const TextFile &) = delete;
    TextFile &operator=(const TextFile &) = delete;

    // Closes the file; for output, puts the written text in place of the target (may throw).
    // Closing twice does nothing.
    void close();
    bool is_open() const;
    OpenMode mode() const { return mode_; }
    const std::filesystem::path &path() const { return path_; }

    // --- Input # : the list reader -------------------------------------------------------------
    // Items end at a comma or a line end; leading blanks are skipped; a quoted item runs to its
    // closing quote (commas inside belong to it); an unquoted text runs to the comma or line end.
    // A number item also ends at a blank, and line ends before it are skipped; an empty number
    // item is 0. Reading when no item is left throws 62.
    std::string input_text();
    double input_number();        // Double variable; 13 for a text that is no number
    float input_single();         // Single variable; 6 beyond the single range
    std::int16_t input_integer(); // Integer variable: rounded half to even; 6 on overflow
    std::int32_t input_long();    // Long variable: the same for 32 bits

    // --- Line Input # : one whole line without its line end; 62 at the end of the file --------
    std::string line_input();

    // EOF: true when nothing is left to read but blanks and line ends (a file ending in blank
    // lines ends at its last text), or at a Ctrl+Z, the end mark of old DOS files. Every read
    // then throws 62.
    bool eof() const;

    // --- Write # : one record --------------------------------------------------------------------
    // Items separated by commas, numbers in their plain form without blank (".5", "1E+15"), texts
    // in double quotes (not escaped), an empty item as nothing; the record ends with CR LF.
    class Item;
    void write_record(std::initializer_list<Item> items);

    // --- Print # : print zones -------------------------------------------------------------------
    // print_text writes a text as it is; print_number writes Str(value) and one blank after it
    // (" 1.5 ", "-2 "); print_zone (the "," separator) pads with blanks to the next zone start
    // (zones of 14 columns, always at least one column ahead); print_tab(n) moves to column n
    // (1-based), on a new line when the line is already past it; print_line ends the line.
    // Printing items one after the other with no call between them is the ";" separator.
    void print_text(std::string_view text);
    void print_number(double value);
    void print_number_single(float value);
    void print_zone();
    void print_tab(int column);
    void print_line();

    // Column of the next character on the current output line (1-based), as for Tab.
    int column() const;

    static constexpr int zone_width = 14;

private:
    struct Impl;
    OpenMode mode_;
    std::filesystem::path path_;
    std::unique_ptr<Impl> impl_;
};

// One item of a Write # record: a double, a single, a text, or empty.
class TextFile::Item {
public:
    Item() = default;
    Item(double v) : kind_(Kind::Double), number_(v) {}
    Item(float v) : kind_(Kind::Single), number_(v) {}
    Item(int v) : kind_(Kind::Double), number_(v) {}
    Item(long v) : kind_(Kind::Double), number_(static_cast<double>(v)) {}
    Item(std::string_view s) : kind_(Kind::Text), text_(s) {}
    Item(const std::string &s) : kind_(Kind::Text), text_(s) {}
    Item(const char *s) : kind_(Kind::Text), text_(s) {}
    Item(const Variant &v); // empty, number (double or single) or text as held

    // The item as Write # puts it in the file (in memory, UTF-8).
    std::string written() const;

private:
    enum class Kind { Empty, Double, Single, Text };
    Kind kind_ = Kind::Empty;
    double number_ = 0;
    std::string text_;
};

// Closes every open text file (output files are put in place).
void close_all_files();

// Number of text files currently open.
int open_file_count();

// Writes `content` (UTF-8) to `path` as Windows-1252, completely or not at all: beside the
// target, then renamed over it. Throws RuntimeError with its number on failure.
void write_whole_file(const std::filesystem::path &path, std::string_view content);

// The RuntimeError number for a system error code (errno) met when opening or writing `path`.
int file_error_number(int errno_value, const std::filesystem::path &path);

} // namespace ohmira
