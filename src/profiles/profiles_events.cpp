#include "profiles/profiles_events.h"

#include "form/sev_form.h"
#include "profiles/colour_scale.h"
#include "profiles/profile_order.h"
#include "profiles/profile_selection.h"
#include "profiles/section_options.h"
#include "profiles/slice_export.h"

namespace ohmira {

namespace {
// Columns of the profile grid the user may correct on screen: Z and Distance.
constexpr int col_z = 4, col_distance = 6;

void Update_Profile_Scale() {
    calcul_echelle();
}
} // namespace

void connect_profiles_events() {
    SEV.Command2.Click = Command2_Click;
    SEV.Command9.Click = Command9_Click;
    SEV.HORSLICE.Click = HORSLICE_Click;

    for (int k = 1; k <= 16; ++k)
        SEV.class_box(k)->Click = [k] { class_box_click(k); };
    for (int key = 1; key <= 3; ++key) {
        SEV.key_box(key)->Click = [key] { key_box_click(key); };
        for (int ch = 0; ch < 3; ++ch)
            SEV.channel_box(key, ch)->LostFocus = [key, ch] { channel_box_done(key, ch); };
    }
    SEV.Text11.Change = affiche_resistivity;
    SEV.Text12.Change = affiche_resistivity;
    SEV.Text13.Change = calcul_echelle;
    SEV.Text14.Change = calcul_echelle;

    set_profile_grid_headers();
    SEV.SEV_Grid.Editable(true);
    SEV.SEV_Grid.BeforeEdit = [](int, int col, bool &cancel) {
        cancel = col != col_z && col != col_distance;
    };
    SEV.SEV_Grid.AfterEdit = [](int, int) { Update_Profile_Scale(); };

    SEV.Check7.Click = Check7_Click;
    SEV.Check8.Click = Check8_Click;
    SEV.Check9.Click = Check9_Click;
    SEV.Frame10.Click = Frame10_Click;
    SEV.Text15.Click = Text15_Click;
    SEV.Text9.Click = Text9_Click;
    SEV.Text17.KeyPress = Text17_KeyPress;
}

} // namespace ohmira
