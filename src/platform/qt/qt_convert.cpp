#include "platform/qt/qt_convert.h"

#include "platform/font_measure.h"

#include "platform/cp1252.h"
#include "platform/text_metrics.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPalette>
#include <QScreen>

#include <array>
#include <cmath>

namespace ohmira::qt {

double screen_dpi() {
    if (const QScreen *s = QGuiApplication::primaryScreen()) {
        const double dpi = s->logicalDotsPerInchY();
        if (dpi > 10 && dpi < 1000)
            return dpi;
    }
    return 96.0;
}

double screen_px_per_twip() {
    return screen_dpi() / twips_per_inch;
}

int twips_to_px(double twips) {
    return static_cast<int>(std::lround(twips * screen_px_per_twip()));
}

double px_to_twips(double px) {
    return px / screen_px_per_twip();
}

QColor win_colour(int rgb) {
    if (rgb == vbWindowText)
        return QGuiApplication::palette().color(QPalette::WindowText);
    return QColor(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF);
}

int win_rgb(const QColor &c) {
    return c.red() + 256 * c.green() + 65536 * c.blue();
}

bool desktop_has_family(const QString &family) {
    static const QStringList families = QFontDatabase::families();
    return families.contains(family, Qt::CaseInsensitive);
}

QString font_family_name(std::string_view name) {
    // A desktop family the user chose is drawn as itself; the table fonts by their stand-ins.
    if (!measured_by_tables(name) && desktop_has_family(qstr(name)))
        return qstr(name);
    switch (font_family(name)) {
    case FontFamily::Serif:
        return QStringLiteral("Liberation Serif");
    case FontFamily::Mono:
        return QStringLiteral("Liberation Mono");
    case FontFamily::Sans:
        break;
    }
    return QStringLiteral("Liberation Sans");
}

QFont to_qfont(const FontSpec &f) {
    QFont q(font_family_name(f.Name));
    q.setPointSizeF(f.Size > 0 ? f.Size : 8.0);
    q.setBold(f.Bold);
    q.setItalic(f.Italic);
    return q;
}

QFont to_qfont(const ohmira::Font &f, double pixels) {
    QFont q(font_family_name(f.name));
    q.setPixelSize(std::max(1, static_cast<int>(std::lround(pixels))));
    q.setBold(f.bold);
    q.setItalic(f.italic);
    q.setUnderline(f.underline);
    return q;
}

QString strip_access_keys(std::string_view caption) {
    const QString in = qstr(caption);
    QString out;
    out.reserve(in.size());
    for (qsizetype i = 0; i < in.size(); ++i) {
        if (in[i] == u'&') {
            if (i + 1 < in.size() && in[i + 1] == u'&') {
                out += u'&';
                ++i;
            }
            continue;
        }
        out += in[i];
    }
    return out;
}

QString text_lines(std::string_view text) {
    QString s = qstr(text);
    // CR LF, LF CR (the boxes' line break) and CR alone each end one line.
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    s.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
    s.replace(u'\r', u'\n');
    return s;
}

Qt::CursorShape cursor_shape(int mouse_pointer) {
    switch (mouse_pointer) {
    case vbCrosshair:
        return Qt::CrossCursor;
    case vbIbeam:
        return Qt::IBeamCursor;
    case vbHourglass:
        return Qt::WaitCursor;
    default:
        return Qt::ArrowCursor;
    }
}

namespace {

struct KeyPair {
    int qt;
    int code;
};

// Keys whose codes are not the upper-case letter or digit itself.
constexpr std::array<KeyPair, 30> key_table{{
    {Qt::Key_Backspace, vbKeyBack}, {Qt::Key_Tab, vbKeyTab},
    {Qt::Key_Backtab, vbKeyTab},    {Qt::Key_Return, vbKeyReturn},
    {Qt::Key_Enter, vbKeyReturn},   {Qt::Key_Shift, 16},
    {Qt::Key_Control, 17},          {Qt::Key_Alt, 18},
    {Qt::Key_Escape, vbKeyEscape},  {Qt::Key_Space, vbKeySpace},
    {Qt::Key_PageUp, vbKeyPageUp},  {Qt::Key_PageDown, vbKeyPageDown},
    {Qt::Key_End, vbKeyEnd},        {Qt::Key_Home, vbKeyHome},
    {Qt::Key_Left, vbKeyLeft},      {Qt::Key_Up, vbKeyUp},
    {Qt::Key_Right, vbKeyRight},    {Qt::Key_Down, vbKeyDown},
    {Qt::Key_Insert, vbKeyInsert},  {Qt::Key_Delete, vbKeyDelete},
    {Qt::Key_Asterisk, 106},        {Qt::Key_Plus, 107},
    {Qt::Key_Minus, 109},           {Qt::Key_Period, 190},
    {Qt::Key_Comma, 188},           {Qt::Key_Slash, 111},
    {Qt::Key_Semicolon, 186},       {Qt::Key_Equal, 187},
    {Qt::Key_CapsLock, 20},         {Qt::Key_NumLock, 144},
}};

} // namespace

int key_code_of(int qt_key) {
    if ((qt_key >= Qt::Key_A && qt_key <= Qt::Key_Z) ||
        (qt_key >= Qt::Key_0 && qt_key <= Qt::Key_9))
        return qt_key; // same numbers
    if (qt_key >= Qt::Key_F1 && qt_key <= Qt::Key_F16)
        return 112 + (qt_key - Qt::Key_F1);
    for (const KeyPair &k : key_table)
        if (k.qt == qt_key)
            return k.code;
    return 0;
}

int qt_key_of(int key_code) {
    if ((key_code >= 'A' && key_code <= 'Z') || (key_code >= '0' && key_code <= '9'))
        return key_code;
    if (key_code >= 112 && key_code < 128)
        return Qt::Key_F1 + (key_code - 112);
    for (const KeyPair &k : key_table)
        if (k.code == key_code)
            return k.qt;
    return 0;
}

int shift_flags_of(Qt::KeyboardModifiers m) {
    int s = 0;
    if (m & Qt::ShiftModifier)
        s |= vbShiftMask;
    if (m & Qt::ControlModifier)
        s |= vbCtrlMask;
    if (m & Qt::AltModifier)
        s |= vbAltMask;
    return s;
}

int button_flags_of(Qt::MouseButtons b) {
    int f = 0;
    if (b & Qt::LeftButton)
        f |= vbLeftButton;
    if (b & Qt::RightButton)
        f |= vbRightButton;
    if (b & Qt::MiddleButton)
        f |= vbMiddleButton;
    return f;
}

int key_ascii_of(const QKeyEvent &e) {
    switch (e.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return vbKeyReturn;
    case Qt::Key_Backspace:
        return vbKeyBack;
    case Qt::Key_Escape:
        return vbKeyEscape;
    case Qt::Key_Tab:
        return vbKeyTab;
    default:
        break;
    }
    if (e.modifiers() & (Qt::ControlModifier | Qt::AltModifier))
        return 0;
    const QString t = e.text();
    if (t.size() != 1 || t[0].unicode() < 32 || t[0].unicode() == 127)
        return 0;
    const std::string bytes = utf8_to_cp1252(t.toStdString());
    if (bytes.size() != 1 || (bytes[0] == '?' && t[0] != u'?'))
        return 0;
    return static_cast<unsigned char>(bytes[0]);
}

} // namespace ohmira::qt
