#include "core/qd3_limits.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <vector>

#include "core/sounding.h"
#include "platform/number_text.h"
#include "platform/text_file.h"

namespace ohmira {

namespace {

// Scale of Field_Data columns 1..6 in the point lines.
constexpr std::array<double, 7> point_scale = {0, 10, 100, 100, 10, 100, 1};

bool within(double item, double low, double high) {
    return std::isfinite(item) && item >= low && item <= high;
}

} // namespace

bool qd3_point_value_fits(int column, double value) {
    if (column < 1 || column > 6)
        return true;
    constexpr double most = std::numeric_limits<float>::max();
    return within(round_half_even(value * point_scale[static_cast<std::size_t>(column)]), -most,
                  most);
}

bool qd3_layer_value_fits(double value) {
    return within(round_half_even(value * 100), -2147483648.0, 2147483647.0);
}

std::optional<std::string> sounding_value_beyond_qd3() {
    const auto fits = [](const Variant &v, auto &&fits_value) {
        try {
            return fits_value(v.num());
        } catch (const RuntimeError &) {
            return false; // a text too large for a number
        }
    };
    const int points = std::min<int>(std::max<int>(Nb_Points, 0), 51);
    for (int i = 1; i <= points; ++i)
        for (int c = 1; c <= 6; ++c)
            if (!fits(Field_Data(i, c), [c](double v) { return qd3_point_value_fits(c, v); }))
                return Field_Data(i, c).text();
    for (int j = 1; j <= 20; ++j)
        for (int r = 1; r <= 3; ++r)
            if (!fits(Model_Layers(r, j), qd3_layer_value_fits))
                return Model_Layers(r, j).text();
    return std::nullopt;
}

void check_sounding_fits_qd3() {
    if (auto v = sounding_value_beyond_qd3())
        throw ValueBeyondFile(std::move(*v));
}

void bring_model_within_qd3() {
    // The largest whole value the items hold: the window's rounding and a single-precision
    // read of the file keep it as it is.
    constexpr double most = 21474836;
    for (int j = 1; j <= 20; ++j)
        for (int r = 1; r <= 3; ++r) {
            Variant &cell = Model_Layers(r, j);
            if (!cell.is_number())
                continue;
            const double v = cell.num();
            if (std::isfinite(v) && !qd3_layer_value_fits(v))
                cell = v > 0 ? most : -most;
        }
    // The depths follow from the thicknesses above the half-space (the first layer without
    // one): while their sum is beyond the file, the thickest gives way, by whole metres so that
    // its rounding keeps it, and the others keep theirs.
    std::vector<int> layers;
    double depth = 0;
    for (int j = 1; j < 20; ++j) {
        const Variant &t = Model_Layers(2, j);
        if (!t.is_number() || !std::isfinite(t.num()) || t.num() == 0)
            break;
        layers.push_back(j);
        depth += t.num();
    }
    while (depth > most) {
        const int thickest = *std::max_element(layers.begin(), layers.end(), [](int a, int b) {
            return Model_Layers(2, a).num() < Model_Layers(2, b).num();
        });
        const double t = Model_Layers(2, thickest).num();
        const double cut = std::min(std::ceil(depth - most), std::floor(t));
        if (!(cut > 0))
            break;
        Model_Layers(2, thickest) = t - cut;
        depth -= cut;
    }
    Model_Layers(3, 1) = 0.0;
    depth = 0;
    for (const int j : layers) {
        depth += Model_Layers(2, j).num();
        Model_Layers(3, j + 1) = depth;
    }
}

void end_model_at_twentieth_layer() {
    constexpr int last = 20;
    if (Model_Layers(1, last).is_empty())
        return;
    Model_Layers(2, last) = 0.0;
    for (int r = 1; r <= 3; ++r)
        Model_Layers(r, last + 1).clear();
}

std::string refused_value_text(const std::exception &e) {
    const auto *refused = dynamic_cast<const ValueBeyondFile *>(&e);
    return refused ? refused->value : std::string();
}

std::string typed_value_name(const std::string &text) {
    std::string name;
    for (char c : text)
        if (c != ' ')
            name += c;
    return name.size() > 20 ? name.substr(0, 20) + "..." : name;
}

float read_scaled_single(TextFile &in, float divisor) {
    const double item = in.input_number();
    if (std::fabs(item) > std::numeric_limits<float>::max())
        throw ValueBeyondFile(number_text(item / divisor));
    return static_cast<float>(item) / divisor;
}

} // namespace ohmira
