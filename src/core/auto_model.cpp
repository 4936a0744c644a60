#include "core/auto_model.h"

#include "core/fit.h"
#include "core/sounding.h"
#include "platform/number_text.h"
#include "platform/runtime_error.h"

#include <algorithm>
#include <array>
#include <cfloat>
#include <cmath>

namespace ohmira {

namespace {

// Field values as numbers; nullopt for a row beyond the table or a value that is no finite
// number, which ends the detection.
std::optional<double> field(int row, int column) {
    if (row < 0 || row > Last_Field_Row) {
        return std::nullopt;
    }
    return Field_Data(row, column).finite_num();
}

bool single_fits(double v) {
    return std::isfinite(v) && std::fabs(v) <= FLT_MAX;
}

// ln(x / y), false where the division or the logarithm would fail.
bool log_ratio(double x, double y, double &out) {
    if (y == 0.0 || !(x / y > 0.0)) {
        return false;
    }
    out = std::log(x / y);
    return std::isfinite(out);
}

// The slope-based model; false at the first statement that would fail (the layers written so far
// stay).
bool build_auto_model(bool wenner) {
    for (int layer = 1; layer <= Auto_Model_Max_Layers; ++layer) {
        Fixed_Param(layer) = 0;
        Model_Layers(1, layer) = 0.0;
        Model_Layers(2, layer) = 0.0;
    }
    const int n = Nb_Points;
    const double tripled = wenner ? 3.0 : 1.0;
    std::array<float, 51> S{};

    const auto a1 = field(1, 1), a2 = field(1 + 1, 1), r1 = field(1, 2), r2 = field(2, 2);
    if (!a1 || !a2 || !r1 || !r2 || !(*r1 > 0) || !(*r2 > 0) || !(*a2 > 0) || !(*a1 + 0.001 > 0)) {
        return false;
    }
    const double denominator = std::log(*a2) - std::log(*a1 + 0.001);
    const double first = (std::log(*r2) - std::log(*r1)) / denominator;
    if (denominator == 0.0 || !single_fits(first)) {
        return false;
    }
    S[1] = static_cast<float>(first);
    S[0] = S[1];

    Nb_Layers = 1;
    Model_Layers(1, 1) = *r1;
    Model_Layers(2, 1) = *a1 * tripled;

    for (int i = 2; i <= n - 1; ++i) {
        if (i >= static_cast<int>(S.size())) {
            return false; // beyond the slope table
        }
        const auto a_prev = field(i - 1, 1), a_i = field(i, 1), a_next = field(i + 1, 1);
        const auto r_prev = field(i - 1, 2), r_i = field(i, 2), r_next = field(i + 1, 2);
        if (!a_prev || !a_i || !a_next || !r_prev || !r_i || !r_next) {
            return false;
        }
        if (*a_next == *a_i) {
            // A repeated spacing: the slope is carried over and no layer is considered here.
            S[i] = S[i - 1];
            S[i - 1] = S[i - 2];
            continue;
        }
        double ln_r = 0.0, ln_a = 0.0;
        if (!log_ratio(*r_next, *r_i, ln_r) || !log_ratio(*a_next, *a_i, ln_a) || ln_a == 0.0 ||
            !single_fits(ln_r / ln_a)) {
            return false;
        }
        S[i] = static_cast<float>(ln_r / ln_a);
        // The product and difference of two single-precision slopes, each refused when it leaves
        // the single range and compared in single precision.
        const double product = static_cast<double>(S[i]) * S[i - 2];
        const double difference = static_cast<double>(S[i - 2]) - S[i];
        if (!single_fits(product) || !single_fits(difference)) {
            return false;
        }
        const bool local_minimum =
            std::fabs(S[i - 2]) > std::fabs(S[i - 1]) && std::fabs(S[i]) > std::fabs(S[i - 1]);
        const bool bends = static_cast<float>(product) < 0.0f ||
                           std::fabs(static_cast<float>(difference)) > Auto_Threshold.num();
        if (!(local_minimum && bends)) {
            continue;
        }
        if (Nb_Layers >= Auto_Model_Max_Layers) {
            return false;
        }
        const int layer = ++Nb_Layers;
        Model_Layers(1, layer) = *r_prev;
        Model_Layers(2, layer) =
            std::fabs(0.8 * *a_prev - Model_Layers(2, layer - 1).num()) * tripled;
    }

    // End layer when the last point lies more than a factor e^0.2 from the last layer.
    const auto a_last = field(n, 1), r_last = field(n, 2);
    double ln_end = 0.0;
    if (!a_last || !r_last || n - 1 < 0 || n - 1 >= static_cast<int>(S.size()) ||
        !log_ratio(Model_Layers(1, Nb_Layers).num(), *r_last, ln_end)) {
        return false;
    }
    if (std::fabs(ln_end) > 0.2) {
        if (Nb_Layers >= Auto_Model_Max_Layers) {
            return false;
        }
        // Extrapolated from the last slope; never below a tenth of the last apparent
        // resistivity (the formula reaches 0 at a slope of -5/3), whole above 10 ohm·m.
        const float bend = 3.0f * S[n - 1] + 5.0f;
        double rho = std::max(*r_last * bend / 5.0, *r_last / 10.0);
        if (!std::isfinite(rho)) {
            return false;
        }
        if (rho >= 10.0) {
            rho = Int(rho);
        }
        const int layer = ++Nb_Layers;
        Model_Layers(1, layer) = rho;
        Model_Layers(2, layer) = *a_last * tripled;
    }
    return true;
}

} // namespace

bool detect_auto_model(bool wenner) {
    bool built = false;
    try {
        built = build_auto_model(wenner);
    } catch (const RuntimeError &) {
        built = false;
    }
    if (built) {
        Model_Layers(2, Nb_Layers) = 0.0; // the last layer becomes the half-space
    }
    return built;
}

} // namespace ohmira
