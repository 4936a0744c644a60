#include "form/editor_controls.h"

namespace ohmira {

void EditorControls::set_design_state() {
    Frame16.Caption("Field data");
    Frame14.Caption("Editing data");
    Frame9.Caption("Marine floor survey");
    Frame17.Caption("Earth model");
    Frame15.Caption("Drawing up");
    Frame2.Caption("Graph title");
    Frame5.Caption("Location of SEV");
    Frame1.Caption("Comment");
    Title_Label.Caption("Title");
    // Twenty layers under one header row; every column takes keys, so none is fixed.
    Grid1.Cols(4);
    Grid1.Rows(21);
    Grid1.FixedRows(1);
    Grid1.FixedCols(0);
    Calcul_Button.Caption("&Calcule");
    Ajuste_Button.Caption("&Ajuste");
    Record_Button.Caption("&Record");
    InsLine.Caption("&Ins line");
    delLine.Caption("&Del line");
    Label31.Caption("Superpose courbe");
    Label29.Caption("Model sensit.");
    Label28.Caption("L");
    Label30.Caption("H");
    Label30.Alignment(1);
    Grid2.Locked(true);
    X_Label.Caption("X");
    Y_Label.Caption("Y");
    Z_Label.Caption("Z");
    Azim_Label.Caption("Az.");
}

} // namespace ohmira
