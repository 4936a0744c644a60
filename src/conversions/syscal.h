#pragma once
// Syscal conversion: the text export of a Syscal resistivity meter, several Schlumberger
// soundings one after another, split into one QD3 file per sounding. The geometric factor and the
// apparent resistivity come from the measured voltage and current; the user names each file.
#include <cstdint>
#include <string>
#include <vector>

namespace ohmira {

inline constexpr int Syscal_Max_Records = 500;
inline constexpr int Syscal_Max_Soundings = 10;
inline constexpr int Syscal_Max_Points = 51;

struct Syscal_Record {
    std::string name;
    double volts = 0;   // A
    double amperes = 0; // B
    double ab2 = 0;     // C
    double mn2 = 0;     // D
    int line = 0;       // the line of the file that ends the record
};

struct Syscal_File {
    std::string header;
    std::vector<Syscal_Record> records; // those with a positive voltage, in file order
};

// Reads the header and up to 500 records; an unreadable item or the end of the file ends the
// reading and keeps the records read before it. Throws RuntimeError only when the file cannot be
// opened.
Syscal_File read_syscal_file(const std::string &path);

// One sounding per distinct name, in the order of first appearance, with all of its records.
struct Syscal_Sounding {
    std::string name;
    std::vector<Syscal_Record> records;
};
std::vector<Syscal_Sounding> group_syscal_soundings(const std::vector<Syscal_Record> &records);

// One field point: columns 1 to 6 of the field table.
struct Syscal_Point {
    double ab2 = 0, rho = 0, mn2 = 0, mv = 0, k = 0, ma = 0;
};

// The point of a record: mV and mA, spacings cut to two decimals, the Schlumberger factor with
// pi = 3.1416 (two decimals below 100, whole above) and the apparent resistivity (whole). Throws
// ValueBeyondFile (error 6) naming the value that does not fit its column.
Syscal_Point syscal_point(const Syscal_Record &r);

// Sorts by increasing AB/2, then MN/2; equal points keep their order.
void sort_syscal_points(std::vector<Syscal_Point> &points);

// Conversions ▸ Syscal to QD3.
void Syscal_Click();

} // namespace ohmira
