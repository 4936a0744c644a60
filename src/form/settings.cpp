#include "form/settings.h"
#include "form/applied_array.h"

#include "core/language.h"
#include "core/sounding.h"
#include "core/sounding_files.h"
#include "form/settings_values.h"
#include "form/sev_form.h"
#include "platform/app_info.h"
#include "platform/number_text.h"
#include "platform/runtime_error.h"
#include "platform/settings_file.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <optional>
#include <vector>

namespace ohmira {

namespace {

// The leading number of a value, or nothing when it is beyond every number.
std::optional<double> number_of(const std::string &value) {
    try {
        return Val(value);
    } catch (const RuntimeError &) {
        return std::nullopt;
    }
}

// A whole number that fits 16 or 32 bits; nothing when it does not.
std::optional<std::int16_t> int16_of(const std::string &value) {
    std::optional<double> v = number_of(value);
    return v ? CInt(*v) : std::nullopt;
}
std::optional<std::int32_t> int32_of(const std::string &value) {
    std::optional<double> v = number_of(value);
    return v ? CLng(*v) : std::nullopt;
}

// 10 to the exponent, rounded to a whole number (0.1 is held as 0); nothing when it does not fit.
std::optional<std::int32_t> power_of_ten(std::int32_t exponent) {
    if (exponent > 9)
        return std::nullopt;
    return CLng(std::pow(10.0, exponent));
}

struct Setting;
using Reader = void (*)(const std::string &value, const Setting &self);
using Writer = std::string (*)();

// One row of the settings file. `read` receives the value found (or the default); a row
// without a section is a step of the reading between keys. A value that cannot be held by its
// variable is read again as the default.
struct Setting {
    const char *section;
    const char *key;
    const char *default_value; // nullptr: given by `computed_default`
    std::size_t room;          // characters read at most; 0: no cut (paths)
    Reader read;
    Writer value;          // text written; nullptr: never written
    int kept_rank;         // order among the keys written only when Garder_Config is 1 (0: not)
    int always_rank;       // order among the keys written at every exit (0: not)
    bool reset_to_default; // its variable goes back to the default with reset_settings
    std::string (*computed_default)() = nullptr;

    std::string default_text() const {
        return default_value ? std::string(default_value) : computed_default();
    }
};

// --- readers ---------------------------------------------------------------------------------

template <std::string *Target> void read_text(const std::string &v, const Setting &) {
    *Target = v;
}

template <std::int16_t *Target> void read_int16(const std::string &v, const Setting &self) {
    *Target = int16_of(v).value_or(*int16_of(self.default_text()));
}

template <double *Target> void read_double(const std::string &v, const Setting &self) {
    std::optional<double> n = number_of(v);
    *Target = n ? *n : *number_of(self.default_text());
}

template <Variant *Target> void read_colour(const std::string &v, const Setting &self) {
    *Target = static_cast<int>(int32_of(v).value_or(*int32_of(self.default_text())));
}

// A plot bound: the exponent and 10 to it. Both take the default when either cannot be held.
template <typename Exponent, Exponent *Target, std::int32_t *Value>
void read_bound(const std::string &v, const Setting &self) {
    auto take = [&](const std::string &text) {
        std::optional<std::int32_t> e = int32_of(text);
        if (!e || *e < std::numeric_limits<Exponent>::min() ||
            *e > std::numeric_limits<Exponent>::max())
            return false;
        std::optional<std::int32_t> p = power_of_ten(*e);
        if (!p)
            return false;
        *Target = static_cast<Exponent>(*e);
        *Value = *p;
        return true;
    };
    if (!take(v))
        take(self.default_text());
}

template <int Entry> void read_recent(const std::string &v, const Setting &) {
    Recent_Files(Entry) = v;
}

// Margins of the sheet preview control.
void read_preview_left(const std::string &v, const Setting &self) {
    SEV.VSPrint.MarginLeft(number_of(v).value_or(*number_of(self.default_text())));
}
void read_preview_top(const std::string &v, const Setting &self) {
    SEV.VSPrint.MarginTop(number_of(v).value_or(*number_of(self.default_text())));
}
void read_preview_right(const std::string &v, const Setting &self) {
    SEV.VSPrint.MarginRight(number_of(v).value_or(*number_of(self.default_text())));
}
void read_preview_bottom(const std::string &v, const Setting &self) {
    SEV.VSPrint.MarginBottom(number_of(v).value_or(*number_of(self.default_text())));
}

// The correlation-line colour of the profile page.
void read_correlation_colour(const std::string &v, const Setting &self) {
    SEV.Text15.BackColor(int32_of(v).value_or(*int32_of(self.default_text())));
}
std::string write_correlation_colour() {
    return number_text(SEV.Text15.BackColor());
}

// The colour of class k of the resistivity scale.
template <int Class> void read_class_colour(const std::string &v, const Setting &self) {
    if (TextBox *box = SEV.class_box(Class))
        box->BackColor(int32_of(v).value_or(*int32_of(self.default_text())));
}

// A number of the profile page, shown without a blank and without ".0".
template <TextBox ProfilesControls::*Box>
void read_profile_number(const std::string &v, const Setting &self) {
    std::optional<double> n = number_of(v);
    (SEV.*Box).Text(number_text(n ? *n : *number_of(self.default_text())));
}
template <TextBox ProfilesControls::*Box> std::string write_profile_text() {
    return (SEV.*Box).Text();
}

// --- steps between keys ----------------------------------------------------------------------

void keep_start_values(const std::string &, const Setting &) {
    Saved_Settings(1) = AB2min;
    Saved_Settings(2) = AB2max;
    Saved_Settings(3) = RHOmin;
    // Held in 16 bits; a bound beyond that is kept as the largest one.
    Saved_Settings(4) = static_cast<std::int16_t>(std::clamp<std::int32_t>(RHOmax, -32768, 32767));
    Saved_Settings(5) = Draw_Model;
    Saved_Settings(6) = Draw_RMS;
    Saved_Niveau = Niveau;
}

void set_language_flags() {
    Lang_French = Langue == "F";
    Lang_English = Langue == "E";
    Lang_Spanish = Langue == "S";
    Lang_German = Langue == "A";
    language_changed();
}

// The array of the code read applied (its option, spacing label and table), then the language
// flags of the letter read.
void apply_array_and_language(const std::string &, const Setting &) {
    if (Niveau == "0")
        Apply_Array(Array_Type::Schlumberger);
    else if (Niveau == "1")
        Apply_Array(Array_Type::Dipole);
    else if (Niveau == "2")
        Apply_Array(Array_Type::Wenner);
    set_language_flags();
}

// The three key colours of the scale take the colours of classes 1, 8 and 16, each with its red,
// green and blue parts in its three boxes.
void fill_key_colours(const std::string &, const Setting &) {
    constexpr int classes[] = {1, 8, 16};
    for (int key = 1; key <= 3; ++key) {
        const TextBox *from = SEV.class_box(classes[key - 1]);
        TextBox *to = SEV.key_box(key);
        if (!from || !to)
            continue;
        const int c = from->BackColor();
        to->BackColor(c);
        const int parts[] = {c % 256, (c / 256) % 256, c / 65536};
        for (int channel = 0; channel < 3; ++channel)
            if (TextBox *box = SEV.channel_box(key, channel))
                box->Text(number_text(parts[channel]));
    }
}

// --- writers ---------------------------------------------------------------------------------

template <const std::string *Source> std::string write_text() {
    return *Source;
}
// Whole numbers of the [Ohmira] section: a blank before a number that is not negative.
template <typename Number, const Number *Source> std::string write_whole() {
    return Str(static_cast<double>(*Source));
}
template <const Variant *Source> std::string write_colour() {
    return number_text(Source->num());
}
template <int Entry> std::string write_recent() {
    return Recent_Files(Entry);
}
std::string write_empty() {
    return "";
}
std::string write_preview_left() {
    return number_text(SEV.VSPrint.MarginLeft());
}
std::string write_preview_top() {
    return number_text(SEV.VSPrint.MarginTop());
}
std::string write_preview_right() {
    return number_text(SEV.VSPrint.MarginRight());
}
std::string write_preview_bottom() {
    return number_text(SEV.VSPrint.MarginBottom());
}

// --- defaults computed at run time -----------------------------------------------------------

std::string home_folder() {
    const char *home = std::getenv("HOME");
    std::string folder = home && *home ? home : ".";
    if (folder.back() != '/')
        folder += '/';
    return folder;
}
std::string default_spacing_file() {
    return app_path() + "DATAVES.TXT";
}

// The rows in the order they are read.
const Setting settings_table[] = {
    {"Ohmira", "Chemin", nullptr, 0, read_text<&Chemin>, write_text<&Chemin>, 1, 0, false,
     home_folder},
    {"Ohmira", "Langue", "E", 49, read_text<&Langue>, write_text<&Langue>, 2, 0, true},
    {"Ohmira", "SEV File", nullptr, 0, read_text<&Spacing_File>, write_text<&Spacing_File>, 3, 0,
     false, default_spacing_file},
    {"Ohmira", "Niveau", "0", 49, read_text<&Niveau>, write_text<&Niveau>, 4, 0, false},
    {"Ohmira", "AB2min", "-1", 49, read_bound<std::int16_t, &AB2min, &AB2min_Value>,
     write_whole<std::int16_t, &AB2min>, 5, 0, true},
    {"Ohmira", "AB2max", "4", 49, read_bound<std::int16_t, &AB2max, &AB2max_Value>,
     write_whole<std::int16_t, &AB2max>, 6, 0, true},
    {"Ohmira", "RHOmin", "0", 49, read_bound<std::int16_t, &RHOmin, &RHOmin_Value>,
     write_whole<std::int16_t, &RHOmin>, 7, 0, true},
    {"Ohmira", "RHOmax", "4", 49, read_bound<std::int32_t, &RHOmax, &RHOmax_Value>,
     write_whole<std::int32_t, &RHOmax>, 8, 0, true},
    {"Ohmira", "Modèle", "1", 49, read_int16<&Draw_Model>, write_whole<std::int16_t, &Draw_Model>,
     9, 0, true},
    {"Ohmira", "RMS", "0", 49, read_int16<&Draw_RMS>, write_whole<std::int16_t, &Draw_RMS>, 10, 0,
     true},
    {nullptr, nullptr, "", 0, keep_start_values, nullptr, 0, 0, true},
    {"File", "File 1", "", 0, read_recent<1>, write_recent<1>, 0, 1, false},
    {"File", "File 2", "", 0, read_recent<2>, write_recent<2>, 0, 2, false},
    {"File", "File 3", "", 0, read_recent<3>, write_recent<3>, 0, 3, false},
    {"File", "File 4", "", 0, read_recent<4>, write_recent<4>, 0, 4, false},
    {"File", "File 5", "", 0, read_recent<5>, write_recent<5>, 0, 5, false},
    {"Marge", "Left_Margin", "1134", 49, read_double<&Left_Margin>, nullptr, 0, 0, true},
    {"Marge", "Upper_Margin", "1134", 49, read_double<&Upper_Margin>, nullptr, 0, 0, true},
    {"Marge", "Right_Margin", "1134", 49, read_double<&Right_Margin>, nullptr, 0, 0, true},
    {"Marge", "Bottom_Margin", "1250", 49, read_double<&Bottom_Margin>, nullptr, 0, 0, true},
    {"Draw_Parameter", "Graphical_Prog", " ", 0, read_text<&Graphical_Prog>,
     write_text<&Graphical_Prog>, 15, 10, true},
    {"Draw_Parameter", "Large_plot", "", 0, nullptr, write_empty, 16, 11, false},
    {"Draw_Parameter", "Haut_plot", "", 0, nullptr, write_empty, 17, 12, false},
    {"File", "Color1", "16512", 49, read_colour<&Grid_Color>, write_colour<&Grid_Color>, 18, 0,
     true},
    {"File", "Color2", "255", 49, read_colour<&Curve_Color>, write_colour<&Curve_Color>, 19, 0,
     true},
    {"File", "Color3", "255", 49, read_colour<&Points_Color>, write_colour<&Points_Color>, 20, 0,
     true},
    {"File", "Color4", "16711935", 49, read_colour<&Model_Color>, write_colour<&Model_Color>, 21, 0,
     true},
    {"File", "Color5", "255", 49, read_colour<&Error_Color>, write_colour<&Error_Color>, 22, 0,
     true},
    {"File", "Color6", "255", 49, read_correlation_colour, write_correlation_colour, 23, 0, false},
    {"File", "Color7", "32768", 49, read_colour<&Superposed_Color>, write_colour<&Superposed_Color>,
     24, 0, true},
    {nullptr, nullptr, "", 0, apply_array_and_language, nullptr, 0, 0, false},
    {"Marge", "Left_Margin", "1134", 49, read_preview_left, write_preview_left, 11, 6, false},
    {"Marge", "Upper_Margin", "1134", 49, read_preview_top, write_preview_top, 12, 7, false},
    {"Marge", "Right_Margin", "1134", 49, read_preview_right, write_preview_right, 13, 8, false},
    {"Marge", "Bottom_Margin", "1245", 49, read_preview_bottom, write_preview_bottom, 14, 9, false},
    {"Draw_Parameter", "couleur_de_la_courbe", "255", 49, read_colour<&Curve_Color>,
     write_colour<&Curve_Color>, 0, 13, true},
    {"Draw_Parameter", "couleur_du_modèle", "16711935", 49, read_colour<&Model_Color>,
     write_colour<&Model_Color>, 0, 14, true},
    {"Draw_Parameter", "couleur_des_points", "255", 49, read_colour<&Points_Color>,
     write_colour<&Points_Color>, 0, 15, true},
    {"Draw_Parameter", "couleur_des_erreurs", "255", 49, read_colour<&Error_Color>,
     write_colour<&Error_Color>, 0, 16, true},
    {"VISUAL_SU", "Amplitude1", "69782", 49, read_class_colour<1>, nullptr, 0, 0, false},
    {"VISUAL_SU", "Amplitude2", "71646", 49, read_class_colour<2>, nullptr, 0, 0, false},
    {"VISUAL_SU", "Amplitude3", "2177022", 49, read_class_colour<3>, nullptr, 0, 0, false},
    {"VISUAL_SU", "Amplitude4", "5662718", 49, read_class_colour<4>, nullptr, 0, 0, false},
    {"VISUAL_SU", "Amplitude5", "10463743", 49, read_class_colour<5>, nullptr, 0, 0, false},
    {"VISUAL_SU", "Amplitude6", "14278143", 49, read_class_colour<6>, nullptr, 0, 0, false},
    {"VISUAL_SU", "Amplitude7", "16514047", 49, read_class_colour<7>, nullptr, 0, 0, false},
    {"VISUAL_SU", "Amplitude8", "16775929", 49, read_class_colour<8>, nullptr, 0, 0, false},
    {"VISUAL_SU", "Amplitude9", "16764095", 49, read_class_colour<9>, nullptr, 0, 0, false},
    {"VISUAL_SU", "Amplitude10", "16689042", 49, read_class_colour<10>, nullptr, 0, 0, false},
    {"VISUAL_SU", "Amplitude11", "16677722", 49, read_class_colour<11>, nullptr, 0, 0, false},
    {"VISUAL_SU", "Amplitude12", "16662544", 49, read_class_colour<12>, nullptr, 0, 0, false},
    {"VISUAL_SU", "Amplitude13", "16662544", 49, read_class_colour<13>, nullptr, 0, 0, false},
    {"VISUAL_SU", "Amplitude14", "16662544", 49, read_class_colour<14>, nullptr, 0, 0, false},
    {"VISUAL_SU", "Amplitude15", "16662544", 49, read_class_colour<15>, nullptr, 0, 0, false},
    {"VISUAL_SU", "Amplitude16", "16662544", 49, read_class_colour<16>, nullptr, 0, 0, false},
    {nullptr, nullptr, "", 0, fill_key_colours, nullptr, 0, 0, false},
    {"Profile", "Vscale", "1000", 49, read_profile_number<&ProfilesControls::Text13>,
     write_profile_text<&ProfilesControls::Text13>, 0, 17, false},
    {"Profile", "Hscale", "250", 49, read_profile_number<&ProfilesControls::Text14>,
     write_profile_text<&ProfilesControls::Text14>, 0, 18, false},
    {"Profile", "SEVlarge", "2", 49, read_profile_number<&ProfilesControls::Text8>,
     write_profile_text<&ProfilesControls::Text8>, 0, 19, false},
    {"Profile", "MinRes", "10", 49, read_profile_number<&ProfilesControls::Text11>,
     write_profile_text<&ProfilesControls::Text11>, 0, 20, false},
    {"Profile", "MaxRes", "2000", 49, read_profile_number<&ProfilesControls::Text12>,
     write_profile_text<&ProfilesControls::Text12>, 0, 21, false},
};

std::string cut(std::string value, std::size_t room) {
    if (room == 0)
        return value;
    std::size_t chars = 0;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if ((static_cast<unsigned char>(value[i]) & 0xC0) == 0x80)
            continue;
        if (chars == room) {
            value.resize(i);
            break;
        }
        ++chars;
    }
    return value;
}

// Runs one row; a failing row is skipped and the reading goes on.
void read_row(const Setting &s, const SettingsFile &file) {
    if (!s.read)
        return;
    try {
        if (!s.section) {
            s.read("", s);
            return;
        }
        std::string value = file.get(s.section, s.key).value_or(s.default_text());
        s.read(cut(std::move(value), s.room), s);
    } catch (const std::exception &) {
    }
}

void write_rows(SettingsFile &file, int Setting::*rank) {
    std::vector<const Setting *> rows;
    for (const Setting &s : settings_table)
        if (s.*rank > 0 && s.value)
            rows.push_back(&s);
    std::stable_sort(rows.begin(), rows.end(),
                     [&](const Setting *a, const Setting *b) { return a->*rank < b->*rank; });
    for (const Setting *s : rows)
        file.set(s->section, s->key, s->value());
}

} // namespace

void read_settings(const SettingsFile &file) {
    for (const Setting &s : settings_table)
        read_row(s, file);
}

void write_settings(SettingsFile &file) {
    if (Garder_Config == 1) {
        // The letter of the language flags, the last one set winning.
        Langue = "E";
        if (Lang_English)
            Langue = "E";
        if (Lang_French)
            Langue = "F";
        if (Lang_Spanish)
            Langue = "S";
        if (Lang_German)
            Langue = "A";
        write_rows(file, &Setting::kept_rank);
    }
    // Without Garder_Config the [Ohmira] keys are not written, and the values in memory stay as
    // the Setup tab shows them.
    write_rows(file, &Setting::always_rank);
}

void Read_Ini_Settings() {
    read_settings(SettingsFile::load(settings_file_path()));
}

void Write_Ini_Settings() {
    const std::string path = settings_file_path();
    std::optional<SettingsFile> file = SettingsFile::load_for_update(path);
    if (!file)
        return;
    write_settings(*file);
    (void)file->save(path);
}

void reset_settings() {
    const SettingsFile empty;
    for (const Setting &s : settings_table)
        if (s.reset_to_default)
            read_row(s, empty);
    set_language_flags();
    Garder_Config = 0;
    Applied_Array = Array_Type::Dipole;
}

} // namespace ohmira
