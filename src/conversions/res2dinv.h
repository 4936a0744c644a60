#pragma once
// RES2DINV extraction: a Wenner 2-D line in the RES2DINV data-file format cut into soundings. For
// each sounding position along the line the apparent resistivities of every data level are
// averaged inside a window; each sounding then gets the automatic model, is fitted and saved as
// a QD3 file beside the data file.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/controls.h"
#include "platform/form.h"

namespace ohmira {

// The parameters the dialog gives (the sheet import also counts its soundings in R2DI_Count).
inline std::int16_t R2DI_Count = 0;
inline double R2DI_X0 = 0;
inline double R2DI_Y0 = 0;
inline double R2DI_Azimuth = 0;
inline double R2DI_Altitude = 0;
// True when the dialog was closed with OK.
inline bool R2DI_Accepted = false;

inline constexpr int R2DI_Max_Data = 5000;
inline constexpr int R2DI_Max_Levels = 50;
inline constexpr int R2DI_Max_Soundings = 100;

// One datum: x is the centre of the four-electrode spread (first electrode + 1.5 a).
struct R2DI_Datum {
    double x = 0;
    double a = 0;
    double rho = 0;
};

// What a data file holds, or why it is refused.
enum class R2DI_Refusal { none, not_wenner, too_many_data, location_flag, ip_survey };

struct R2DI_Line {
    std::string title;
    float unit = 0; // unit electrode spacing u
    R2DI_Refusal refusal = R2DI_Refusal::none;
    std::string refused_value;      // the value refused and the line that holds it ("line 3: 7")
    std::int16_t location_flag = 0; // 0: x of the first electrode, 1: x of the spread's middle
    std::vector<R2DI_Datum> data;
};

// Reads a data file: title, u, array type (1, 4 or 5), N (<= 5000), x-location flag (0: x is the
// first electrode, moved to the spread's centre x + 1.5 a; 1: x is the centre), IP flag (<= 0),
// then N triplets x, a, rho. A refusal stops the reading where it is found.
// Throws RuntimeError when the file cannot be read to the end of its data, ValueBeyondFile
// naming a spacing or resistivity a QD3 file cannot hold and its line.
R2DI_Line read_res2dinv_file(const std::string &path);

struct R2DI_Sounding {
    std::vector<double> spacing; // a of each level that has data in the window
    std::vector<double> rho;     // mean apparent resistivity of those data
    std::string x_coord;         // Str$ texts, four decimals at most
    std::string y_coord;
};

struct R2DI_Extraction {
    bool ok = false; // false: fewer than two data, more than 50 levels or no positive range
    int levels = 0;
    double range = 0;
    std::int16_t max_ab2 = 0; // decade exponent of the range
    std::vector<R2DI_Sounding> soundings;
};

// Cuts the line into `count` soundings along the azimuth (degrees); x0, y0 are the coordinates
// of the line's origin, added to the offsets along the azimuth.
R2DI_Extraction extract_soundings(const std::vector<R2DI_Datum> &data, double unit, int count,
                                  double azimuth, double x0 = 0, double y0 = 0);

// Name of sounding k beside the data file: "line.DAT" gives "line_ 1.QD3", "line_ 2.QD3"...
std::string r2di_sounding_path(const std::string &data_path, int k);

// The parameter dialog.
struct R2DI_par_Form : Form {
    R2DI_par_Form();
    Label Label1{*this, "Label1", 240, 180, 4800, 255};
    TextBox Text1{*this, "Text1", 240, 450, 1200, 315};
    Label Label2{*this, "Label2", 240, 900, 4800, 255};
    TextBox Text2{*this, "Text2", 240, 1170, 1800, 315};
    TextBox Text3{*this, "Text3", 2160, 1170, 1800, 315};
    Label Label3{*this, "Label3", 240, 1620, 1800, 255};
    TextBox Text4{*this, "Text4", 240, 1890, 1200, 315};
    Label Label4{*this, "Label4", 2160, 1620, 1800, 255};
    TextBox Text5{*this, "Text5", 2160, 1890, 1200, 315};
    CommandButton Command1{*this, "Command1", 3960, 2460, 1095, 375};
};

inline R2DI_par_Form R2DI_par;

// OK of the dialog: the parameters from the boxes, then the dialog unloads.
void R2DI_par_Command1_Click();
// The dialog back to its design state.
void reset_R2DI_par();

// Conversions ▸ RES2DINV.
void RES2DINV_Click();

} // namespace ohmira
