#include "form/profiles_controls.h"

#include <array>

namespace ohmira {

namespace {
// Design colours of the class boxes, class 1 (lowest resistivities) first; the settings file
// replaces them at start-up.
constexpr std::array<int, 16> design_class_colours{
    69782,    71646,    2177022,  5662718,  10463743, 14278143, 16514047, 16775929,
    16764095, 16689042, 16677722, 16662544, 16662544, 16662544, 16662544, 16662544};

struct CheckDesign {
    CheckBox ProfilesControls::*box;
    const char *caption;
    const char *tooltip;
    int value;
};
constexpr std::array<CheckDesign, 9> check_designs{{
    {&ProfilesControls::Check1, "&Color scale", "Display a color legend for resistivity", 1},
    {&ProfilesControls::Check2, "Topo line", "Draw topographical surface", 1},
    {&ProfilesControls::Check3, "Resis. label", "Print resistivity values", 1},
    {&ProfilesControls::Check4, "Elev. lines", "Draw elevatio lines", 1},
    {&ProfilesControls::Check5, "SEV correl.", "", 0},
    {&ProfilesControls::Check6, "&Scale", "Dipslay the plot X and Z scale", 1},
    {&ProfilesControls::Check7, "SEV name", "", 1},
    {&ProfilesControls::Check8, " Fill", "", 0},
    {&ProfilesControls::Check9, "SEV number", "", 0},
}};

struct LabelDesign {
    Label ProfilesControls::*label;
    const char *caption;
};
constexpr std::array<LabelDesign, 12> label_designs{{
    {&ProfilesControls::Label13, "Profile title"},
    {&ProfilesControls::Label102, "Click on the 3 large boxes to select colors"},
    {&ProfilesControls::Label103, "Horizontal scale"},
    {&ProfilesControls::Label104, "Vertical scale"},
    {&ProfilesControls::Label105, "Profile length (mm)"},
    {&ProfilesControls::Label106, "Profil height (mm)"},
    {&ProfilesControls::Label107, "SEV log width (mm)  |"},
    {&ProfilesControls::Label108, "Topo line color"},
    {&ProfilesControls::Label109, "SEV correlation line color"},
    {&ProfilesControls::Label110, "Min Resitivity"},
    {&ProfilesControls::Label111, "Max resistivity"},
    {&ProfilesControls::Label23, "SEV name plot angle"},
}};
} // namespace

ProfilesControls::ProfilesControls(Form &form) : owner(form) {
    Command2.Caption("Select SEV");
    Command2.ToolTipText("Select here the SEV, use CTRL for multiple selection");
    Command9.Caption("Re_order SEV");
    Command9.ToolTipText("Click here to arrange file according to line number");
    Command10.Caption("OK, Save");
    Command10.ToolTipText("click here to record colors");
    Frame7.Caption("Draw parameters");
    Frame8.Caption("Resitivity color scale");
    Frame10.Caption("Plot options");
    for (const LabelDesign &d : label_designs)
        (this->*d.label).Caption(d.caption);
    for (const CheckDesign &d : check_designs) {
        CheckBox &box = this->*d.box;
        box.Caption(d.caption);
        box.ToolTipText(d.tooltip);
        box.Value(d.value); // no handler is connected yet
    }

    SEV_Grid.Rows(2);
    SEV_Grid.Cols(8);
    Text14.Text("250");
    Text13.Text("1000");
    Text8.Text("2");
    Text11.Text("10");
    Text12.Text("2000");
    Text17.Text("0");
    Text17.ToolTipText("Text angle");
    Text9.BackColor(0x000000);
    Text15.BackColor(255);
    for (int k = 1; k <= 16; ++k)
        class_box(k)->BackColor(design_class_colours[static_cast<size_t>(k - 1)]);
    Text117.ToolTipText("click here  to select a color");
    Text118.ToolTipText("Click here  to select a color");
    Text119.ToolTipText("Click here  to select a color");
}

TextBox *ProfilesControls::class_box(int k) {
    static constexpr std::array<TextBox ProfilesControls::*, 16> boxes{
        &ProfilesControls::Text101, &ProfilesControls::Text102, &ProfilesControls::Text103,
        &ProfilesControls::Text104, &ProfilesControls::Text105, &ProfilesControls::Text106,
        &ProfilesControls::Text107, &ProfilesControls::Text108, &ProfilesControls::Text109,
        &ProfilesControls::Text110, &ProfilesControls::Text111, &ProfilesControls::Text112,
        &ProfilesControls::Text113, &ProfilesControls::Text114, &ProfilesControls::Text115,
        &ProfilesControls::Text116};
    if (k < 1 || k > 16)
        return nullptr;
    return &(this->*boxes[static_cast<size_t>(k - 1)]);
}

TextBox *ProfilesControls::key_box(int key) {
    switch (key) {
    case 1:
        return &Text117;
    case 2:
        return &Text118;
    case 3:
        return &Text119;
    default:
        return nullptr;
    }
}

TextBox *ProfilesControls::channel_box(int key, int channel) {
    static constexpr std::array<TextBox ProfilesControls::*, 9> boxes{
        &ProfilesControls::Text120, &ProfilesControls::Text121, &ProfilesControls::Text122,
        &ProfilesControls::Text123, &ProfilesControls::Text124, &ProfilesControls::Text125,
        &ProfilesControls::Text126, &ProfilesControls::Text127, &ProfilesControls::Text128};
    if (key < 1 || key > 3 || channel < 0 || channel > 2)
        return nullptr;
    return &(this->*boxes[static_cast<size_t>((key - 1) * 3 + channel)]);
}

} // namespace ohmira
