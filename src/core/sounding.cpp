#include "core/sounding.h"

#include "core/sounding_files.h"
#include "platform/number_text.h"
#include "platform/runtime_error.h"

namespace ohmira {

void reset_core_state() {
    File_Path.clear();
    File_Name.clear();
    Chemin.clear();
    Caption_File.clear();
    for (auto *text :
         {&Comment, &Data_Source, &Graph_Title, &X_Coord, &Y_Coord, &Z_Coord, &Azimuth})
        text->clear();
    Field_Data.clear();
    Nb_Points = 0;
    Model_Layers.clear();
    Nb_Layers = 0;
    Fixed_Param.clear();
    Layer_Altitude.clear();
    Niveau.clear();
    Array_Factor = 0;
    Shift_Compensation = 0;
    Saved_Shift_Compensation = 0;
    Max_AB2 = 0;
    Curve_Done = 0;
    Fresh_Load = 0;
    Curve_Valid = 0;
    Plot_Empty = vbTrue;
    First_Key = 0;
    Saved = 0;
    File_Layout = 0;
    Rho_Scale = 100;
    Superposed_Models.clear();
    Superposed_Layers.clear();
    Nb_Superposed = 0;
    Superposed_Index = 0;
    Superposed_Shown = 0;
    Model_Stored = 0;
    Superpose = -1;
    Curve.clear();
    Curve_Last = 0;
    Misfit.clear();
    Pen_Up = 0;
    Auto_Threshold.clear();
    Draw_Mode.clear();
    Recent_Files.clear();
    Save_Question_Default_No = false;
}

namespace {

// Applies f to each pair of (variable, record member), so that taking and restoring list the
// same variables once.
template <typename Record, typename F> void each_member(Record &r, F f) {
    f(File_Path, r.file_path);
    f(File_Name, r.file_name);
    f(Chemin, r.chemin);
    f(Comment, r.comment);
    f(Data_Source, r.data_source);
    f(Graph_Title, r.graph_title);
    f(X_Coord, r.x);
    f(Y_Coord, r.y);
    f(Z_Coord, r.z);
    f(Azimuth, r.azimuth);
    f(Field_Data, r.field_data);
    f(Nb_Points, r.nb_points);
    f(Model_Layers, r.model_layers);
    f(Nb_Layers, r.nb_layers);
    f(Fixed_Param, r.fixed_param);
    f(Layer_Altitude, r.layer_altitude);
    f(Array_Factor, r.array_factor);
    f(Shift_Compensation, r.shift_compensation);
    f(Max_AB2, r.max_ab2);
    f(Curve_Done, r.curve_done);
    f(Fresh_Load, r.fresh_load);
    f(Curve_Valid, r.curve_valid);
    f(Plot_Empty, r.plot_empty);
    f(File_Layout, r.file_layout);
    f(Rho_Scale, r.rho_scale);
    f(Superposed_Models, r.superposed_models);
    f(Superposed_Layers, r.superposed_layers);
    f(Nb_Superposed, r.nb_superposed);
    f(Superposed_Index, r.superposed_index);
    f(Model_Stored, r.model_stored);
    f(Auto_Threshold, r.auto_threshold);
    f(Draw_Mode, r.draw_mode);
}

} // namespace

Sounding_Record current_sounding() {
    Sounding_Record r;
    each_member(r, [](const auto &variable, auto &kept) { kept = variable; });
    return r;
}

void restore_sounding(const Sounding_Record &r) {
    each_member(r, [](auto &variable, const auto &kept) { variable = kept; });
}

void clear_sounding_contents() {
    for (auto *text :
         {&Comment, &Data_Source, &Graph_Title, &X_Coord, &Y_Coord, &Z_Coord, &Azimuth})
        text->clear();
    Field_Data.clear();
    Nb_Points = 0;
    Model_Layers.clear();
    Nb_Layers = 0;
    Fixed_Param.clear();
    Layer_Altitude.clear();
    Array_Factor = 1;
    Shift_Compensation = 0;
}

void raise_max_ab2(double spacing) {
    if (spacing > Max_AB2)
        if (const auto whole = CInt(spacing))
            Max_AB2 = *whole;
}

} // namespace ohmira
