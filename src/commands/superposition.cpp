#include "commands/superposition.h"
#include "plot/forward_commands.h"

#include "core/forward.h"
#include "core/sounding.h"
#include "editor/model_grid.h"
#include "form/settings_values.h"
#include "form/sev_form.h"
#include "platform/number_text.h"
#include "platform/runtime_error.h"
#include "platform/user_feedback.h"

namespace ohmira {

namespace {

constexpr int Last_Layer = 20;

// The model grid keeps its cursor across a move through the store.
class Keep_Grid_Cursor {
public:
    Keep_Grid_Cursor() : row_(SEV.Grid1.Row()), col_(SEV.Grid1.Col()) {}
    ~Keep_Grid_Cursor() {
        try {
            SEV.Grid1.Row(row_);
            SEV.Grid1.Col(col_);
        } catch (const RuntimeError &) {
        }
        SEV.Grid1.SetFocus();
    }
    Keep_Grid_Cursor(const Keep_Grid_Cursor &) = delete;
    Keep_Grid_Cursor &operator=(const Keep_Grid_Cursor &) = delete;

private:
    int row_, col_;
};

void show_current_slot() {
    SEV.Grid2.Text(Str(Superposed_Index + 1.0));
}

// The buttons refuse at the ends of the store and right after a sounding was loaded.
bool refuse_move(bool at_end) {
    if (at_end || Fresh_Load != 0) {
        Beep();
        SEV.Grid1.SetFocus();
        return true;
    }
    return false;
}

} // namespace

void store_model_in_slot(int slot) {
    if (!is_store_slot(slot)) {
        return;
    }
    for (int i = 1; i <= Last_Layer; ++i) {
        Superposed_Models(slot, 1, i) = Model_Layers(1, i);
        Superposed_Models(slot, 2, i) = Model_Layers(2, i);
    }
    Superposed_Layers(slot) = Nb_Layers;
}

void load_model_from_slot(int slot) {
    if (!is_store_slot(slot)) {
        return;
    }
    for (int i = 1; i <= Last_Layer; ++i) {
        Model_Layers(1, i) = Superposed_Models(slot, 1, i);
        Model_Layers(2, i) = Superposed_Models(slot, 2, i);
    }
    Nb_Layers = Superposed_Layers(slot);
}

bool slot_holds_model(int slot) {
    return is_store_slot(slot) && Superposed_Models(slot, 1, 1).finite_num().value_or(0.0) != 0.0;
}

void Check18_Click() {
    Superpose = static_cast<std::int16_t>(SEV.Check18.Value() * 2 - 1);
    SEV.Grid1.SetFocus();
}

void lastone_Click() {
    if (refuse_move(Superposed_Index == 0)) {
        return;
    }
    const Keep_Grid_Cursor cursor;
    --Superposed_Index;
    show_current_slot();
    Redraw_Superposed();
}

void nextone_Click() {
    if (refuse_move(Superposed_Index == Nb_Superposed)) {
        return;
    }
    const Keep_Grid_Cursor cursor;
    ++Superposed_Index;
    show_current_slot();
    Redraw_Superposed();
}

void Redraw_Superposed() {
    SEV.MousePointer(vbHourglass);
    SEV.Bilog.MousePointer(vbHourglass);
    Draw_Mode = "NORMAL";
    Misfit = 0.0;
    Color_Mode = 0;
    // The model in memory takes the free slot after the stored ones, once.
    const int free_slot = Nb_Superposed + 1;
    if (is_store_slot(free_slot) && !slot_holds_model(free_slot)) {
        store_model_in_slot(free_slot);
    }
    for (int s = 1; s <= free_slot; ++s) {
        // An empty slot (after a new sounding) has no curve to draw.
        if (!slot_holds_model(s)) {
            continue;
        }
        load_model_from_slot(s);
        Compute_Curve();
    }
    Color_Mode = vbTrue;
    const int current = Superposed_Index + 1;
    if (slot_holds_model(current)) {
        load_model_from_slot(current);
    }
    Display_Model();
    Compute_Curve();
    Draw_Mode.clear();
    Superposed_Shown = 1;
    SEV.Bilog.MousePointer(vbCrosshair);
    SEV.MousePointer(vbArrow);
}

} // namespace ohmira
