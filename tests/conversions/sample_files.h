#pragma once
// Synthetic instrument files, built from the layouts the readers expect, shared by the reader
// tests and the mutation test.
#include <string>
#include <vector>

namespace ohmira::test {

// A line with `value` placed at 1-based column `column` (blank-padded before it).
inline std::string at(std::string line, int column, const std::string &value) {
    const auto start = static_cast<std::size_t>(column - 1);
    if (line.size() < start + value.size())
        line.resize(start + value.size(), ' ');
    line.replace(start, value.size(), value);
    return line;
}

inline std::string lines(const std::vector<std::string> &all) {
    std::string text;
    for (const auto &l : all)
        text += l + "\r\n";
    return text;
}

// ABEM VES with three points (blank-separated) and three layers.
inline std::string abem_sample() {
    return lines({"\"Well 12, north\"", "1 3", "1.5 27.8 0", "3 35.2 0", "10 120.4 0", "3",
                  "50 0 2.5 0 0 0 0", "10 0 8 0 2.5 0 0", "200 0 0 0 10.5 0 0"});
}

// SAS1000 AMP: header with location, N, array code, coordinate type and unit spacing, then rows.
inline std::string amp_sample(const std::string &type, int code,
                              const std::vector<std::string> &rows, double unit = 1) {
    std::vector<std::string> all = {"SAS1000 survey", "", ""};
    all.push_back(
        at(at(at("Location", 32, "  1250.5     "), 45, "  300.25     "), 58, "  45.6      "));
    all.push_back(at("Number of points", 44, std::to_string(rows.size())));
    all.push_back("");
    all.push_back("");
    all.push_back(at("Array code", 32, std::to_string(code)));
    all.push_back(at("Coordinates", 32, type));
    std::string u = std::to_string(unit);
    all.push_back(at("Unit spacing", 32, u));
    for (int k = 0; k < 17; ++k)
        all.push_back("header " + std::to_string(k));
    for (const auto &r : rows)
        all.push_back(r);
    return lines(all);
}

// One GTR line: voltage at 11, current at 22, AB at 87, MN at 97.
inline std::string gtr_line(const std::string &voltage, const std::string &current,
                            const std::string &ab, const std::string &mn) {
    return at(at(at(at("  ", 11, voltage), 22, current), 87, ab), 97, mn);
}

inline std::string gtr_sample() {
    return lines({"GEOTRADE resistivity meter", "Sounding S1",
                  gtr_line("123.4mV", "12.5mA", "3", "1"), gtr_line("0.1234", "0.0125", "6", "1"),
                  gtr_line("50mV", "0.1mA", "10", "2"), gtr_line("8.5mV", "20mA", "20", "2")});
}

inline std::string pasi_sample(const std::string &array = "SCHLUMBERGER") {
    return lines(
        {"\"" + array + "\",\"12/03/2019\"", "1.5,0.5,0,100,0.25,0,0", "3 0.5 0 80 0.05 0 0"});
}

inline std::string spacing_table(int records) {
    std::vector<std::string> all;
    for (int k = 1; k <= records; ++k)
        all.push_back(std::to_string(k) + ",0.5");
    return lines(all);
}

inline std::string oyo_sample(const std::string &mode = "Resistivity",
                              const std::string &array = "SCHLUMBERGER") {
    return lines({"OYO McOHM", "Version 2", "Site 4", "Operator", "Survey mode," + mode, "-", "-",
                  "-", "-", "Array," + array, "Points,2", "h1", "h2", "h3",
                  "1,1.5,0.5,100,12.34,0,27.8,0,0,0,0,0,0", "2,3,0.5,80,3.1,0,40.2,0,0,0,0,0,0"});
}

// A sounding file as the program writes it: three points and a two-layer model.
inline std::string qd3_sample() {
    std::string bytes = "3.5\r\n10,5000,0,0,0,0\r\n20,6500,0,0,0,0\r\n50,9000,0,0,0,0\r\n"
                        "5000,150,0\r\n20000,0,150\r\n";
    for (int j = 3; j <= 20; ++j)
        bytes += "0,0,0\r\n";
    return bytes + "\"kept\"\r\n\"\"\r\n\"Title\"\r\n\"1\"\r\n\"2\"\r\n\"3\"\r\n\"\"\r\n";
}

inline std::string astier_sample() {
    return lines({"A,3,412.5", "x,y,z", "2", "0.25,10", "1.5 27.8"});
}

} // namespace ohmira::test
