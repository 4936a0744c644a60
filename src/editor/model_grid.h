#pragma once
// The model grid `Grid1`: one layer per row (rows 1..20 under the header row), columns 0
// resistivity, 1 thickness (empty for the half-space), 2 depth of the layer's top (empty for
// layer 1), 3 altitude of the top (only when the sounding has a ground altitude). Every number
// is its plain text followed by two blanks; a fixed parameter's cell is yellow with red text.
#include <cstdint>
#include <string>

namespace ohmira {

// 1 when the next accepted key replaces the whole text of the current model cell.
inline std::int16_t Model_First_Key = 0;

// True while the model grid shows what Model_Layers does not hold: a value typed, a layer
// inserted or deleted, the grid emptied for an automatic model. Showing the model or reading the
// grid clears it; a rebuild of the page leaves the grid alone while it is set.
inline bool Model_Grid_Changed = false;

// Cell colours of the model grid, Windows RGB values.
inline constexpr int Fixed_Cell_Back = 65535; // yellow
inline constexpr int Fixed_Cell_Fore = 255;   // red
inline constexpr int Free_Cell_Back = 16777215;
inline constexpr int Free_Cell_Fore = 0;

inline constexpr int Model_Grid_Layers = 20;

// Shows the current model in the model grid and the header texts in their boxes.
void Display_Model();
// The number as text padded to the thickness decimals of the Setup tab (never rounded).
std::string Format_Decimals(double v);
// Read the model grid and the header boxes back into the sounding, then show it again; the
// graph title comes from Text19 (lecturemodèle) or Text29 (Read_Model_Grid). A value that cannot
// be read stops the reading with the "Model impossible..." box.
// Both return false when the box was shown.
bool lecturemodèle();
bool Read_Model_Grid();
// Empties the cells of columns 0..4 of the 20 layer rows, so that the fit builds an automatic
// model.
void clear_model_grid();
// True when every cell of the model grid can be read into the sounding; else false, after the
// "Model impossible..." box that names the value.
bool Check_Model_Grid();
// Reads the model grid and the header boxes into the sounding and shows it again (as
// Read_Model_Grid); false when a value cannot be read, after its box when `tell`.
bool Take_Model_Grid(bool tell);

// Takes the header boxes (location, azimuth, comment, graph title) into the sounding, as every
// save does first so that the file holds what the boxes show.
void Take_Header_Boxes();
// Shows the sounding's header texts in their boxes (both title boxes).
void Show_Header_Texts();
// Change of either graph-title box (Text19 beside the fit button, Text29 under the plot): the
// typed text is the sounding's title, and the other box shows it too.
void Text19_Change();
void Text29_Change();

} // namespace ohmira
