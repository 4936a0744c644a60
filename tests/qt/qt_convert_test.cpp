#include "platform/qt/qt_convert.h"
#include "platform/qt/qt_dialog_host.h"
#include "platform/qt/qt_services.h"
#include "qt_test_app.h"

#include <QKeyEvent>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace ohmira::qt {
namespace {

TEST(QtConvert, KeysMapBothWays) {
    struct Case {
        int qt_key;
        int code;
    };
    const Case cases[] = {
        {Qt::Key_Down, 40},   {Qt::Key_Up, 38},     {Qt::Key_Left, 37},   {Qt::Key_Right, 39},
        {Qt::Key_Delete, 46}, {Qt::Key_Return, 13}, {Qt::Key_Escape, 27}, {Qt::Key_Home, 36},
        {Qt::Key_End, 35},    {Qt::Key_PageUp, 33}, {Qt::Key_A, 'A'},     {Qt::Key_9, '9'},
        {Qt::Key_F1, 112},    {Qt::Key_F12, 123},   {Qt::Key_Insert, 45}, {Qt::Key_Backspace, 8},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(key_code_of(c.qt_key), c.code) << c.qt_key;
        EXPECT_EQ(qt_key_of(c.code), c.qt_key) << c.code;
    }
    EXPECT_EQ(key_code_of(Qt::Key_Enter), 13);
    EXPECT_EQ(key_code_of(Qt::Key_unknown), 0);
}

TEST(QtConvert, TypedCharactersAreWindows1252Codes) {
    struct Case {
        int key;
        QString text;
        Qt::KeyboardModifiers mods;
        int ascii;
    };
    const Case cases[] = {
        {Qt::Key_A, "a", Qt::NoModifier, 'a'},
        {Qt::Key_A, "A", Qt::ShiftModifier, 'A'},
        {Qt::Key_Period, ".", Qt::NoModifier, '.'},
        {Qt::Key_Eacute, QString::fromUtf8("é"), Qt::NoModifier, 0xE9},
        {Qt::Key_unknown, QString::fromUtf8("€"), Qt::NoModifier, 0x80},
        {Qt::Key_unknown, QString::fromUtf8("Ж"), Qt::NoModifier, 0}, // no cp1252 byte
        {Qt::Key_Return, "\r", Qt::NoModifier, 13},
        {Qt::Key_Backspace, "\b", Qt::NoModifier, 8},
        {Qt::Key_N, "\x0e", Qt::ControlModifier, 0},
        {Qt::Key_Down, "", Qt::NoModifier, 0},
    };
    for (const Case &c : cases) {
        const QKeyEvent e(QEvent::KeyPress, c.key, c.mods, c.text);
        EXPECT_EQ(key_ascii_of(e), c.ascii) << c.text.toStdString();
    }
}

TEST(QtConvert, ColoursFontsAndCaptions) {
    EXPECT_EQ(win_colour(0x0000FF), QColor(255, 0, 0));
    EXPECT_EQ(win_colour(0xFF0000), QColor(0, 0, 255));
    EXPECT_EQ(win_rgb(QColor(1, 2, 3)), 1 + 2 * 256 + 3 * 65536);
    EXPECT_EQ(font_family_name("Arial"), "Liberation Sans");
    EXPECT_EQ(font_family_name("Times New Roman"), "Liberation Serif");
    EXPECT_EQ(font_family_name("Courier New"), "Liberation Mono");
    EXPECT_EQ(font_family_name("MS Sans Serif"), "Liberation Sans");
    EXPECT_EQ(strip_access_keys("&File"), "File");
    EXPECT_EQ(strip_access_keys("Save && quit"), "Save & quit");
    EXPECT_EQ(text_lines("a\r\nb\rc"), "a\nb\nc");
    EXPECT_EQ(text_lines("Error\n\r5E+37\n\r1 points kept"), "Error\n5E+37\n1 points kept");
    EXPECT_EQ(text_lines("a\r\n\r\nb\n\r\n\rc\n\nd"), "a\n\nb\n\nc\n\nd");
    EXPECT_EQ(text_lines("Reading File Error...\n\rx.QD3"), "Reading File Error...\nx.QD3");
}

TEST(QtConvert, DisplayIsCheckedBeforeQtStarts) {
    struct Case {
        const char *platform;
        const char *x;
        const char *wayland;
        bool ok;
    };
    const Case cases[] = {
        {"", nullptr, nullptr, false},
        {"", "", "", false},
        {"", ":0", nullptr, true},
        {"", nullptr, "wayland-0", true},
        {"xcb", nullptr, "wayland-0", false},
        {"xcb", ":1", nullptr, true},
        {"wayland", ":1", nullptr, false},
        {"offscreen", nullptr, nullptr, true},
        {"minimal", nullptr, nullptr, true},
        {"vnc:size=800x600", nullptr, nullptr, true},
        {"wayland;xcb", ":0", nullptr, true},
        {"wayland;xcb", nullptr, nullptr, false},
        {"xcb;offscreen", nullptr, nullptr, true},
    };
    for (const Case &c : cases)
        EXPECT_EQ(display_available(c.platform, c.x, c.wayland), c.ok)
            << c.platform << " " << (c.x ? c.x : "-") << " " << (c.wayland ? c.wayland : "-");
}

TEST(QtDialogHost, FiltersMatchExtensionsInAnyCase) {
    const QStringList f = qt_name_filters(
        "Ohmira 5 & 6 (*.QD3)|*.QD3|Ohmira 2.2 (*.ESW)|*.ESW|All|*.QD3;*.bak|Any|*.*");
    ASSERT_EQ(f.size(), 4);
    EXPECT_TRUE(f[0].startsWith("Ohmira 5 & 6 (*.QD3) ("));
    auto matches = [](const QString &filter, const QString &name) {
        const QString patterns = filter.mid(filter.lastIndexOf('(') + 1).chopped(1);
        for (const QString &p : patterns.split(' ', Qt::SkipEmptyParts))
            if (QRegularExpression(QRegularExpression::wildcardToRegularExpression(p))
                    .match(name)
                    .hasMatch())
                return true;
        return false;
    };
    EXPECT_TRUE(matches(f[0], "a.qd3"));
    EXPECT_TRUE(matches(f[0], "B.QD3"));
    EXPECT_TRUE(matches(f[0], "c.Qd3"));
    EXPECT_FALSE(matches(f[0], "c.esw"));
    EXPECT_TRUE(matches(f[1], "x.esw"));
    EXPECT_TRUE(matches(f[2], "x.BAK"));
    EXPECT_TRUE(matches(f[2], "y.qd3"));
    EXPECT_TRUE(matches(f[3], "anything"));
    EXPECT_EQ(qt_name_filters("").size(), 1);
}

} // namespace
} // namespace ohmira::qt
