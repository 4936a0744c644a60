#include "profiles/profile_selection.h"

#include "core/app_title.h"
#include "core/sounding.h"
#include "form/sev_form.h"
#include "platform/dialog_host.h"
#include "platform/number_text.h"
#include "profiles/colour_scale.h"
#include "profiles/profile_order.h"
#include "profiles/profile_sounding.h"
#include "profiles/profile_values.h"
#include "profiles/section_geometry.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace ohmira {

namespace {
constexpr std::array<const char *, 8> grid_headers{"",  "File name", "X",        "Y",
                                                   "Z", "Order",     "Distance", "Max. depth"};

std::vector<std::string> split_at_nul(const std::string &text) {
    std::vector<std::string> parts;
    std::string::size_type start = 0;
    while (true) {
        const auto end = text.find('\0', start);
        parts.push_back(text.substr(start, end - start));
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
    return parts;
}

std::string with_separator(std::string folder) {
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    return folder;
}
} // namespace

bool choose_profile_files(std::string &folder, std::vector<std::string> &names) {
    CommonDialog &cd = SEV.CmDialog1;
    cd.Flags = cdlOFNAllowMultiselect | cdlOFNExplorer;
    cd.MaxFileSize = 32000;
    cd.InitDir = Chemin;
    cd.CancelError = false;
    cd.DialogTitle = "SEV file selection";
    cd.Filter = "Ohmira 5 & 6 (*.QD3)|*.QD3|All files|*.*|";
    cd.FileName = "*.qd3";
    cd.FilterIndex = 1;
    // A cancelled dialog ends the command without a word.
    if (!cd.ShowOpen())
        return false;
    const std::vector<std::string> parts = split_at_nul(cd.FileName);
    if (parts.size() < 2) {
        MsgBox("Impossible with only 1 file", vbCritical + vbOKOnly, Prog_Title);
        return false;
    }
    folder = with_separator(parts[0]);
    names.assign(parts.begin() + 1, parts.end());
    Chemin = folder;
    return true;
}

double round_limit(double v) {
    if (v > 1000)
        return round_half_even(v / 100) * 100;
    if (v > 100)
        return round_half_even(v / 10) * 10;
    return round_half_even(v);
}

void set_profile_grid_headers() {
    FlexGrid &g = SEV.SEV_Grid;
    if (g.Cols() < 8)
        g.Cols(8);
    for (int c = 1; c < 8; ++c)
        g.TextMatrix(0, c, grid_headers[static_cast<size_t>(c)]);
}

void Command2_Click() {
    std::string folder;
    std::vector<std::string> names;
    if (!choose_profile_files(folder, names))
        return;
    Profile_Folder = folder;
    const int n = static_cast<int>(names.size());

    FlexGrid &g = SEV.SEV_Grid;
    g.Redraw(false);
    g.Rows(n + 1);
    g.Cols(8);
    g.Height(2000);
    for (int i = 1; i <= n; ++i) {
        g.RowHeight(i, 200);
        g.ColWidth(0, 300);
        g.TextMatrix(i, 0, number_text(i));
        g.ColWidth(1, 3125);
        g.TextMatrix(i, 1, names[static_cast<size_t>(i - 1)]);
        for (int c = 2; c < 8; ++c) {
            g.ColWidth(c, 960);
            g.TextMatrix(i, c, "");
        }
    }
    set_profile_grid_headers();

    double max_res = 0, min_res = 99999999;
    double distance = 0, x_prev = 0, y_prev = 0;
    bool first = true;
    Profile_Low_Alt = 99999;
    const bool wenner = wenner_selected();
    std::string unreadable;
    for (int i = 1; i <= n; ++i) {
        const std::string &name = names[static_cast<size_t>(i - 1)];
        g.TextMatrix(i, 5, number_text(i));
        const auto s = read_profile_sounding(folder + name);
        if (!s) {
            unreadable += "\r\n" + name;
            continue;
        }
        const double depth_l = investigation_depth(s->last_spacing_raw, wenner);
        double max_depth = 0;
        for (const ProfileLayer &layer : s->layers) {
            max_depth = std::max(max_depth, layer.depth);
            max_res = std::max(max_res, layer.rho);
            if (layer.rho > 0 && layer.rho < min_res)
                min_res = layer.rho;
        }
        const double x = box_value(s->x), y = box_value(s->y);
        g.TextMatrix(i, 2, s->x);
        g.TextMatrix(i, 3, s->y);
        g.TextMatrix(i, 4, s->z);
        Profile_Low_Alt = std::min(Profile_Low_Alt, box_value(s->z) - depth_l);
        if (first) {
            distance = 0;
            first = false;
        } else {
            const double step =
                std::sqrt((x - x_prev) * (x - x_prev) + (y - y_prev) * (y - y_prev));
            if (std::isfinite(step))
                distance = round_half_even((distance + step) * 1000) / 1000;
        }
        g.TextMatrix(i, 6, number_text(distance));
        x_prev = x;
        y_prev = y;
        g.TextMatrix(i, 7, number_text_single(static_cast<float>(max_depth)));
    }

    // Without any resistivity above 0 the limits stay as they were.
    if (max_res > 0) {
        SEV.Text11.Text(number_text(round_limit(min_res)));
        SEV.Text12.Text(number_text(round_limit(max_res)));
    }
    Re_order();
    calcul_echelle();
    affiche_resistivity();
    g.Redraw(true);
    if (!unreadable.empty())
        MsgBox("These files could not be read:" + unreadable, vbExclamation + vbOKOnly, Prog_Title);
}

} // namespace ohmira
