#pragma once
// The current sounding: the shared variables every subsystem reads and writes, the superposition
// store, and the state of the curve computation that goes with them. Integer fields are 16 bits,
// Long fields 32 bits, as the files and their limits expect; True is -1.
#include <cstdint>
#include <string>

#include "core/bounded_table.h"
#include "platform/variant.h"

namespace ohmira {

inline constexpr std::int16_t vbTrue = -1;

// --- the current file ----------------------------------------------------------------------------
inline std::string File_Path; // full path of the current sounding file
inline std::string File_Name; // name with extension; "NEW" for a sounding typed in, "" for none
inline std::string Chemin;    // folder of the current file, with its trailing separator
// The file the sounding was last read from or written to, which the window's caption names ("" for
// none): an older file opened keeps its own name there until it is saved under its QD3 name.
inline std::string Caption_File;

// --- the seven header texts, in file order
// --------------------------------------------------------
inline std::string Comment;
inline std::string Data_Source; // "PASI": column 4 in µV and column 6 in µA
inline std::string Graph_Title;
inline std::string X_Coord;
inline std::string Y_Coord;
inline std::string Z_Coord; // ground altitude; base of Layer_Altitude
inline std::string Azimuth;

// --- field data ----------------------------------------------------------------------------------
// Row i (1..51) is field point i. Columns: 1 spacing (m), 2 apparent resistivity (ohm·m),
// 3 MN/2 (m), 4 ΔV (mV), 5 K (m), 6 I (mA), 7 apparent resistivity as read from the file.
inline Table2<Variant, 0, 51, 0, 7> Field_Data;
inline std::int16_t Nb_Points = 0; // 0..51

// --- layered model -------------------------------------------------------------------------------
// Column i (1..20) is layer i: row 1 resistivity (ohm·m), row 2 thickness (m; 0 or empty for the
// half-space), row 3 depth of its top (m).
inline Table2<Variant, 0, 3, 0, 21> Model_Layers;
inline std::int16_t Nb_Layers = 0; // 2..20 with a model, 0 after New_SEV
// Per layer: 0 free, 1 resistivity fixed, 2 thickness fixed, 3 both fixed.
inline Table1<std::int16_t, 0, 21> Fixed_Param;
inline Table1<Variant, 0, 21> Layer_Altitude; // altitude of each layer's top

// --- the measurement -----------------------------------------------------------------------------
inline std::string Niveau;                        // array code of the settings: "0", "1", "2"
inline std::int16_t Array_Factor = 0;             // 1 full array, 2 half array
inline std::int16_t Shift_Compensation = 0;       // 1 when segment shifts are compensated
inline std::int16_t Saved_Shift_Compensation = 0; // its value at the last save
inline std::int16_t Max_AB2 = 0; // largest spacing in whole metres; 0: no field data ever loaded

// --- state of the sounding -----------------------------------------------------------------------
inline std::int16_t Curve_Done = 0;  // 1 once a forward computation started for this sounding
inline std::int16_t Fresh_Load = 0;  // True after New_SEV and every QD3 read
inline std::int16_t Curve_Valid = 0; // True after a forward computation
inline std::int16_t Plot_Empty = 0;  // True until a sounding is opened or computed
inline std::int16_t First_Key = 0;   // 1: the next key typed in a field cell replaces its text
inline std::int16_t Saved = 0;       // 0 once the sounding changed after its last save
inline std::int16_t File_Layout = 0; // QD3 reader layout: 2 ESW, 3 older QD3, 5 current QD3
inline std::int16_t Rho_Scale = 0;   // resistivity divisor of the file read last: 1, 10, 100

// --- superposition store -------------------------------------------------------------------------
// Slot s (1..20): (s, 1, i) resistivity and (s, 2, i) thickness of layer i.
inline Table3<Variant, 0, 21, 0, 2, 0, 21> Superposed_Models;
inline Table1<std::int16_t, 0, 21> Superposed_Layers;
inline std::int16_t Nb_Superposed = 0;    // slots in use, 0..20
inline std::int16_t Superposed_Index = 0; // slot shown as current (counts from 0)
inline std::int16_t Superposed_Shown = 0; // 1 after the whole store was redrawn
inline std::int16_t Model_Stored = 0;     // 1 when the reader already pushed the model in memory
inline std::int16_t Superpose = 0;        // 1 on, -1 off

// --- model curve and computation -----------------------------------------------------------------
// Row k (0..100) is a curve sample: 1 apparent resistivity, 2 spacing; and for the field point
// of that number: 3 its error in per cent, 4 the model's apparent resistivity at its spacing,
// computed with the curve (empty where there is none).
inline Table2<Variant, 0, 100, 0, 4> Curve;
inline std::int16_t Curve_Last = 0; // index of the last sample written
inline Variant Misfit;              // misfit sum; while not 0 the computation draws nothing
inline std::int16_t Pen_Up = 0;     // True: the next point drawn starts a new polyline
inline Variant Auto_Threshold;      // bend threshold of the automatic model
// Mode word of the drawing and saving procedures: "NORMAL", "FRMPRINT", "IMPRIME", "FICHIER",
// "FIELD", "AUTOMATIC", "NEW" or "" (idle).
inline std::string Draw_Mode;

// Puts every variable above back to its value at program start (after the start-up has set
// Superpose -1, Rho_Scale 100 and Plot_Empty True).
void reset_core_state();

// Raises Max_AB2 to a larger spacing rounded to whole metres; a spacing of 32767.5 m or more,
// which the 16-bit Max_AB2 cannot hold, is passed over.
void raise_max_ab2(double spacing);
// A copy of the current sounding (data, model, store, texts, names and reader state), taken
// before a read so that a failed read can put every variable back as it was.
struct Sounding_Record {
    std::string file_path, file_name, chemin;
    std::string comment, data_source, graph_title, x, y, z, azimuth;
    Table2<Variant, 0, 51, 0, 7> field_data;
    std::int16_t nb_points = 0;
    Table2<Variant, 0, 3, 0, 21> model_layers;
    std::int16_t nb_layers = 0;
    Table1<std::int16_t, 0, 21> fixed_param;
    Table1<Variant, 0, 21> layer_altitude;
    std::int16_t array_factor = 0, shift_compensation = 0, max_ab2 = 0;
    std::int16_t curve_done = 0, fresh_load = 0, curve_valid = 0, plot_empty = 0;
    std::int16_t file_layout = 0, rho_scale = 0;
    Table3<Variant, 0, 21, 0, 2, 0, 21> superposed_models;
    Table1<std::int16_t, 0, 21> superposed_layers;
    std::int16_t nb_superposed = 0, superposed_index = 0, model_stored = 0;
    Variant auto_threshold;
    std::string draw_mode;
};
Sounding_Record current_sounding();
void restore_sounding(const Sounding_Record &r);

// Empties the sounding's contents (points, model, the seven texts, array factor and shift
// compensation), so that what is read next carries nothing of the sounding before.
void clear_sounding_contents();

} // namespace ohmira
