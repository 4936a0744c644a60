#include "profiles/section_options.h"

#include "core/text_utils.h"
#include "form/sev_form.h"
#include "platform/number_text.h"
#include "profiles/colour_scale.h"
#include "profiles/profile_values.h"
#include "profiles/section_drawing.h"

namespace ohmira {

namespace {
void choose_swatch_colour(TextBox &box) {
    CommonDialog &cd = SEV.CmDialog1;
    cd.CancelError = false;
    cd.Color = box.BackColor();
    if (cd.ShowColor())
        box.BackColor(cd.Color);
}
} // namespace

void Check7_Click() {
    if (SEV.Check7.Value() == 1)
        SEV.Check9.Value(0);
}

void Check9_Click() {
    if (SEV.Check9.Value() == 1)
        SEV.Check7.Value(0);
}

void Check8_Click() {
    if (SEV.Check8.Value() == 1) {
        SEV.Text8.Text("");
        SEV.Text8.Enabled(false);
        SEV.Check3.Value(0);
        SEV.Check5.Value(0);
        SEV.Check7.Value(0);
        SEV.Check9.Value(1);
    } else {
        SEV.Text8.Enabled(true);
        SEV.Text8.Text(Str(Int(Profile_Column_Width / 5.67) / 10));
        SEV.Check3.Value(1);
        SEV.Check7.Value(1);
        SEV.Check5.Value(1);
        SEV.Check9.Value(0);
    }
}

void Frame10_Click() {
    affiche_resistivity();
    Trace_Profil();
}

void Text15_Click() {
    choose_swatch_colour(SEV.Text15);
}

void Text9_Click() {
    choose_swatch_colour(SEV.Text9);
}

void Text17_KeyPress(int &KeyAscii) {
    KeyAscii = Filter_Key(KeyAscii, "-.0123456789", -1);
}

} // namespace ohmira
