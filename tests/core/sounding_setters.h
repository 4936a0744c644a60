#pragma once
// Fills the sounding in memory for a test: a model from (resistivity, thickness) pairs, field
// points from (spacing, apparent resistivity) pairs.
#include "core/forward.h"
#include "core/sounding.h"

#include <cstdint>
#include <initializer_list>
#include <utility>
#include <vector>

namespace ohmira::test {

// The last thickness is the half-space's 0. Fixed parameters are cleared.
inline void set_model(const std::vector<std::pair<double, double>> &layers) {
    Model_Layers.clear();
    Fixed_Param.clear();
    int i = 0;
    for (const auto &[rho, h] : layers) {
        ++i;
        Model_Layers(1, i) = rho;
        Model_Layers(2, i) = h;
    }
    Nb_Layers = static_cast<std::int16_t>(i);
}
inline void set_model(std::initializer_list<std::pair<double, double>> layers) {
    set_model(std::vector<std::pair<double, double>>(layers));
}

// Max_AB2 follows the points, as after opening a file.
inline void set_field(const std::vector<std::pair<double, double>> &points) {
    Field_Data.clear();
    int i = 0;
    for (const auto &[spacing, rho] : points) {
        ++i;
        Field_Data(i, 1) = spacing;
        Field_Data(i, 2) = rho;
    }
    Nb_Points = static_cast<std::int16_t>(i);
    Max_AB2 = 1;
    Find_Max_AB2(Max_AB2);
}

} // namespace ohmira::test
