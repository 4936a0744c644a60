#include "platform/number_text.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "platform/runtime_error.h"

namespace ohmira {

TEST(NumberText, StrOfDoubles) {
    struct Case {
        double value;
        const char *text;
    };
    const Case cases[] = {
        {0, " 0"},
        {-0.0, " 0"},
        {0.5, " .5"},
        {-0.5, "-.5"},
        {12, " 12"},
        {-3, "-3"},
        {1.5, " 1.5"},
        {123.456, " 123.456"},
        {100, " 100"},
        {0.1 + 0.2, " .3"},
        {1.0 / 3, " .333333333333333"},
        {2.0 / 3, " .666666666666667"},
        {-1234.5678, "-1234.5678"},
        {0.0001, " .0001"},
        {0.00012, " .00012"},
        {0.00001, " 1E-05"},
        {-1.5e-7, "-1.5E-07"},
        {999999999999999, " 999999999999999"},
        {1e15, " 1E+15"},
        {1234567890123456, " 1.23456789012346E+15"},
        {1e100, " 1E+100"},
        {-2.5e-100, "-2.5E-100"},
        {31415100, " 31415100"},
        {10.000011, " 10.000011"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(Str(c.value), c.text) << c.value;
}

TEST(NumberText, StrOfSingles) {
    struct Case {
        float value;
        const char *text;
    };
    const Case cases[] = {
        {31415100.0f, " 3.14151E+07"},
        {9999999.0f, " 9999999"},
        {10000000.0f, " 1E+07"},
        {12.5f, " 12.5"},
        {0.1f, " .1"},
        {1.0f / 3, " .3333333"},
        {123.46f, " 123.46"},
        {2.500026f, " 2.500026"},
        {-0.5f, "-.5"},
        {1.234568e7f, " 1.234568E+07"},
        {0.00001f, " 1E-05"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(Str_single(c.value), c.text) << c.value;
}

TEST(NumberText, PlainFormHasNoBlank) {
    EXPECT_EQ(number_text(0.5), ".5");
    EXPECT_EQ(number_text(-0.5), "-.5");
    EXPECT_EQ(number_text(1250.5), "1250.5");
    EXPECT_EQ(number_text(0), "0");
    EXPECT_EQ(number_text(1e15), "1E+15");
    EXPECT_EQ(number_text_single(12.5f), "12.5");
    EXPECT_EQ(number_text_single(31415100.0f), "3.14151E+07");
    EXPECT_EQ(number_text_single(45.6f), "45.6");
}

TEST(NumberText, ValTakesTheLeadingNumber) {
    struct Case {
        const char *text;
        double value;
    };
    const Case cases[] = {
        {"  12.5abc", 12.5}, {"abc", 0},       {"", 0},        {"1E3", 1000},
        {"1e-2", 0.01},      {"1D2", 100},     {"1 2", 12},    {" - 3", -3},
        {"-.5", -0.5},       {"+7", 7},        {"1.2.3", 1.2}, {"12,5", 12},
        {"1e", 1},           {"1E+", 1},       {".", 0},       {"-", 0},
        {"&H10", 0},         {"\t4\n2", 42},   {"1e-400", 0},  {"3.14151E+07", 31415100},
        {"0.000", 0},        {"  .5  x", 0.5},
    };
    for (const auto &c : cases)
        EXPECT_DOUBLE_EQ(Val(c.text), c.value) << c.text;
}

TEST(NumberText, ValOverflowIsError6) {
    try {
        Val("1E400");
        FAIL() << "no error";
    } catch (const RuntimeError &e) {
        EXPECT_EQ(e.number, 6);
    }
    EXPECT_THROW(Val("-123456789E310"), RuntimeError);
}

TEST(NumberText, CIntAndCLngRoundHalfToEven) {
    struct Case {
        double value;
        std::optional<std::int16_t> integer;
        std::optional<std::int32_t> long_value;
    };
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const Case cases[] = {
        {2.5, 2, 2},
        {3.5, 4, 4},
        {-2.5, -2, -2},
        {-3.5, -4, -4},
        {0.5, 0, 0},
        {1.5, 2, 2},
        {2.4999999, 2, 2},
        {12.5, 12, 12},
        {55.5, 56, 56},
        {32767.4, 32767, 32767},
        {32767.5, std::nullopt, 32768},
        {-32768.5, -32768, -32768},
        {-32768.6, std::nullopt, -32769},
        {2147483647.5, std::nullopt, std::nullopt},
        {-2147483648.5, std::nullopt, -2147483647 - 1},
        {1e10, std::nullopt, std::nullopt},
        {nan, std::nullopt, std::nullopt},
        {std::numeric_limits<double>::infinity(), std::nullopt, std::nullopt},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(CInt(c.value), c.integer) << c.value;
        EXPECT_EQ(CLng(c.value), c.long_value) << c.value;
    }
    EXPECT_THROW(CInt_or_throw(40000), RuntimeError);
    EXPECT_THROW(CLng_or_throw(3e9), RuntimeError);
    EXPECT_EQ(CLng_or_throw(-7.5), -8);
}

TEST(NumberText, IntFloorsFixTruncates) {
    EXPECT_EQ(Int(2.7), 2);
    EXPECT_EQ(Int(-2.5), -3);
    EXPECT_EQ(Fix(-2.5), -2);
    EXPECT_EQ(Fix(2.7), 2);
    EXPECT_EQ(Int(-0.0001), -1);
}

TEST(NumberText, NumberItems) {
    struct Case {
        const char *text;
        std::optional<double> value;
    };
    const Case cases[] = {
        {"12", 12},    {" 1.234568E+07 ", 12345680},
        {"", 0},       {"  ", 0},
        {"-.5", -0.5}, {"+3", 3},
        {"5.", 5},     {"1d2", 100},
        {"abc", {}},   {"12abc", {}},
        {"1E", {}},    {"1.5.2", {}},
        {"1 2", {}},   {"-", {}},
        {".", {}},     {"1e-400", 0},
    };
    for (const auto &c : cases)
        EXPECT_EQ(parse_number_item(c.text), c.value) << c.text;
}

} // namespace ohmira
