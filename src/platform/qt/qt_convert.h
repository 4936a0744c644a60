#pragma once
// Conversions between the platform models and Qt: twips and pixels, Windows RGB colours, fonts,
// captions with access keys, mouse pointers and key codes.
#include "platform/control.h"
#include "platform/display_list.h"

#include <QColor>
#include <QFont>
#include <QString>
#include <Qt>

#include <string>
#include <string_view>

class QKeyEvent;
class QWidget;

namespace ohmira::qt {

constexpr double twips_per_inch = 1440.0;

// Logical dots per inch of the screen (96 when no screen is known).
double screen_dpi();
// Pixels per twip on the screen.
double screen_px_per_twip();
int twips_to_px(double twips);
double px_to_twips(double px);

inline QString qstr(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}
inline std::string ustr(const QString &s) {
    return s.toStdString();
}

// Windows RGB (red + 256 * green + 65536 * blue) to and from QColor.
QColor win_colour(int rgb);
int win_rgb(const QColor &c);

// The installed font standing for a font name of the program: Arial and unknown names in
// Liberation Sans, Times New Roman in Liberation Serif, Courier New in Liberation Mono.
// Whether the desktop's font database holds the family.
bool desktop_has_family(const QString &family);
QString font_family_name(std::string_view name);
QFont to_qfont(const FontSpec &f);
// A display-list font at `pixel_size` pixels per point-size unit (size in points * 20 twips
// * pixels per twip), as the painter needs it.
QFont to_qfont(const ohmira::Font &f, double pixels);

// A caption with "&" access keys as plain text: "&&" gives "&", a single "&" goes.
QString strip_access_keys(std::string_view caption);
// Text of the program for a Qt widget (LF): CR LF and LF CR (the messages' line break) each end
// one line, as does a lone CR or LF.
QString text_lines(std::string_view text);

Qt::CursorShape cursor_shape(int mouse_pointer);

// Key code of the program (vbKey... numbers) of a Qt key; 0 for keys it has no code for.
int key_code_of(int qt_key);
// The program's shift flags of Qt modifiers.
int shift_flags_of(Qt::KeyboardModifiers m);
// The program's mouse button flags.
int button_flags_of(Qt::MouseButtons b);
// Character code of a typed key in Windows-1252 (13 for Enter, 8 for Backspace, 27 for Escape);
// 0 when the key types no character the program can take.
int key_ascii_of(const QKeyEvent &e);
// The Qt key for a key code of the program (for keys the program sends to itself).
int qt_key_of(int key_code);

} // namespace ohmira::qt
