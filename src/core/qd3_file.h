#pragma once
// The QD3 sounding file: the writer used by the save command and the reader Load_QD3, which
// also reads older QD3 files and ESW files.
//
// Layout (one record per line, CR LF, Windows-1252): N + 0.5; N point lines of six scaled whole
// numbers (10×spacing, 100×ρa, 100×MN/2, 10×ΔV, 100×K, I) written as singles; 20 layer lines of
// three 32-bit whole numbers (100×ρ, 100×thickness, 100×depth); the seven header texts quoted.
#include <exception>
#include <string>

namespace ohmira {
class TextFile;
}

namespace ohmira {

// Writes the current sounding to path, completely or not at all. Returns 0, or the RuntimeError
// number of the failure (75, 76, 68, 70, 9 for more than 51 points, 6 for a value too large
// for its field, ...); the caller reports it.
int write_qd3_file(const std::string &path);

// Reads path into the current sounding. File_Layout must be set by the caller (2 for an ESW
// file, 3 otherwise); the reader sets 5 for a file of the current layout. Pushes the model that
// was in memory into the superposition store. Reports a read error in a message box and returns
// false when the file could not be read whole.
bool Load_QD3(std::string &path);

// Reads the seven header texts that end a sounding file; texts missing at the end leave their
// variables as they were.
void read_header_texts(TextFile &in);

// The read-error box shared by the sounding readers: under its text the file, then why it could
// not be read (a value the file cannot hold is named). Without a cause: a file that is not there
// or cannot be read.
void show_file_read_error(const std::string &path, const std::exception &cause);
void show_file_read_error(const std::string &path);

} // namespace ohmira
