#include "core/fit.h"

#include "core/computation_settings.h"
#include "core/forward.h"
#include "core/sounding.h"
#include "platform/number_text.h"
#include "platform/runtime_error.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace ohmira {

namespace {

constexpr double Misfit_Offset = 0.0000001;
constexpr double Ln10_Divisor = 2.30258;
constexpr double Value_Floor = 0.001;
constexpr double Value_Ceiling = 160000;
constexpr double Value_Reset = 150000;
constexpr double Thin_Layer = 0.01;
constexpr double Smallest_Filed_Resistivity = 0.01;

std::optional<double> number_of(const Variant &v) {
    return v.finite_num();
}

double value_or_zero(const Variant &v) {
    return v.finite_num().value_or(0.0);
}

int sign_of(double x) {
    return x > 0 ? 1 : (x < 0 ? -1 : 0);
}

// The line search of one parameter (thickness c = 2 or resistivity c = 1 of `layer`).
void search_parameter(int c, int layer, double s, double K, void (*trial_curve)()) {
    Variant &cell = Model_Layers(c, layer);
    const double p0 = value_or_zero(cell);
    double value = p0;
    double d = 2.0 * s * K * p0;
    const double eb = value_or_zero(Misfit);
    double ep = eb;
    int sign = 1;
    double rel = 0.0;
    int steps = 0;
    do {
        if (sign == 1) {
            value += d;
        } else {
            d = -d / 2.0;
            value += 3.0 * d;
            Misfit = ep;
        }
        if (value < Value_Floor) {
            value = Value_Floor;
        }
        if (value > Value_Ceiling) {
            value = Value_Reset;
        }
        cell = value;
        trial_curve();
        ep = value_or_zero(Misfit);
        Sum_Misfit(Misfit);
        // The misfit of a bracketed point is never 0; without one there is nothing to improve.
        rel = ep != 0.0 ? (ep - value_or_zero(Misfit)) / ep : 0.0;
        sign = sign_of(rel);
    } while (std::fabs(rel) > s && std::fabs(d) > 0.005 * value &&
             ++steps < Fit_Max_Steps_Per_Parameter);
    if (value_or_zero(Misfit) > eb) {
        cell = p0;
        Misfit = eb;
    }
}

// Removes the layer `i`, moving the ones below it up by one.
void remove_layer(int i) {
    for (int j = i; j < Nb_Layers; ++j) {
        Model_Layers(1, j) = Model_Layers(1, j + 1);
        Model_Layers(2, j) = Model_Layers(2, j + 1);
        Fixed_Param(j) = Fixed_Param(j + 1);
    }
    Model_Layers(1, Nb_Layers) = 0.0;
    Model_Layers(2, Nb_Layers) = 0.0;
    Fixed_Param(Nb_Layers) = 0;
    --Nb_Layers;
}

// Thin layers go, every value is rounded. False when a value cannot be rounded.
// A resistivity below the smallest a sounding file holds (0.01 ohm·m) becomes that smallest: the
// model shown is the one saved.
void hold_resistivity_in_file(int layer) {
    const double rho = value_or_zero(Model_Layers(1, layer));
    if (rho > 0.0 && rho < Smallest_Filed_Resistivity) {
        Model_Layers(1, layer) = Smallest_Filed_Resistivity;
    }
}

bool remove_thin_layers_and_round() {
    const int count = Nb_Layers;
    for (int i = 1; i <= count; ++i) {
        while (i < Nb_Layers && value_or_zero(Model_Layers(2, i)) < Thin_Layer) {
            remove_layer(i);
        }
        if (!Round_Model_Value(1, i) || !Round_Model_Value(2, i)) {
            return false;
        }
    }
    return true;
}

} // namespace

void Sum_Misfit(Variant &misfit) {
    double total = 0.0;
    double e = 0.0;
    int j0 = 1;
    const int points = std::min<int>(Nb_Points, Last_Field_Row);
    for (int i = 1; i <= points; ++i) {
        const double a = value_or_zero(Field_Data(i, 1));
        const double r = value_or_zero(Field_Data(i, 2));
        const int k = find_curve_bracket(j0, a);
        if (k == 0) {
            continue;
        }
        j0 = k;
        // The model's value at the point's own spacing. One at or below 0 (or none) is at least
        // as far off as the floor of the fit's values: never a good fit, never the previous
        // point's error.
        const auto candidate = field_model_value(i);
        const double m = candidate && *candidate > 0.0 ? *candidate : Value_Floor;
        // A field resistivity that cannot be logged is skipped; e keeps its previous value.
        if (r > 0.0) {
            const double candidate = std::fabs(std::log(r / m) / Ln10_Divisor) + Misfit_Offset;
            if (std::isfinite(candidate)) {
                e = candidate;
            }
        }
        total += e * e;
        if (i == 1) {
            total *= 2.0;
        }
    }
    total += e * e;
    misfit = total;
}

bool Round_Model_Value(int column, int layer) {
    if (column < 0 || column > 3 || layer < 0 || layer >= Model_Columns) {
        return false;
    }
    const auto v = number_of(Model_Layers(column, layer));
    if (!v) {
        return false;
    }
    double f = 1.0;
    if (column == 1) {
        if (*v < 10) {
            f = 10;
        }
        if (*v < 1) {
            f = 100;
        }
        if (*v < 0.1) {
            f = 1000;
        }
    } else {
        switch (Decimals_Mode) {
        case 0:
            if (*v < 10) {
                f = 10;
            }
            if (*v < 1) {
                f = 100;
            }
            break;
        case 1:
            f = 10;
            break;
        case 2:
            f = 100;
            break;
        default:
            break;
        }
    }
    const auto whole = CLng(*v * f);
    if (!whole) {
        return false;
    }
    Model_Layers(column, layer) = static_cast<double>(*whole) / f;
    return true;
}

void Update_Layer_Depths() {
    const double g = (Decimals_Mode != 0 && Decimals_Mode != 1) ? 100.0 : 10.0;
    // A Z text that is not a finite number gives no altitude.
    std::optional<double> ground;
    if (!Z_Coord.empty()) {
        try {
            if (const double z = Val(Z_Coord); std::isfinite(z))
                ground = z;
        } catch (const RuntimeError &) {
        }
    }
    const bool has_altitude = ground.has_value();
    auto set_altitude = [&](int i) {
        if (!has_altitude) {
            return;
        }
        // An altitude too large for a Long is skipped.
        if (const auto whole = CLng((*ground - value_or_zero(Model_Layers(3, i))) * g)) {
            Layer_Altitude(i) = static_cast<double>(*whole) / g;
        }
    };

    Model_Layers(3, 1) = 0.0;
    for (int c = 1; c <= 3; ++c) {
        Round_Model_Value(c, 1);
    }
    for (int i = 1; i <= 20; ++i) {
        if (i > 1) {
            const double depth =
                value_or_zero(Model_Layers(2, i - 1)) + value_or_zero(Model_Layers(3, i - 1));
            if (std::isfinite(depth)) {
                Model_Layers(3, i) = depth;
            }
        } else {
            Model_Layers(3, 1) = 0.0;
        }
        if (value_or_zero(Model_Layers(2, i)) == 0.0) {
            Nb_Layers = i;
            if (i < 2) {
                hold_resistivity_in_file(i);
                return;
            }
            if (value_or_zero(Model_Layers(1, i)) == 0.0) {
                Model_Layers(1, i) = Value_Floor;
            }
            Round_Model_Value(1, i);
            hold_resistivity_in_file(i);
            Round_Model_Value(3, i);
            set_altitude(i);
            for (int j = i + 1; j <= 20; ++j) {
                for (int c = 1; c <= 3; ++c) {
                    Model_Layers(c, j) = 0.0;
                }
            }
            return;
        }
        for (int c = 1; c <= 3; ++c) {
            if (value_or_zero(Model_Layers(c, i)) == 0.0) {
                Model_Layers(c, i) = Value_Floor;
            }
            Round_Model_Value(c, i);
        }
        hold_resistivity_in_file(i);
        set_altitude(i);
    }
    // Twenty layers with a thickness each: the twentieth is the half-space.
    Nb_Layers = 20;
}

bool fit_search(void (*trial_curve)()) {
    if (Nb_Layers <= 0 || Nb_Layers >= Model_Columns) {
        return false;
    }
    try {
        const double s = 0.02 / Nb_Layers;
        double K = 0.5 / s;
        Sum_Misfit(Misfit);
        // Without a field point between two curve samples the misfit is 0 and a pass would
        // divide 0 by 0: the fit fails, the model as it was.
        if (value_or_zero(Misfit) == 0.0) {
            return false;
        }

        for (int pass = 0; value_or_zero(Misfit) != 0.0 && pass < Fit_Max_Passes; ++pass) {
            const double e0 = value_or_zero(Misfit);
            const int count = Nb_Layers;
            for (int i = 1; i <= count; ++i) {
                for (const int c : {2, 1}) {
                    if (Fixed_Param(i) == 3 || Fixed_Param(i) == c || (c == 2 && i == Nb_Layers)) {
                        continue;
                    }
                    search_parameter(c, i, s, K, trial_curve);
                }
            }
            const double q = (e0 - value_or_zero(Misfit)) / e0;
            if (!(value_or_zero(Misfit) > 0.00001 && std::fabs(q) > Nb_Layers * s)) {
                break;
            }
            K = std::sqrt(K);
        }
        return remove_thin_layers_and_round();
    } catch (const RuntimeError &) {
        return false;
    }
}

} // namespace ohmira
