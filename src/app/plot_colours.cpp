#include "app/plot_colours.h"

#include <array>
#include <optional>
#include <string>

#include "form/settings_values.h"
#include "form/sev_form.h"
#include "platform/form.h"
#include "platform/number_text.h"
#include "platform/settings_file.h"
#include "profiles/colour_scale.h"

namespace ohmira {

namespace {
// One colour button: the dialog's title, the colour it sets and the box that shows it.
void choose_colour(const char *title, Variant &colour, Control &sample) {
    CommonDialog &dialog = SEV.CmDialog1;
    dialog.CancelError = false;
    dialog.DialogTitle = title;
    const auto current = colour.finite_num();
    dialog.Color = current ? static_cast<std::int32_t>(*current) : 0;
    // A cancel keeps the colour as it was.
    if (!dialog.ShowColor())
        return;
    colour = static_cast<int>(dialog.Color);
    sample.BackColor(dialog.Color);
}
} // namespace

void Command4_Click() {
    choose_colour("Ohmira Points color selection", Points_Color, SEV.Picture2);
}
void Command5_Click() {
    choose_colour("Ohmira Grid color selection", Grid_Color, SEV.Picture3);
}
void Command6_Click() {
    choose_colour("Ohmira Model color selection", Model_Color, SEV.Picture4);
}
void Command12_Click() {
    choose_colour("Ohmira Curve color selection", Curve_Color, SEV.Picture1);
}
void Command7_Click() {
    choose_colour("Ohmira Error curve color selection", Error_Color, SEV.Picture5);
}
void Command8_Click() {
    choose_colour("Ohmira superposed curve color", Superposed_Color, SEV.Text16);
}

bool Save_Colour_Scale(const Form &form, std::string_view path) {
    const std::string file = path.empty() ? settings_file_path() : std::string(path);
    // A file there that cannot be read is not replaced by one holding only the colour scale.
    std::optional<SettingsFile> settings = SettingsFile::load_for_update(file);
    if (!settings)
        return false;
    for (int k = 1; k <= 16; ++k) {
        const Control *box = form.control("Text" + std::to_string(100 + k));
        if (!box)
            continue;
        settings->set("VISUAL_SU", "Amplitude" + std::to_string(k), Str(box->BackColor()));
    }
    return settings->save(file);
}

void Command10_Click() {
    // A failed write is not reported: the colours stay on screen for this run.
    Save_Colour_Scale(SEV);
    affiche_resistivity();
}

} // namespace ohmira
