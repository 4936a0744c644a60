#pragma once
// Readers of the Geotrade GTR file (lines of fixed columns) and of the PASI TXT file (free-format
// rows over the default spacing table of the array), and the PASI import command with the
// spacing table and the dialog that locates it.
#include <string>
#include <vector>

#include "conversions/imported_sounding.h"

namespace ohmira {

class ListReader;

// GTR: every line gives AB (6 characters at 87), MN (3 at 97), the voltage (9 at 11) and the
// current (9 at 22), in V and A unless the field holds "m" (mV, mA); a line whose current is at
// most 0.1 mA is dropped (titles, lines without a current).
ImportedSounding parse_geotrade_gtr(ListReader &in);

// PASI: the array name, one ignored text, then rows of seven numbers (AB/2, MN/2, -, current,
// voltage, -, -) to the end; voltage and current are kept in µV and µA.
ImportedSounding parse_pasi_txt(ListReader &in);

// The spacing table: one record per position, AB/2 and MN/2 (a single spacing into column 3 when
// `single_value`, the Wenner table); at most 51 records.
std::vector<FieldRow> parse_spacing_table(ListReader &in, bool single_value);

bool Read_Geotrade_GTR(std::string &path);
// `spacing_table`: the rows the PASI rows are written over.
bool Read_PASI_TXT(std::string &path, const std::vector<FieldRow> &spacing_table = {});

// Conversions ▸ PASI to QD3.
void PASI_Click();

// The comment of a PASI import: "Date : " and the day, month and year of the file's last change.
std::string pasi_comment(const std::string &path);

} // namespace ohmira
