#include "platform/variant.h"

#include <gtest/gtest.h>

namespace ohmira {

TEST(Variant, EmptyReadsAsZeroAndEmptyText) {
    Variant v;
    EXPECT_TRUE(v.is_empty());
    EXPECT_EQ(v.num(), 0);
    EXPECT_EQ(v.text(), "");
    EXPECT_EQ(Str(v), " 0");
    v = 2.5;
    v.clear();
    EXPECT_TRUE(v.is_empty());
}

TEST(Variant, NumbersAndTexts) {
    struct Case {
        Variant value;
        double num;
        const char *text;
        const char *str;
    };
    const Case cases[] = {
        {Variant(0.5), 0.5, ".5", " .5"},
        {Variant(-1.5e-7), -1.5e-7, "-1.5E-07", "-1.5E-07"},
        {Variant(31415100.0f), 31415100, "3.14151E+07", " 3.14151E+07"},
        {Variant(123.46f), static_cast<double>(123.46f), "123.46", " 123.46"},
        {Variant(12), 12, "12", " 12"},
        {Variant("12.5abc"), 12.5, "12.5abc", " 12.5"},
        {Variant(std::string("abc")), 0, "abc", " 0"},
        {Variant(""), 0, "", " 0"},
    };
    for (const auto &c : cases) {
        EXPECT_DOUBLE_EQ(c.value.num(), c.num) << c.text;
        EXPECT_EQ(c.value.text(), c.text);
        EXPECT_EQ(Str(c.value), c.str);
    }
    EXPECT_TRUE(Variant(1.5f).is_single());
    EXPECT_TRUE(Variant(1.5).is_double());
    EXPECT_TRUE(Variant("x").is_text());
    EXPECT_TRUE(Variant("").is_text()); // an empty text is not the empty value
}

// It fills tables of thousands of cells copied in the fit's loops: a larger one fails the build.
static_assert(sizeof(Variant) <= 40);

} // namespace ohmira
