// Speed of the forward computation, the fit and the automatic model. The counter "allocs" is the
// number of heap allocations per iteration: the fit's trial steps must not allocate.
#include "commands/auto_model_commands.h"
#include "commands/fit_command.h"
#include "core/auto_model.h"
#include "core/fit.h"
#include "core/forward.h"
#include "core/sounding.h"
#include "form/settings_values.h"
#include "form/sev_form.h"
#include "plot/forward_commands.h"

#include <benchmark/benchmark.h>

#include <atomic>
#include <cmath>
#include <cstdlib>
#include <new>
#include <vector>

namespace {
std::atomic<long> allocations{0};
}

// Replaced global allocation functions that count; kept out of line so that GCC does not take
// the malloc/free underneath for a mismatched pair.
[[gnu::noinline]] void *operator new(std::size_t size) {
    allocations.fetch_add(1, std::memory_order_relaxed);
    if (void *p = std::malloc(size ? size : 1)) {
        return p;
    }
    throw std::bad_alloc();
}
[[gnu::noinline]] void operator delete(void *p) noexcept {
    std::free(p);
}
[[gnu::noinline]] void operator delete(void *p, std::size_t) noexcept {
    std::free(p);
}

namespace ohmira {
namespace {

struct Layer {
    double rho;
    double h;
};

void set_array(Array_Type array) {
    SEV.Option1.Value(array == Array_Type::Schlumberger);
    SEV.Option2.Value(array == Array_Type::Dipole);
    SEV.Option3.Value(array == Array_Type::Wenner);
}

void set_model(const std::vector<Layer> &layers, double factor = 1.0) {
    Model_Layers.clear();
    Fixed_Param.clear();
    int i = 0;
    for (const auto &l : layers) {
        ++i;
        Model_Layers(1, i) = l.rho * factor;
        Model_Layers(2, i) = l.h * factor;
    }
    Nb_Layers = static_cast<std::int16_t>(i);
}

std::vector<Layer> layered(int n) {
    std::vector<Layer> layers;
    double h = 1.0;
    for (int i = 0; i < n; ++i) {
        layers.push_back({i % 2 == 0 ? 200.0 + 10 * i : 20.0 + i, i + 1 < n ? h : 0.0});
        h *= 1.3;
    }
    return layers;
}

void start() {
    reset_core_state();
    Superpose = -1;
    AB2min = -1;
    Draw_RMS = 0;
    Draw_Model = 1;
    Decimals_Mode = 0;
    Auto_Threshold = 0.3;
    Misfit = 0.0;
}

// Field points: the model's own curve at `count` spacings from 1 m, 8 per decade.
void synthetic_field(const std::vector<Layer> &model, int count) {
    set_model(model);
    Field_Data.clear();
    Field_Data(1, 1) = std::pow(10.0, (count - 1) / 8.0);
    Nb_Points = 1;
    Max_AB2 = 1;
    Find_Max_AB2(Max_AB2);
    Draw_Mode = "FICHIER";
    Compute_Curve();
    for (int i = 1; i <= count; ++i) {
        Field_Data(i, 1) = Curve(7 + i, 2).num();
        Field_Data(i, 2) = Curve(7 + i, 1).num();
    }
    Nb_Points = static_cast<std::int16_t>(count);
}

void BM_ComputeCurve(benchmark::State &state) {
    start();
    const auto array = static_cast<Array_Type>(state.range(1));
    set_array(array);
    const auto model = layered(static_cast<int>(state.range(0)));
    Field_Data(1, 1) = 1000.0;
    Nb_Points = 1;
    Max_AB2 = 1000;
    Draw_Mode = "FICHIER";
    const long before = allocations.load();
    bool other = false;
    for (auto _ : state) {
        // Every resistivity and thickness changes from one curve to the next, so that nothing
        // kept from the last computation serves.
        set_model(model, other ? 1.001 : 1.0);
        other = !other;
        Compute_Curve();
        benchmark::DoNotOptimize(Curve(Curve_Last, 1));
    }
    state.counters["allocs"] = benchmark::Counter(static_cast<double>(allocations.load() - before),
                                                  benchmark::Counter::kAvgIterations);
    // Time per curve sample (38 samples from 0.1 m to 4217 m).
    state.counters["per_sample"] =
        benchmark::Counter(Curve_Last + 1.0, benchmark::Counter::kIsIterationInvariantRate |
                                                 benchmark::Counter::kInvert);
    state.counters["samples"] = Curve_Last + 1.0;
}
BENCHMARK(BM_ComputeCurve)
    ->ArgsProduct({{3, 10, 20}, {0, 1, 2}})
    ->ArgNames({"layers", "array"})
    ->Unit(benchmark::kMicrosecond);

void BM_FitModel(benchmark::State &state) {
    start();
    set_array(Array_Type::Schlumberger);
    const std::vector<Layer> truth = {{120, 2}, {30, 6}, {400, 15}, {60, 30}, {500, 0}};
    synthetic_field(truth, 30);
    const long before = allocations.load();
    for (auto _ : state) {
        set_model(truth, 1.3);
        Misfit = 1.0;
        Draw_Mode = "NORMAL";
        Compute_Curve();
        Fit_Model();
        benchmark::DoNotOptimize(Model_Layers(1, 1));
    }
    state.counters["allocs"] = benchmark::Counter(static_cast<double>(allocations.load() - before),
                                                  benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_FitModel)->Unit(benchmark::kMillisecond);

// The same fit on 30 points at the spacings of the shipped Schlumberger table (1.5 to 1500 m),
// which lie between the curve's samples: the model's value at each is a filter sum of its own.
void BM_FitModelAtTableSpacings(benchmark::State &state) {
    start();
    set_array(Array_Type::Schlumberger);
    const std::vector<Layer> truth = {{120, 2}, {30, 6}, {400, 15}, {60, 30}, {500, 0}};
    const double spacings[] = {1.5, 2,   3,   4,   5,   6,   8,   10,   12,   15,
                               20,  25,  30,  40,  50,  60,  80,  100,  120,  150,
                               200, 250, 300, 400, 500, 600, 800, 1000, 1200, 1500};
    set_model(truth);
    Field_Data.clear();
    int n = 0;
    for (const double a : spacings) {
        Field_Data(++n, 1) = a;
    }
    Nb_Points = static_cast<std::int16_t>(n);
    Max_AB2 = 1;
    Find_Max_AB2(Max_AB2);
    Draw_Mode = "FICHIER";
    Compute_Curve();
    // The field values: the curve's own between its samples where the program has no other.
    for (int i = 1; i <= n; ++i) {
        int k = 0;
        while (k + 1 < Curve_Last && Curve(k + 1, 2).num() <= spacings[i - 1]) {
            ++k;
        }
        const double s1 = Curve(k, 2).num(), s2 = Curve(k + 1, 2).num();
        const double r1 = Curve(k, 1).num(), r2 = Curve(k + 1, 1).num();
        const double t = std::log(spacings[i - 1] / s1) / std::log(s2 / s1);
        Field_Data(i, 2) = std::exp(std::log(r1) + t * std::log(r2 / r1));
    }
    const long before = allocations.load();
    for (auto _ : state) {
        set_model(truth, 1.3);
        Misfit = 1.0;
        Draw_Mode = "NORMAL";
        Compute_Curve();
        Fit_Model();
        benchmark::DoNotOptimize(Model_Layers(1, 1));
    }
    state.counters["allocs"] = benchmark::Counter(static_cast<double>(allocations.load() - before),
                                                  benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_FitModelAtTableSpacings)->Unit(benchmark::kMillisecond);

void BM_AutoModelAndFit100Soundings(benchmark::State &state) {
    start();
    set_array(Array_Type::Schlumberger);
    std::vector<std::vector<std::pair<double, double>>> soundings;
    for (int s = 0; s < 100; ++s) {
        const double f = 1.0 + 0.02 * s;
        synthetic_field({{100 * f, 1.5 * f}, {20 / f, 5 * f}, {300 * f, 0}}, 24);
        std::vector<std::pair<double, double>> points;
        for (int i = 1; i <= Nb_Points; ++i) {
            points.emplace_back(Field_Data(i, 1).num(), Field_Data(i, 2).num());
        }
        soundings.push_back(points);
    }
    for (auto _ : state) {
        for (const auto &points : soundings) {
            Field_Data.clear();
            int i = 0;
            for (const auto &[a, r] : points) {
                Field_Data(++i, 1) = a;
                Field_Data(i, 2) = r;
            }
            Nb_Points = static_cast<std::int16_t>(i);
            Max_AB2 = 1;
            Find_Max_AB2(Max_AB2);
            Draw_Mode = "FICHIER";
            Create_Auto_Model();
            Draw_Mode = "FICHIER";
            Misfit = 1.0;
            Compute_Curve();
            Fit_Model();
        }
        benchmark::DoNotOptimize(Model_Layers(1, 1));
    }
}
BENCHMARK(BM_AutoModelAndFit100Soundings)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace ohmira
