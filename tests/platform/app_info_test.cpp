#include "platform/app_info.h"

#include <gtest/gtest.h>

namespace ohmira {

TEST(AppInfo, PathEndsWithSeparatorAndExists)
{
    std::string p = app_path();
    ASSERT_FALSE(p.empty());
    EXPECT_EQ(p.back(), '/');
    EXPECT_EQ(std::string(AppInfo::Title), "Ohmira");
}

} // namespace ohmira
