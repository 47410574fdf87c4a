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
    EXPECT_TRUE(SplitLines("\x1a" "abc").empty());
}

TEST(NextStartID, IsTheNextMultipleOfTenAboveTheLastIdUsed) {
    EXPECT_EQ(NextStartID(2000, 5), 2010);
    EXPECT_EQ(NextStartID(2000, 10), 2020);
    EXPECT_EQ(NextStartID(2000, 0), 2010);
    EXPECT_EQ(NextStartID(2003, 6), 2010);
    EXPECT_EQ(NextStartID(2003, 7), 2020);
}

TEST(ParseInteger, AcceptsDecimalNumbersAndNamesTheBadText) {
    EXPECT_EQ(ParseInteger("0100"), 100);
    EXPECT_EQ(ParseInteger("+7"), 7);
    EXPECT_EQ(ParseInteger("-3"), -3);
    for (const char* bad : {"", "1-", "12a", " 1", "--1", "99999999999999999999"}) {
        EXPECT_THROW(ParseInteger(bad), FileError) << bad;
    }
    try {
        ParseInteger("1-");
    } catch (const FileError& error) {
        EXPECT_STREQ(error.what(), "'1-' is not a valid integer value");
    }
}

TEST(CountLines, CountsAFileAndReportsAMissingOne) {
    test::TempDir dir;
    EXPECT_EQ(CountLines(dir.write("five.txt", "1\r\n2\r\n3\r\n4\r\n5\r\n")), 5u);
    EXPECT_EQ(CountLines(dir.write("empty.txt", "")), 0u);
    EXPECT_THROW(CountLines(dir.stdPath("missing.txt")), FileError);
    EXPECT_THROW(CountLines(""), FileError);
}

}  // namespace
}  // namespace restallow
