#include "core/forward_filters.h"

#include "core/forward_filter_tables.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <limits>
#include <vector>

namespace ohmira {

namespace {

constexpr double Not_A_Number = std::numeric_limits<double>::quiet_NaN();

// Transform abscissas per decade; position j stands for the abscissa 10^((j + offset) / 16).
constexpr int Per_Decade = 8 * Filter_Substeps;

// Spacings whose positions differ by a whole number to this tolerance share one table: the
// abscissas they read then lie within 1.5e-10 of their own.
constexpr double Offset_Tolerance = 1e-9;

// Room for the transform tables of one computation; a curve needs a few hundred entries, each
// further set of field spacings about 150 more.
constexpr int Max_Table_Entries = 1 << 15;

// The two-electrode tail is carried out to this many times the earth's longest length, beyond
// which the transform differs from rho_N + A / lambda by (1e-3)^2 of its variation.
constexpr double Flat_Reach = 1e3;

// The transform tables are processed in blocks of this many abscissas (padded at the end), each
// block through all the layers at once, so that the compiler turns the loops into vector code.
constexpr std::size_t Block = 16;

// Rounds to single precision; false when the value does not fit (an overflow).
bool to_single(double v, float &out) {
    if (!std::isfinite(v) || std::fabs(v) > FLT_MAX) {
        return false;
    }
    out = static_cast<float>(v);
    return true;
}

struct Filter {
    int first_tap; // in 1/16 decade, relative to the sample's spacing
    std::span<const double> taps;
    double tail_weight; // weight of the abscissa after the last tap; 0 without a tail
};

Filter filter_of(Array_Type array) {
    switch (array) {
    case Array_Type::Schlumberger:
        return {Schlumberger_First_Tap, Schlumberger_Filter, 0.0};
    case Array_Type::Wenner:
        return {Wenner_First_Tap, Wenner_Filter, 0.0};
    case Array_Type::Dipole:
        break;
    }
    return {Dipole_First_Tap, Dipole_Filter, Dipole_Tail_Weight};
}

// Number of samples the sampling rule asks for: x = (k - 1) / 8 + ab2min is tested in single
// precision before sample k; the loop ends at the first x at or beyond the limit. False when the
// 101 rows of the table are not enough (count is then 101).
bool sample_count(int ab2min, float limit, int &count, bool &ok) {
    count = 0;
    ok = true;
    for (;;) {
        float x = 0.0f;
        if (!to_single((count - 1) * 0.125 + ab2min, x)) {
            ok = false;
            return true;
        }
        if (x >= limit) {
            return true;
        }
        if (count >= Curve_Rows) {
            return false;
        }
        ++count;
    }
}

// Sum of taps[i] * values[i], in eight running sums so that the additions do not wait on each
// other.
double dot(std::span<const double> taps, const double *values) {
    double s0 = 0.0, s1 = 0.0, s2 = 0.0, s3 = 0.0, s4 = 0.0, s5 = 0.0, s6 = 0.0, s7 = 0.0;
    const double *w = taps.data();
    const std::size_t n = taps.size();
    std::size_t i = 0;
    for (; i + 8 <= n; i += 8) {
        s0 += w[i] * values[i];
        s1 += w[i + 1] * values[i + 1];
        s2 += w[i + 2] * values[i + 2];
        s3 += w[i + 3] * values[i + 3];
        s4 += w[i + 4] * values[i + 4];
        s5 += w[i + 5] * values[i + 5];
        s6 += w[i + 6] * values[i + 6];
        s7 += w[i + 7] * values[i + 7];
    }
    for (; i < n; ++i) {
        s0 += w[i] * values[i];
    }
    return ((s0 + s1) + (s2 + s3)) + ((s4 + s5) + (s6 + s7));
}

// A layer's factor e = exp(-2u) - 1, u = h / lambda (tanh u = -e / (2 + e)): -1 where the layer
// screens everything below it (tanh u is 1 in double precision), NaN where u is no number.
double layer_factor(double u) {
    if (!std::isfinite(u)) {
        return Not_A_Number;
    }
    return u >= Screening_Ratio ? -1.0 : std::expm1(-2.0 * u);
}

// One layer of the recurrence T := (T + rho th) / (1 + T th / rho), th = -e / (2 + e), on T
// carried as the fraction num / den and both multiplied by 2 + e, so that nothing is divided until
// the top. Neither part ever shrinks, and each grows by at most 2 (1 + the largest resistivity over
// the smallest) per layer, so twenty layers of contrast 1.5e8 stay far from an overflow; beyond,
// the overflow gives NaN.
inline void transform_step(double e, double rho, double inverse_rho, double &num, double &den) {
    const double n = num, d = den, two = 2.0 + e;
    num = two * n - (rho * e) * d;
    den = two * d - (inverse_rho * e) * n;
}

// A zero resistivity above the half-space divides by zero wherever the layer is not screened;
// where it is, the transform is that layer's resistivity whatever lies below.
inline void zero_resistivity_step(double e, double &num, double &den) {
    num = e == -1.0 ? 0.0 : Not_A_Number;
    den = 1.0;
}

// Far above every length of the earth the transform is rho_N + slope / lambda (to first order in
// h / lambda); `reach` is where that holds to (1e-3)^2, 0 when the earth has no such length.
struct Flat_Transform {
    double rho = 0.0;
    double slope = 0.0;
    double reach = 0.0;
};

Flat_Transform flat_transform(const Layered_Earth &earth) {
    Flat_Transform flat;
    const int n = earth.layers;
    flat.rho = earth.rho[n];
    double depth = 0.0, transverse = 0.0, conductance = 0.0;
    for (int i = 1; i < n; ++i) {
        const double h = earth.thickness[i];
        depth += h;
        transverse += h * earth.rho[i];
        conductance += h / earth.rho[i];
    }
    const double rho = flat.rho;
    flat.slope = transverse - rho * rho * conductance;
    const double length = std::max({depth, transverse / rho, rho * conductance});
    if (!std::isfinite(flat.slope)) {
        flat.slope = 0.0;
    }
    if (std::isfinite(length) && length > 0.0) {
        flat.reach = Flat_Reach * length;
    }
    return flat;
}

// The whole decade at or above the reach of the flat transform; -inf without one.
double reach_decade(const Flat_Transform &flat) {
    return flat.reach > 0.0 ? std::ceil(std::log10(flat.reach))
                            : -std::numeric_limits<double>::infinity();
}

// Position of a spacing among the abscissas: spacing = 10^((index + offset) / 16), |offset| <= 0.5.
bool position_of(double spacing, int &index, double &offset) {
    if (!(spacing > 0.0) || !std::isfinite(spacing)) {
        return false;
    }
    const double v = std::log10(spacing) * Per_Decade;
    const double whole = std::floor(v + 0.5);
    index = static_cast<int>(whole);
    offset = v - whole;
    return true;
}

} // namespace

// The tables of one computation and what is kept of them for the next: the abscissas (as long as
// the spacings are the same), each layer's factors (as long as its thickness is the same), and the
// transform at the top of each layer (as long as the layers below it are the same), so that a
// trial that changes layer p recomputes layers p..1 only, with the same arithmetic.
struct Forward_Workspace::State {
    // One table of transform values: positions lo..hi at offset `offset`, entries base.. of the
    // arrays below. Positions first..last are the spacings it serves.
    struct Table {
        double offset = 0.0;
        int first = 0, last = 0;
        int lo = 0, hi = 0, base = 0;
        bool operator==(const Table &o) const {
            return offset == o.offset && lo == o.lo && hi == o.hi;
        }
    };
    struct Member {
        int table = -1;
        int position = 0;
    };

    std::vector<Table> tables, planned;
    std::vector<Member> members;
    std::vector<double> lambda, inverse_lambda;
    std::size_t entries = 0; // abscissas in use; lambda is padded to whole blocks
    // Per layer: its factors (see factors()) at every abscissa, for the thickness in row_thickness
    // (NaN: none).
    std::array<std::vector<double>, Model_Columns> row;
    std::array<double, Model_Columns> row_thickness{};
    // Per layer i >= 2: the transform at the top of layer i as num / den, for the layers of
    // `kept` from i down; kept for the layers tops_from and below (when kept.layers > 0).
    std::array<std::vector<double>, Model_Columns> top_num, top_den;
    Layered_Earth kept;
    int tops_from = 0;
    std::vector<double> t, tail;
    // The spacings 10^(ab2min + k / 8) of the curve's samples, for sample_ab2min.
    std::array<double, Curve_Rows> sample_spacing{};
    int sample_ab2min = std::numeric_limits<int>::min();

    State() { row_thickness.fill(Not_A_Number); }

    const std::array<double, Curve_Rows> &sample_spacings(int ab2min) {
        if (ab2min != sample_ab2min) {
            for (int k = 0; k < Curve_Rows; ++k) {
                sample_spacing[static_cast<std::size_t>(k)] = std::pow(10.0, ab2min + k / 8.0);
            }
            sample_ab2min = ab2min;
        }
        return sample_spacing;
    }

    // What the tables were planned for; a fit's trials keep all of it but the model.
    struct Plan_Key {
        Array_Type array = Array_Type::Schlumberger;
        int ab2min = 0, count = -1;
        double reach = 0.0; // the two-electrode tail's reach, rounded to a decade
        std::vector<double> spacings;
    } plan;

    bool same_plan(Array_Type array, int ab2min, int count, std::span<const double> spacings,
                   const Flat_Transform &flat) {
        const double reach = array == Array_Type::Dipole ? reach_decade(flat) : 0.0;
        const bool same = plan.count == count && plan.array == array && plan.ab2min == ab2min &&
                          plan.reach == reach &&
                          std::equal(spacings.begin(), spacings.end(), plan.spacings.begin(),
                                     plan.spacings.end());
        plan.array = array;
        plan.ab2min = ab2min;
        plan.count = count;
        plan.reach = reach;
        plan.spacings.assign(spacings.begin(), spacings.end());
        return same;
    }

    int table_for(double offset) {
        for (std::size_t i = 0; i < planned.size(); ++i) {
            if (std::fabs(planned[i].offset - offset) <= Offset_Tolerance) {
                return static_cast<int>(i);
            }
        }
        Table table;
        table.offset = offset;
        table.first = std::numeric_limits<int>::max();
        table.last = std::numeric_limits<int>::min();
        planned.push_back(table);
        return static_cast<int>(planned.size()) - 1;
    }

    void serve(int index, int position) {
        Table &table = planned[static_cast<std::size_t>(index)];
        table.first = std::min(table.first, position);
        table.last = std::max(table.last, position);
    }

    // The abscissas every table needs: its spacings' taps and, for the two-electrode tail, up to
    // the reach of the flat transform (rounded up to a whole decade, so that a fit's trials keep
    // their tables). Tables that do not fit are dropped, the curve's (the first) never.
    void size_tables(const Filter &filter, const Flat_Transform &flat) {
        const int taps = static_cast<int>(filter.taps.size());
        int total = 0;
        for (auto &table : planned) {
            table.lo = table.first + filter.first_tap;
            table.hi = table.last + filter.first_tap + taps - 1;
            if (filter.tail_weight != 0.0) {
                ++table.hi; // the tail starts at the abscissa after the last tap
                const double top = reach_decade(flat) * Per_Decade;
                if (top > table.hi && top - table.lo < Max_Table_Entries / 2) {
                    table.hi = static_cast<int>(top);
                }
            }
            total += table.hi - table.lo + 1;
        }
        while (planned.size() > 1 && total > Max_Table_Entries) {
            total -= planned.back().hi - planned.back().lo + 1;
            planned.pop_back();
        }
        int base = 0;
        for (auto &table : planned) {
            table.base = base;
            base += table.hi - table.lo + 1;
        }
    }

    // Abscissas of the planned tables, and each layer's factors; both kept from the last call
    // while the tables and the thickness are the same.
    void prepare(const Layered_Earth &earth) {
        if (planned != tables) {
            tables = planned;
            entries = tables.empty()
                          ? 0
                          : static_cast<std::size_t>(tables.back().base + tables.back().hi -
                                                     tables.back().lo + 1);
            // Padded to whole blocks; the padding's abscissa is 1 m and nothing reads it.
            lambda.assign((entries + Block - 1) / Block * Block, 1.0);
            for (const auto &table : tables) {
                for (int j = table.lo; j <= table.hi; ++j) {
                    lambda[static_cast<std::size_t>(table.base + j - table.lo)] =
                        std::pow(10.0, (j + table.offset) / Per_Decade);
                }
            }
            // 1 / lambda, NaN for an abscissa that is not a positive number (an underflow).
            inverse_lambda.resize(lambda.size());
            for (std::size_t e = 0; e < lambda.size(); ++e) {
                const double l = lambda[e];
                inverse_lambda[e] = l > 0.0 && std::isfinite(l) ? 1.0 / l : Not_A_Number;
            }
            row_thickness.fill(Not_A_Number);
            kept.layers = 0;
            t.resize(lambda.size());
            tail.resize(lambda.size());
        }
        for (int i = 1; i < earth.layers; ++i) {
            const double h = earth.thickness[i];
            auto &r = row[static_cast<std::size_t>(i)];
            if (row_thickness[static_cast<std::size_t>(i)] == h && r.size() == lambda.size()) {
                continue;
            }
            r.resize(lambda.size());
            factors(h, r);
            row_thickness[static_cast<std::size_t>(i)] = h;
        }
    }

    // A layer's factors e = exp(-2 h / lambda) - 1 at every abscissa. In each table the top decade
    // is computed; every lower abscissa, a decade below another, from that one: with q = 1 + e
    // there, q^10 here, so e = e' (1 + q + ... + q^9), a product of positive terms that loses
    // about 5e-16 per decade instead of an exponential per abscissa. Where the layer screens what
    // lies below, -1.
    void factors(double h, std::vector<double> &r) const {
        std::fill(r.begin(), r.end(), -1.0); // the padding too: nothing reads it
        if (!std::isfinite(h) || h < 0.0) {
            for (std::size_t e = 0; e < entries; ++e) {
                r[e] = layer_factor(h * inverse_lambda[e]);
            }
            return;
        }
        for (const auto &table : tables) {
            const int first = table.base, last = table.base + table.hi - table.lo;
            for (int e = last; e >= first; --e) {
                const std::size_t k = static_cast<std::size_t>(e);
                const double u = h * inverse_lambda[k];
                if (!(u < Screening_Ratio)) {
                    r[k] = layer_factor(u); // -1 from here down, NaN without an abscissa
                    if (std::isnan(r[k])) {
                        continue;
                    }
                    break;
                }
                if (e > last - Per_Decade) {
                    r[k] = std::expm1(-2.0 * u);
                    continue;
                }
                const double above = r[k + Per_Decade];
                const double q = 1.0 + above, q2 = q * q;
                r[k] = above * ((1.0 + q) * (1.0 + q2 * (1.0 + q2 * (1.0 + q2 * (1.0 + q2)))));
            }
        }
    }

    // The deepest layer that differs from the kept earth. 0 when nothing changed, layers - 1
    // (the whole recurrence) when the half-space or the layer count did, or nothing is kept.
    int restart_layer(const Layered_Earth &earth) const {
        const int n = earth.layers;
        if (kept.layers != n || kept.rho[n] != earth.rho[n]) {
            return n - 1;
        }
        for (int i = n - 1; i >= 1; --i) {
            if (kept.rho[i] != earth.rho[i] || kept.thickness[i] != earth.thickness[i]) {
                return i;
            }
        }
        return 0;
    }

    // The transform at every abscissa, from the changed layer up, each block through all those
    // layers at once. A value that is no number (an overflow, no abscissa) makes every sum reading
    // it one.
    void transform(const Layered_Earth &earth) {
        const int n = earth.layers;
        if (n <= 1) {
            std::fill(t.begin(), t.end(), earth.rho[n]); // a homogeneous earth
            kept.layers = 0;
            return;
        }
        bool zero = false;
        for (int i = 1; i < n; ++i) {
            zero = zero || earth.rho[i] == 0.0;
        }
        if (zero) {
            transform_with_zero(earth);
            kept.layers = 0;
            return;
        }
        const int changed = restart_layer(earth);
        if (kept.layers != n || changed == n - 1) {
            tops_from = n; // the half-space's own value is the only top kept
        }
        if (changed == 0) {
            return; // the same earth: the transform stands
        }
        for (int i = 2; i < n; ++i) {
            top_num[static_cast<std::size_t>(i)].resize(lambda.size());
            top_den[static_cast<std::size_t>(i)].resize(lambda.size());
        }
        // From the deepest kept top at or below the changed layer; the tops of the layers between
        // are kept on the way, those of the changed layer and above are not: the next trial most
        // likely changes the same layer again.
        const int start = std::max(changed, tops_from - 1);
        std::array<double, Model_Columns> inverse{};
        for (int i = 1; i <= start; ++i) {
            inverse[static_cast<std::size_t>(i)] = 1.0 / earth.rho[i];
        }
        for (std::size_t b = 0; b < lambda.size(); b += Block) {
            double num[Block], den[Block];
            if (start == n - 1) {
                std::fill(num, num + Block, earth.rho[n]);
                std::fill(den, den + Block, 1.0);
            } else {
                std::copy_n(top_num[static_cast<std::size_t>(start + 1)].data() + b, Block, num);
                std::copy_n(top_den[static_cast<std::size_t>(start + 1)].data() + b, Block, den);
            }
            for (int i = start; i >= 1; --i) {
                layer_block(row[static_cast<std::size_t>(i)].data() + b, earth.rho[i],
                            inverse[static_cast<std::size_t>(i)], num, den);
                if (i > changed) {
                    std::copy_n(num, Block, top_num[static_cast<std::size_t>(i)].data() + b);
                    std::copy_n(den, Block, top_den[static_cast<std::size_t>(i)].data() + b);
                }
            }
            divide_block(num, den, t.data() + b);
        }
        tops_from = changed + 1;
        kept.layers = n;
        for (int i = 1; i <= n; ++i) {
            kept.rho[i] = earth.rho[i];
            kept.thickness[i] = earth.thickness[i];
        }
    }

    static void layer_block(const double *__restrict factor, double rho, double inverse,
                            double *__restrict num, double *__restrict den) {
        for (std::size_t k = 0; k < Block; ++k) {
            transform_step(factor[k], rho, inverse, num[k], den[k]);
        }
    }

    static void divide_block(const double *__restrict num, const double *__restrict den,
                             double *__restrict t) {
        for (std::size_t k = 0; k < Block; ++k) {
            t[k] = num[k] / den[k];
        }
    }

    void transform_with_zero(const Layered_Earth &earth) {
        const int n = earth.layers;
        for (std::size_t e = 0; e < lambda.size(); ++e) {
            double num = earth.rho[n], den = 1.0;
            for (int i = n - 1; i >= 1; --i) {
                const double rho = earth.rho[i];
                const double factor = row[static_cast<std::size_t>(i)][e];
                if (rho == 0.0) {
                    zero_resistivity_step(factor, num, den);
                } else {
                    transform_step(factor, rho, 1.0 / rho, num, den);
                }
            }
            t[e] = num / den;
        }
    }

    // The two-electrode tail of each table: tail[e] = sum over k >= 0 of ratio^k T(e + k), the
    // transform beyond the table taken as rho_N + slope / lambda.
    void sum_tails(const Filter &filter, const Flat_Transform &flat) {
        if (filter.tail_weight == 0.0) {
            return;
        }
        const double r = Dipole_Tail_Ratio;
        const int taps = static_cast<int>(filter.taps.size());
        for (const auto &table : tables) {
            const int top = table.base + table.hi - table.lo;
            const double beyond = std::pow(10.0, (table.hi + 1 + table.offset) / Per_Decade);
            double sum = flat.rho / (1.0 - r) + flat.slope / beyond / (1.0 - r * r);
            const int bottom = table.base + table.first + filter.first_tap + taps - table.lo;
            for (int e = top; e >= bottom; --e) {
                sum = t[static_cast<std::size_t>(e)] + r * sum;
                tail[static_cast<std::size_t>(e)] = sum;
            }
        }
    }

    // The filter's sum for the spacing at `position` of `table`.
    double value_at(const Filter &filter, const Table &table, int position) const {
        const int start = table.base + position + filter.first_tap - table.lo;
        double v = dot(filter.taps, &t[static_cast<std::size_t>(start)]);
        if (filter.tail_weight != 0.0) {
            v += filter.tail_weight * tail[static_cast<std::size_t>(start) + filter.taps.size()];
        }
        return v;
    }
};

Forward_Workspace::State &state_of(Forward_Workspace &workspace) {
    return *workspace.state_;
}

Forward_Workspace::Forward_Workspace() : state_(std::make_unique<State>()) {}
Forward_Workspace::~Forward_Workspace() = default;

bool resistivity_transform(const Layered_Earth &earth, double lambda, double &t) {
    const int n = earth.layers;
    if (n < 0 || n >= Model_Columns || !(lambda > 0.0) || !std::isfinite(lambda)) {
        return false;
    }
    double num = earth.rho[n];
    double den = 1.0;
    for (int i = n - 1; i >= 1; --i) {
        const double e = layer_factor(earth.thickness[i] * (1.0 / lambda));
        const double rho = earth.rho[i];
        if (rho == 0.0) {
            zero_resistivity_step(e, num, den);
        } else {
            transform_step(e, rho, 1.0 / rho, num, den);
        }
    }
    const double value = num / den;
    if (!std::isfinite(value)) {
        return false;
    }
    t = value;
    return true;
}

Forward_Failure compute_curve_and_values(const Layered_Earth &earth, Array_Type array, int ab2min,
                                         int max_ab2, std::span<const double> spacings,
                                         std::span<double> values, Sampled_Curve &out,
                                         Forward_Workspace &workspace) {
    out.last = -1;
    std::fill(values.begin(), values.end(), Not_A_Number);
    if (earth.layers < 0 || earth.layers >= Model_Columns || max_ab2 <= 0) {
        return Forward_Failure::arithmetic;
    }
    float limit = 0.0f;
    if (!to_single(std::log(static_cast<double>(max_ab2)) * Log10_Factor + 0.5, limit)) {
        return Forward_Failure::arithmetic;
    }
    int count = 0;
    bool ok = true;
    const bool room = sample_count(ab2min, limit, count, ok);
    if (!ok) {
        return Forward_Failure::arithmetic;
    }

    Forward_Workspace::State &s = state_of(workspace);
    const Filter filter = filter_of(array);
    const Flat_Transform flat = flat_transform(earth);
    const std::size_t points = std::min(spacings.size(), values.size());
    const int curve_start = Per_Decade * ab2min;
    if (!s.same_plan(array, ab2min, count, spacings.first(points), flat)) {
        s.planned.clear();
        // The curve's table comes first: sample k lies at position 16 ab2min + 2 k, offset 0.
        if (count > 0) {
            const int table = s.table_for(0.0);
            s.serve(table, curve_start);
            s.serve(table, curve_start + Filter_Substeps * (count - 1));
        }
        // Values are computed for the spacings the curve spans, from its first sample to its last.
        const double curve_end = curve_start + Filter_Substeps * (count - 1) + Offset_Tolerance;
        s.members.assign(points, {});
        for (std::size_t i = 0; i < points; ++i) {
            int position = 0;
            double offset = 0.0;
            if (position_of(spacings[i], position, offset) &&
                position + offset >= curve_start - Offset_Tolerance &&
                position + offset <= curve_end) {
                const int table = s.table_for(offset);
                s.serve(table, position);
                s.members[i] = {table, position};
            }
        }
        s.size_tables(filter, flat);
    }
    s.prepare(earth);
    s.transform(earth);
    s.sum_tails(filter, flat);

    for (std::size_t i = 0; i < points; ++i) {
        const auto &m = s.members[i];
        if (m.table >= 0 && m.table < static_cast<int>(s.tables.size())) {
            const double v =
                s.value_at(filter, s.tables[static_cast<std::size_t>(m.table)], m.position);
            values[i] = std::isfinite(v) ? v : Not_A_Number;
        }
    }
    const auto &sample_spacing = s.sample_spacings(ab2min);
    for (int k = 0; k < count; ++k) {
        const double sum = s.value_at(filter, s.tables.front(), curve_start + Filter_Substeps * k);
        const double spacing = sample_spacing[static_cast<std::size_t>(k)];
        if (!std::isfinite(sum) || !std::isfinite(spacing) || !(spacing > 0.0)) {
            out.last = k;
            return Forward_Failure::arithmetic;
        }
        out.rho[k] = sum;
        out.spacing[k] = spacing;
        out.last = k;
    }
    return room ? Forward_Failure::none : Forward_Failure::table_full;
}

Forward_Failure compute_sampled_curve(const Layered_Earth &earth, Array_Type array, int ab2min,
                                      int max_ab2, Sampled_Curve &out) {
    Forward_Workspace workspace;
    return compute_curve_and_values(earth, array, ab2min, max_ab2, {}, {}, out, workspace);
}

} // namespace ohmira
