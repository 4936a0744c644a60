#pragma once
// What the QD3 layout can hold: point items are round(scale × value) written as singles (scales
// 10, 100, 100, 10, 100, 1 for AB/2, ρa, MN/2, ΔV, K, I), layer items round(100 × value) as
// 32-bit whole numbers. A value beyond them could never be saved, so readers and grids refuse it
// when they take it in, and name it in their box.
#include <optional>
#include <string>
#include <utility>

#include "platform/runtime_error.h"

namespace ohmira {

class TextFile;

// Field_Data column 1..6 of a point, and a layer's resistivity, thickness or depth.
bool qd3_point_value_fits(int column, double value);
bool qd3_layer_value_fits(double value);

// The first value of the current sounding (points 1..Nb_Points, layers 1..20) that the layout
// cannot hold, as text (a single with its 7 digits: "5E+37").
std::optional<std::string> sounding_value_beyond_qd3();

// A value the layout cannot hold, met by a reader: an overflow error that carries its text.
class ValueBeyondFile : public RuntimeError {
public:
    explicit ValueBeyondFile(std::string v) : RuntimeError(err::Overflow), value(std::move(v)) {}
    std::string value;
};

// Throws ValueBeyondFile for the first value of the current sounding the layout cannot hold.
void check_sounding_fits_qd3();

// Brings each finite layer value of the model (layers 1..20) that the layout cannot hold within
// it (±21474836), and the depths derived from the thicknesses too, so that a fitted model can
// always be saved.
void bring_model_within_qd3();

// The file and the model grid hold 20 layers, the 20th the half-space: a model read with a 20th
// layer ends there, with no thickness under it and nothing beyond it.
void end_model_at_twentieth_layer();

// The text naming the value of a reader's error ("5E+38"); "" for any other error.
std::string refused_value_text(const std::exception &e);

// A typed text named in a box: without blanks, its first 20 characters and "..." when longer.
std::string typed_value_name(const std::string &text);

// An item read as a single and divided by its scale; an item beyond the single range throws
// ValueBeyondFile with the value it stands for.
float read_scaled_single(TextFile &in, float divisor);

} // namespace ohmira
