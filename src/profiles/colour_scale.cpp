#include "profiles/colour_scale.h"

#include "form/sev_form.h"
#include "platform/number_text.h"
#include "profiles/section_geometry.h"

#include <algorithm>
#include <array>
#include <string>

namespace ohmira {

namespace {
int clamp_channel(int c) {
    return std::clamp(c, 0, 255);
}

// Val of a channel box as a 16-bit whole number (halves to even); `previous` when it does not fit.
int channel_value(const TextBox &box, int previous) {
    const auto v = CInt(box_value(box.Text()));
    return v ? *v : previous;
}

bool choose_colour(int &colour) {
    CommonDialog &cd = SEV.CmDialog1;
    cd.CancelError = false;
    cd.DialogTitle = "Ohmira color selection";
    cd.Color = colour;
    if (!cd.ShowColor())
        return false;
    colour = cd.Color;
    return true;
}

void write_channels(int key, int colour) {
    const Rgb c = split_colour(colour);
    SEV.channel_box(key, 0)->Text(number_text(c.r));
    SEV.channel_box(key, 1)->Text(number_text(c.g));
    SEV.channel_box(key, 2)->Text(number_text(c.b));
}
} // namespace

Rgb split_colour(int colour) {
    const auto c = static_cast<unsigned>(colour) & 0xFFFFFFu;
    return {static_cast<int>(c % 256), static_cast<int>((c / 256) % 256),
            static_cast<int>(c / 65536)};
}

int rgb_colour(int r, int g, int b) {
    return clamp_channel(r) + 256 * clamp_channel(g) + 65536 * clamp_channel(b);
}

void affiche_resistivity() {
    const std::array<double, class_count> bounds =
        class_bounds(box_value(SEV.Text11.Text()), box_value(SEV.Text12.Text()));
    for (int m = 1; m <= class_count; ++m)
        SEV.class_box(m)->Text(number_text(bounds[static_cast<size_t>(m - 1)]));
}

void calcul_RGB() {
    // keys[k][ch]: channel ch of key colour k + 1.
    std::array<std::array<int, 3>, 3> keys{};
    for (int k = 0; k < 3; ++k)
        for (int ch = 0; ch < 3; ++ch)
            keys[k][ch] = clamp_channel(channel_value(*SEV.channel_box(k + 1, ch), 0));
    for (int k = 0; k < 3; ++k) {
        const int colour = rgb_colour(keys[k][0], keys[k][1], keys[k][2]);
        TextBox *box = SEV.key_box(k + 1);
        box->BackColor(colour);
        box->Text(number_text(colour));
    }
    for (int m = 1; m <= class_count; ++m) {
        std::array<int, 3> c{};
        for (int ch = 0; ch < 3; ++ch) {
            const double c1 = keys[0][ch], c2 = keys[1][ch], c3 = keys[2][ch];
            double v;
            if (m == 1)
                v = c1;
            else if (m <= 7)
                v = c1 + (m - 1) * (c2 - c1) / 7;
            else if (m <= 9)
                v = c2;
            else if (m <= 15)
                v = c2 + (m - 9) * (c3 - c2) / 7;
            else
                v = c3;
            c[static_cast<size_t>(ch)] = static_cast<int>(round_half_even(v));
        }
        SEV.class_box(m)->BackColor(rgb_colour(c[0], c[1], c[2]));
    }
}

void class_box_click(int k) {
    TextBox *box = SEV.class_box(k);
    if (!box)
        return;
    int colour = box->BackColor();
    if (choose_colour(colour))
        box->BackColor(colour);
}

void key_box_click(int key) {
    TextBox *box = SEV.key_box(key);
    if (!box)
        return;
    int colour = box->BackColor();
    if (!choose_colour(colour))
        return; // a cancel keeps the key colour and the scale
    box->BackColor(colour);
    write_channels(key, colour);
    calcul_RGB();
}

void channel_box_done(int key, int channel) {
    TextBox *box = SEV.channel_box(key, channel);
    if (!box)
        return;
    const double v = box_value(box->Text());
    if (v > 255)
        box->Text("255");
    else if (v < 0)
        box->Text("0");
    calcul_RGB();
}

} // namespace ohmira
