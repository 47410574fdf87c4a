// Line rules of text files and scripts, Start-ID arithmetic and integer parsing.
#include <gtest/gtest.h>

#include "resources/TextLines.h"
#include "support/TempDir.h"

namespace restallow {
namespace {

using Lines = std::vector<std::string_view>;

TEST(SplitLines, EachLineEndEndsOneLine) {
    EXPECT_EQ(SplitLines("a\r\nb\rc\nd"), (Lines{"a", "b", "c", "d"}));
    EXPECT_EQ(SplitLines("a\r\n\r\nb\r\n"), (Lines{"a", "", "b"}));
    EXPECT_EQ(SplitLines("\n\n"), (Lines{"", ""}));
    EXPECT_EQ(SplitLines("a\n\rb"), (Lines{"a", "", "b"}));  // LF then CR are two line ends
}

TEST(SplitLines, EmptyTextHasNoLinesAndAFinalLineEndAddsNone) {
    EXPECT_TRUE(SplitLines("").empty());
    EXPECT_EQ(SplitLines("only"), (Lines{"only"}));
    EXPECT_EQ(SplitLines("only\r\n"), (Lines{"only"}));
}

TEST(SplitLines, ByteTwentySixEndsTheText) {
    EXPECT_EQ(SplitLines("a\r\nb\x1a\r\nc\r\n"), (Lines{"a", "b"}));
    EXPECT_TRUE(SplitLines("\x1a"
                           "abc")
                    .empty());
}

TEST(NextStartID, IsTheNextMultipleOfTenAboveTheLastIdUsed) {
    EXPECT_EQ(NextStartID(2000, 5), 2010);
    EXPECT_EQ(NextStartID(2000, 10), 2020);
    EXPECT_EQ(NextStartID(2000, 0), 2010);
    EXPECT_EQ(NextStartID(2003, 6), 2010);
    EXPECT_EQ(NextStartID(2003, 7), 2020);
}

TEST(ParseInteger, AcceptsDecimalNumbersAndNamesTheBadText) {
    constexpr long long kNone = -999;
    EXPECT_EQ(ParseInteger("0100").value_or(kNone), 100);
    EXPECT_EQ(ParseInteger("+7").value_or(kNone), 7);
    EXPECT_EQ(ParseInteger("-3").value_or(kNone), -3);
    for (const char* bad : {"", "1-", "12a", " 1", "--1", "99999999999999999999"}) {
        const auto parsed = ParseInteger(bad);
        ASSERT_FALSE(parsed.ok()) << bad;
        EXPECT_EQ(parsed.error().kind, fileaccess::ErrorKind::Format) << bad;
        EXPECT_EQ(parsed.error().message, "'" + std::string(bad) + "' is not a valid integer value");
    }
}

TEST(CountLines, CountsAFileAndReportsAMissingOne) {
    test::TempDir dir;
    constexpr std::size_t kNone = 999;
    EXPECT_EQ(CountLines(dir.write("five.txt", "1\r\n2\r\n3\r\n4\r\n5\r\n")).value_or(kNone), 5u);
    EXPECT_EQ(CountLines(dir.write("empty.txt", "")).value_or(kNone), 0u);
    const auto missing = CountLines(dir.stdPath("missing.txt"));
    ASSERT_FALSE(missing.ok());
    EXPECT_TRUE(missing.error().missing());
    EXPECT_NE(missing.error().message.find("missing.txt"), std::string::npos);
    EXPECT_FALSE(CountLines("").ok());
}

}  // namespace
}  // namespace restallow
