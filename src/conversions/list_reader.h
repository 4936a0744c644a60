#pragma once
// The list reader shared by the readers of foreign files: items read one after the other, or whole
// lines, from a file held in memory.
//
//     ListReader in = ListReader::open(path);  // regular files of at most 16 MB only
//     std::string title = in.text();           // a text item
//     std::int16_t n = in.integer();           // a whole number
//     double spacing = in.number();            // a number
//     std::string rest = in.line();            // the rest of the current line
//
// Items:
// - Leading blanks are skipped. A number ends at a blank, a comma or the line end; line ends
//   before a number are skipped; an empty number item (",,") is 0.
// - A text ends at a comma or the line end, blanks inside and after it kept; a text in double
//   quotes runs to its closing quote (commas and line ends inside belong to it).
// - The comma or the line end that closes an item is consumed, so a line holding more items than
//   are read leaves the rest for the next read, item or line.
// Every failure throws RuntimeError with its number: 53 file missing, 75 not a regular
// file (a folder, a FIFO, a device: refused without waiting on it), 7 a file larger than 16 MB,
// 62 reading past the end, 13 a text where a number is expected, 6 a number too large for its
// type. Texts come back in UTF-8 from the Windows-1252 bytes of the file.
#include <cstddef>
#include <cstdint>
#include <string>

namespace ohmira {

// RuntimeError number of a file too large to read ("Out of memory").
inline constexpr int FileTooLarge = 7;

class ListReader {
public:
    static constexpr std::int64_t max_bytes = 16 * 1024 * 1024;

    // Reads the whole file; throws as described above.
    static ListReader open(const std::string &path);
    // Reads from bytes in memory (Windows-1252, any line ends).
    explicit ListReader(std::string bytes);

    std::string text();
    double number();
    float single();             // 6 beyond the single range
    std::int16_t integer();     // rounded half to even; 6 beyond 16 bits
    std::int32_t long_number(); // the same for 32 bits
    std::string line();         // without its line end; 62 at the end of the file
    // An item delimited as a number is, kept as text: skips an ignored column of a row of numbers
    // whatever it holds.
    std::string word();

    // Nothing left but blanks and line ends.
    bool eof() const;
    // The line of the file (from 1) that holds the item or line read last, for a box that
    // names where a value stands.
    int line_number() const;

private:
    bool at_end() const;
    void skip_blanks();
    void consume_line_end();
    void consume_delimiter();
    std::string quoted();
    std::string number_token();

    std::string data_;
    std::size_t pos_ = 0;
    std::size_t content_end_ = 0;        // after the last character that is no blank or line end
    std::size_t item_start_ = 0;         // where the item or line read last begins
    mutable std::size_t counted_to_ = 0; // line ends counted before this position
    mutable int line_ = 1;               // the line at counted_to_
};

} // namespace ohmira
