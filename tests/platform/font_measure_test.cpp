// Fonts the tables do not hold are measured by the installed measure, line by line; the table
// fonts and the fonts standing for them keep the tables; the language of the window layer's own
// texts reaches its hook.
#include "platform/font_measure.h"
#include "platform/text_metrics.h"
#include "platform/ui_language.h"

#include <gtest/gtest.h>

#include <string>

namespace ohmira {
namespace {

TEST(FontMeasure, OwnFamiliesMeasuredByTheHookTableFontsByTheTables) {
    const double arial = text_width(Font{"Arial", 10}, "Resistivity");
    FontMeasure m;
    m.width = [](const Font &f, std::string_view line) -> std::optional<double> {
        if (f.name != "DejaVu Serif")
            return std::nullopt;
        return 100.0 * static_cast<double>(line.size());
    };
    m.line_height = [](const Font &) -> std::optional<double> { return 277.0; };
    const FontMeasure before = set_font_measure(m);
    struct Case {
        const char *font, *text;
        double width;
    } cases[] = {
        {"DejaVu Serif", "abc", 300},
        {"DejaVu Serif", "ab\r\nabcd\nx", 400},
        {"DejaVu Serif", "", 0},
        {"Arial", "Resistivity", arial},
        {"Liberation Sans", "Resistivity", arial},
        {"Unknown Family", "abc", 0},
    };
    for (const Case &c : cases)
        EXPECT_DOUBLE_EQ(text_width(Font{c.font, 10}, c.text), c.width) << c.font << " " << c.text;
    EXPECT_DOUBLE_EQ(line_height(Font{"DejaVu Serif", 10}), 277.0);
    EXPECT_NE(line_height(Font{"Arial", 10}), 277.0);
    set_font_measure(before);
    // Without a measure the serif family takes the serif table again.
    EXPECT_DOUBLE_EQ(text_width(Font{"DejaVu Serif", 10}, "Resistivity"),
                     text_width(Font{"Times New Roman", 10}, "Resistivity"));
}

TEST(UiLanguage, EveryChangeReachesTheWindowLayer) {
    std::string seen;
    const auto before = set_ui_language_hook([&](const std::string &code) { seen = code; });
    set_ui_language("fr");
    EXPECT_EQ(seen, "fr");
    EXPECT_EQ(ui_language(), "fr");
    set_ui_language("en");
    EXPECT_EQ(seen, "en");
    set_ui_language_hook(before);
}

} // namespace
} // namespace ohmira
