// A result asked for the side it does not hold stops the program with a message, in every build.
#include "fileaccess/Result.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using fileaccess::FormatError;
using fileaccess::Result;

TEST(ResultDeathTest, ValueOfAnErrorStopsWithTheErrorsMessage) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const Result<std::string> failed = FormatError("icon.ico: the directory runs past the end");
    EXPECT_DEATH((void)failed.value(), "value\\(\\) called on an error: icon.ico: the directory runs past the end");
    Result<std::string> moved = FormatError("gone");
    EXPECT_DEATH((void)std::move(moved).value(), "called on an error: gone");
    EXPECT_DEATH((void)failed->size(), "called on an error");
}

TEST(ResultDeathTest, ErrorOfAValueStops) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const Result<int> held = 7;
    EXPECT_DEATH((void)held.error(), "error\\(\\) called on a result that holds a value");
}

TEST(ResultTest, EachSideReadsBackWhatItHolds) {
    Result<std::string> held = std::string("bytes");
    ASSERT_TRUE(held.ok());
    EXPECT_EQ(*held, "bytes");
    EXPECT_EQ(held->size(), 5u);
    const Result<std::string> failed = FormatError("bad");
    ASSERT_FALSE(failed);
    EXPECT_EQ(std::string(failed.error().what()), "bad");
    EXPECT_EQ(failed.value_or("fallback"), "fallback");
}

}  // namespace
