#include "profiles/profile_sounding.h"
#include "form/applied_array.h"

#include "form/sev_form.h"
#include "platform/files.h"
#include "platform/number_text.h"
#include "platform/runtime_error.h"
#include "platform/text_file.h"

namespace ohmira {

namespace {
constexpr int max_points = 51;

ProfileSounding read_body(TextFile &in) {
    ProfileSounding s;
    const float first = in.input_single();
    const double whole = Fix(first);
    if (!(whole >= 0 && whole <= max_points))
        throw RuntimeError(9);
    s.points = static_cast<int>(whole);
    const float fraction = first - static_cast<float>(whole);
    const float rho_divisor = number_text_single(fraction) == ".5" ? 100.0f : 10.0f;
    for (int i = 1; i <= s.points; ++i) {
        const float spacing = in.input_single();
        for (int c = 0; c < 5; ++c)
            in.input_single();
        s.last_spacing_raw = spacing;
    }
    for (ProfileLayer &layer : s.layers) {
        layer.rho = in.input_single() / rho_divisor;
        layer.thickness = in.input_single() / 100.0f;
        layer.depth = in.input_single() / 100.0f;
    }
    for (int t = 0; t < 3; ++t) // comment, data source, title
        in.input_text();
    s.x = in.input_text();
    s.y = in.input_text();
    s.z = in.input_text();
    if (s.y.empty())
        s.y = "0";
    if (s.z.empty())
        s.z = "0";
    return s;
}
} // namespace

std::optional<ProfileSounding> read_profile_sounding(const std::string &path) {
    // Regular files of a sounding's size only: a FIFO or a device would block or never end.
    if (!readable_regular_file(path))
        return std::nullopt;
    try {
        TextFile in(path, OpenMode::Input);
        ProfileSounding s = read_body(in);
        in.close();
        return s;
    } catch (const RuntimeError &) {
        return std::nullopt;
    }
}

double investigation_depth(double last_spacing_raw, bool wenner) {
    const float a = static_cast<float>(last_spacing_raw);
    return wenner ? a * 3.0f / 30.0f : (a + a) / 30.0f;
}

bool wenner_selected() {
    return Wenner_Applied();
}

} // namespace ohmira
