#include "platform/cp1252.h"

#include <gtest/gtest.h>

namespace ohmira {

TEST(Cp1252, AccentsAndEuroRoundTrip)
{
    const std::string bytes = "Tra\xE7" "age mod\xE8le \x80 \x93" "x\x94";
    const std::string text = cp1252_to_utf8(bytes);
    EXPECT_EQ(text, "Traçage modèle € “x”");
    EXPECT_EQ(utf8_to_cp1252(text), bytes);
}

TEST(Cp1252, UnmappableAndInvalid)
{
    EXPECT_EQ(utf8_to_cp1252("Ω"), "?");
    EXPECT_EQ(utf8_to_cp1252("a\xE9z"), "a\xE9z"); // a stray Latin-1 byte stays as it is
}

} // namespace ohmira
