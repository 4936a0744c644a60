#pragma once
// Superposed soundings: the switch, stepping through the stored models and their redrawing.
// The store keeps up to 20 models in slots 1..20; the current sounding is slot
// Superposed_Index + 1.
namespace ohmira {

// Draws every stored model in the superposed colour and the current one in its own.
void Redraw_Superposed();
void Check18_Click();
void lastone_Click();
void nextone_Click();

inline constexpr int Store_Slots = 20;

// Whether `slot` is one of the store's slots. A statement on a slot beyond them is skipped.
inline bool is_store_slot(int slot) {
    return slot >= 1 && slot <= Store_Slots;
}
// Copies the resistivities and thicknesses of layers 1..20 and the layer count of the model in
// memory into a slot, or back; nothing for a slot beyond the store.
void store_model_in_slot(int slot);
void load_model_from_slot(int slot);
// Whether a slot holds a model (its layer 1 has a resistivity).
bool slot_holds_model(int slot);

} // namespace ohmira
