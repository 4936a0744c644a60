#pragma once
// The sounding sheet in the document of the sheet preview `VSPrint`: the log-log plot with its
// grid, labels, field points, model curves and frame; the title block, location line, model
// table and comment; the running footer; the field-data page.
#include <string>

namespace ohmira {

// Writes the whole sheet on the open document (the caller starts and ends it). Leaves
// Draw_Mode "", Misfit 0, Color_Mode True, Niveau from the array options and the model in
// memory as it found it (its first depth set to 0); stashes the model into the first free slot
// of the superposition store.
void Build_Sheet();

// Starts a new document, builds the sheet and ends the document.
void Rebuild_Sheet();

// The cells of the model table, one row per text ("ρ|h|depth|alt;"), as the sheet prints them.
std::string model_table_body(bool with_altitude);
// The body rows of the field-data table, up to Nb_Points and the first point without apparent
// resistivity.
std::string field_table_body();

} // namespace ohmira
