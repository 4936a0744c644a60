#pragma once
// The OYO CSV and Astier DAT conversions: each reads its file into a table of its own, writes the
// QD3 file beside the input itself, then opens it as the current sounding.
#include <optional>
#include <string>
#include <vector>

namespace ohmira {

class ListReader;

struct ConversionPoint {
    double ab2 = 0;
    double rho = 0;
    double mn2 = 0;
    double voltage = 0;
    double current = 0;
};

enum class OyoArray { Schlumberger, Dipole, Wenner };

// A file as read: the points and the seven texts of the QD3 file to write.
struct ConvertedFile {
    std::vector<ConversionPoint> points;
    std::string texts[7];          // Comment, Data_Source, Graph_Title, X, Y, Z, Azimuth
    std::optional<OyoArray> array; // OYO: the array the file names
    std::string refusal;           // box of a file in another survey mode
    int error = 0;                 // run-time error number of a file not read whole
    // What the box names under the file: the value refused or beyond the QD3 layout, and the
    // line that holds it.
    std::string detail;
};

// OYO: four lines; (-, survey mode); four lines; (-, array name); (-, N); three lines; N rows of
// thirteen items (-, AB/2, MN/2, current, voltage, -, ρa, ...). Only the "Resistivity" mode.
ConvertedFile parse_oyo_csv(ListReader &in);

// Astier: texts t1, t2, t3; three ignored items; N; N rows (AB/2, ρa). The comment reads
// "Profil t1 SEV No t2", the graph title "2", X and Y "0", Z t3.
ConvertedFile parse_astier_dat(ListReader &in);

// Writes the QD3 file of a converted file: N + 0.5; N point lines round(10 AB/2), round(100 ρa),
// round(100 MN/2), round(10 ΔV), 0, round(I); twenty "0,0,0" layer lines; the seven texts.
// Returns 0 or the run-time error number of the failure.
int write_converted_qd3(const std::string &path, const ConvertedFile &file);

void OYO_Click();
void astier_Click();

} // namespace ohmira
