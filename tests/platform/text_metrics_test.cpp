#include "platform/text_metrics.h"

#include <gtest/gtest.h>

namespace ohmira {

TEST(TextMetrics, FamiliesByName) {
    struct Case {
        const char *name;
        FontFamily family;
    };
    const Case cases[] = {
        {"Arial", FontFamily::Sans},
        {"MS Sans Serif", FontFamily::Sans},
        {"Liberation Sans", FontFamily::Sans},
        {"Times New Roman", FontFamily::Serif},
        {"Liberation Serif", FontFamily::Serif},
        {"Courier New", FontFamily::Mono},
        {"Liberation Mono", FontFamily::Mono},
        {"Unknown Font", FontFamily::Sans},
    };
    for (const Case &c : cases)
        EXPECT_EQ(font_family(c.name), c.family) << c.name;
}

TEST(TextMetrics, WidthsInTwips) {
    struct Case {
        Font font;
        const char *text;
        double twips;
    };
    const double pt75 = 7.5 * 20 / 2048;
    const Case cases[] = {
        // Digits are 1139/2048 em in Arial, regular and bold.
        {{"Arial", 7.5, true}, "10000", 5 * 1139 * pt75},
        {{"Arial", 10}, " .1", (569 + 569 + 1139) * 200.0 / 2048},
        {{"Arial", 10}, "", 0},
        {{"Arial", 10, true}, "W", 1933 * 200.0 / 2048},
        {{"Times New Roman", 12}, "AB/2", (1479 + 1366 + 569 + 1024) * 240.0 / 2048},
        {{"Courier New", 10}, "any text", 8 * 1229 * 200.0 / 2048},
        // Latin-1 letters from UTF-8: é, µ, ·.
        {{"Arial", 10}, "\xC3\xA9\xC2\xB5\xC2\xB7", (1139 + 1180 + 569) * 200.0 / 2048},
        // The widest line counts.
        {{"Arial", 10}, "1\r\n1111\n11", 4 * 1139 * 200.0 / 2048},
    };
    for (const Case &c : cases)
        EXPECT_NEAR(text_width(c.font, c.text), c.twips, 1e-9) << c.text;
}

TEST(TextMetrics, ArialDigitIsTwoBlanksAndPointOne) {
    // The padding of printed number columns relies on this (to 1/2048 em).
    const Font f{"Arial", 10};
    const double unit = 200.0 / 2048;
    EXPECT_NEAR(text_width(f, "0"), 2 * text_width(f, " "), unit);
    EXPECT_DOUBLE_EQ(text_width(f, "."), text_width(f, " "));
}

TEST(TextMetrics, HeightsAndColumns) {
    EXPECT_NEAR(line_height(Font{"Arial", 10}), (1854 + 434) * 200.0 / 2048, 1e-9);
    EXPECT_NEAR(text_height(Font{"Arial", 10}, "a\r\nb\nc"), 3 * line_height(Font{"Arial", 10}),
                1e-9);
    EXPECT_NEAR(text_height(Font{"Courier New", 12}), (1705 + 615) * 240.0 / 2048, 1e-9);
    EXPECT_NEAR(average_char_width(Font{"Arial", 10}), 904 * 200.0 / 2048, 1e-9);
    EXPECT_DOUBLE_EQ(text_width(Font{"Arial", 0}, "abc"), 0);
    EXPECT_DOUBLE_EQ(text_width(Font{"Arial", -5}, "abc"), 0);
}

TEST(TextMetrics, WrapAtBlanksAndInsideWordsOnlyWhenTheyAloneAreWider) {
    // Courier New: every character 1229/2048 em, so a width counts characters.
    const Font mono{"Courier New", 10};
    const double column = text_width(mono, "x");
    const auto width_of = [&](std::string_view s) { return text_width(mono, s); };
    using Lines = std::vector<std::string>;
    struct Case {
        const char *text;
        double columns;
        Lines lines;
    };
    const Case cases[] = {
        {" a  short  line ", 16, {" a  short  line "}},
        {"one two three four five", 10, {"one two", "three four", "five"}},
        {" one two   three", 8, {" one two", "three"}},
        {"abcdefghij kl", 4, {"abcd", "efgh", "ij", "kl"}},
        {"été à l'école", 3, {"été", "à", "l'é", "col", "e"}},
        {"first line\r\nsecond one", 6, {"first", "line", "second", "one"}},
        {"", 4, {""}},
        {"no room", 0, {"no room"}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(wrap_text(c.text, c.columns > 0 ? c.columns * column + 1e-9 : 0, width_of),
                  c.lines)
            << c.text;
}

TEST(TextMetrics, LiberationFontsAreListedUnderTheNamesTheyStandFor) {
    EXPECT_EQ(listed_font_name("Liberation Mono"), "Courier New");
    EXPECT_EQ(listed_font_name("liberation SANS"), "Arial");
    EXPECT_EQ(listed_font_name("Liberation Serif"), "Times New Roman");
    EXPECT_EQ(listed_font_name("DejaVu Sans Mono"), "DejaVu Sans Mono");
}

} // namespace ohmira
