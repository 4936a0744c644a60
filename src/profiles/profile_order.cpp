#include "profiles/profile_order.h"

#include "form/sev_form.h"
#include "platform/number_text.h"
#include "profiles/profile_values.h"
#include "profiles/section_geometry.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

namespace ohmira {

namespace {
// Columns of the profile grid.
constexpr int col_x = 2, col_y = 3, col_z = 4, col_distance = 6, grid_cols = 8;

double cell_value(int row, int col) {
    const FlexGrid &g = SEV.SEV_Grid;
    return g.has_cell(row, col) ? box_value(g.TextMatrix(row, col)) : 0;
}
} // namespace

void Re_order() {
    FlexGrid &g = SEV.SEV_Grid;
    const int n = g.Rows() - 1;
    if (n < 1 || g.Cols() < grid_cols)
        return;
    g.Redraw(false);
    struct Row {
        std::array<std::string, grid_cols> cells;
        double key = 0;
        bool unread = false; // a file that could not be read: no location at all
    };
    std::vector<Row> rows(static_cast<size_t>(n));
    for (int i = 1; i <= n; ++i) {
        Row &r = rows[static_cast<size_t>(i - 1)];
        for (int c = 1; c < grid_cols; ++c)
            r.cells[static_cast<size_t>(c)] = g.TextMatrix(i, c);
        const double x = cell_value(i, col_x), y = cell_value(i, col_y);
        r.key = std::sqrt(x * x + y * y);
        if (!std::isfinite(r.key))
            r.key = 0;
        r.unread = r.cells[col_x].empty() && r.cells[col_y].empty() && r.cells[col_z].empty();
    }
    // Equal keys keep their order (a stable sort). Rows of
    // unreadable files go last and take no part in the distances: at the origin they would put
    // every sounding of a line far from it kilometres along.
    std::stable_sort(rows.begin(), rows.end(), [](const Row &a, const Row &b) {
        return a.unread != b.unread ? b.unread : a.key < b.key;
    });
    for (int i = 1; i <= n; ++i)
        for (int c = 1; c < grid_cols; ++c)
            g.TextMatrix(i, c, rows[static_cast<size_t>(i - 1)].cells[static_cast<size_t>(c)]);

    int located = n;
    while (located > 0 && rows[static_cast<size_t>(located - 1)].unread)
        g.TextMatrix(located--, col_distance, "");
    if (located > 0)
        g.TextMatrix(1, col_distance, "0");
    double s = 0;
    for (int i = 2; i <= located; ++i) {
        const double dx = cell_value(i - 1, col_x) - cell_value(i, col_x);
        const double dy = cell_value(i - 1, col_y) - cell_value(i, col_y);
        const double step = std::abs(std::sqrt(dy * dy + dx * dx));
        if (std::isfinite(step))
            s += step;
        // Shown to the millimetre: the sum of square roots carries digits the column cannot hold.
        g.TextMatrix(i, col_distance, number_text(round_half_even(s * 1000) / 1000));
    }
    g.Redraw(true);
    g.Row(n);
    g.Col(col_distance);
}

void Command9_Click() {
    Re_order();
}

void calcul_echelle() {
    const FlexGrid &g = SEV.SEV_Grid;
    double max_z = 0, max_dist = 0;
    for (int i = 1; i < g.Rows(); ++i) {
        max_z = std::max(max_z, cell_value(i, col_z));
        max_dist = std::max(max_dist, cell_value(i, col_distance));
    }
    Profile_Height = max_z - Profile_Low_Alt;
    if (const auto tens = CInt(max_z / 10)) {
        const long top = static_cast<long>(*tens) * 10 + 20;
        if (top <= 32767)
            Profile_Top_Alt = static_cast<std::int16_t>(top);
    }
    const double h = box_value(SEV.Text14.Text());
    const double v = box_value(SEV.Text13.Text());
    if (h != 0) {
        SEV.Text5.Text(number_text(round_half_even(max_dist * 1000 / h)));
        Profile_X_Twips = 1000 / h * twips_per_mm;
    }
    if (v != 0) {
        SEV.Text6.Text(number_text(round_half_even(Profile_Height * 1000 / v)));
        Profile_Z_Twips = 1000 / v * twips_per_mm;
    }
}

} // namespace ohmira
