// Pieces of the compiler: text decoding and escapes, the icon directory, the .res reader.
#include "RcTestSupport.h"
#include "encode/IconFile.h"
#include "parse/Literal.h"
#include "parse/Parser.h"
#include "resformat/ByteScan.h"
#include "resformat/Bytes.h"
#include "resformat/TextCodec.h"

namespace rc::test {
namespace {

TEST(TextCodec, DecodesUtf8WhenValidElseWindows1252AndOtherCodePagesThroughIconv) {
    EXPECT_EQ(Decode("K\xC3\xB6ln", kAutoCodePage), u"K\u00F6ln");
    EXPECT_EQ(Decode("K\xF6ln \x80", kAutoCodePage), u"K\u00F6ln \u20AC");
    EXPECT_EQ(Decode("K\xC3\xB6ln", kCp1252), u"K\u00C3\u00B6ln");
    EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));  // a surrogate is no character
    EXPECT_EQ(UnicodeToCp1252(u'\u20AC'), 0x80);
    EXPECT_FALSE(UnicodeToCp1252(u'\u65E5'));
    EXPECT_EQ(Utf16ToUtf8(u"\u65E5\U0001F600"), "\xE6\x97\xA5\xF0\x9F\x98\x80");
    EXPECT_EQ(Decode("\xCF\xF0\xE8", 1251), u"\u041F\u0440\u0438");
    EXPECT_EQ(Decode("\x93\xfa\x96\x7b", 932), u"\u65E5\u672C");
    EXPECT_TRUE(IsSupportedCodePage(1255));
    EXPECT_FALSE(IsSupportedCodePage(4));
}

// rc.exe reads a malformed UTF-8 sequence as one U+FFFD up to the first byte that does not fit,
// that byte included when it is a continuation byte (Table 3-7 of the Unicode standard).
TEST(TextCodec, MalformedUtf8ReadsAsReplacementCharacters) {
    EXPECT_EQ(Decode("\xF0\xF0\x80\x80\x80", kCpUtf8), u"\uFFFD\uFFFD\uFFFD\uFFFD");
    EXPECT_EQ(Decode("\xE1\xA0\xC0", kCpUtf8), u"\uFFFD\uFFFD");
    EXPECT_EQ(Decode(std::string("a\xF6") + "b", kCpUtf8), std::u16string(u"a\uFFFD") + u"b");
    EXPECT_EQ(Decode("\xF0\x90\x90\xB7", kCpUtf8), u"\U00010437");
}

TEST(TextCodec, NarrowTextIsItsCodePagesBytesOrAQuestionMark) {
    std::string out;
    AppendNarrow(out, 0x20AC, kCp1252);
    AppendNarrow(out, 0x65E5, kCp1252);
    AppendNarrow(out, 0x20AC, kCpUtf8);
    AppendNarrow(out, 0x041F, 1251);
    AppendNarrow(out, 0x05D0, 1251);
    EXPECT_EQ(out, "\x80?\xE2\x82\xAC\xCF?");
}

std::u16string Narrow(std::string_view body, int column = 0) {
    return LiteralText(body, false, kCp1252, NullHandling::Keep, column);
}

TEST(Literal, EscapesAsRcExeReadsThem) {
    EXPECT_EQ(Narrow(R"(a\nb\tc\\d""e\x41\101\q\A)"), u"a\nb\tc\\d\"eAA\\q\b");
    EXPECT_EQ(LiteralText(R"(\x263a\q)", true, kCp1252, NullHandling::Keep), u"\u263A");
    EXPECT_EQ(LiteralText(R"(ab\0cd\0\0ef)", false, kCp1252, NullHandling::CutAtDoubleNull),
              std::u16string(u"ab\0cd", 5));
    // An escaped number is a value, not a character of the code page: \x80 is U+0080, not the euro.
    EXPECT_EQ(Narrow(R"(\251 1993\x80)"), u"\u00A9 1993\u0080");
    EXPECT_EQ(LiteralText(R"(\xC3)", false, kCpUtf8, NullHandling::Keep), u"\u00C3");
    // A narrow escape takes three octal or two hex digits at most and keeps 16 bits of what it reads.
    EXPECT_EQ(Narrow(R"(\777\x1234)"),
              u"\u01FF\u0012"
              u"34");
    EXPECT_EQ(LiteralDataBytes({R"(\777\x80)", false, kCp1252, kCp1252, 0, {}}), "\xFF\x80");
}

TEST(Literal, TabsLineEndsAndEscapedLineEnds) {
    // The tab runs to the next multiple of 8 columns; the literal's quote stands at `column`.
    EXPECT_EQ(Narrow("a\tb"), u"a      b");
    EXPECT_EQ(Narrow("a\tb", 3), u"a   b");
    EXPECT_EQ(Narrow("a\r\n   \t b"), u"a \nb");
    EXPECT_EQ(Narrow("a\\\r\n   b"), u"ab");
    EXPECT_EQ(Narrow("a\\"), u"a\\");
}

std::string IconFileWith(std::uint16_t count, std::uint32_t size, std::uint32_t offset, std::size_t fileSize) {
    std::string file;
    PutU16(file, 0);
    PutU16(file, 1);
    PutU16(file, count);
    for (std::uint16_t i = 0; i < count; ++i) {
        file += std::string("\x10\x10\0\0", 4);
        PutU16(file, 1);
        PutU16(file, 32);
        PutU32(file, size);
        PutU32(file, offset);
    }
    file.resize(fileSize, '\0');
    return file;
}

TEST(Literal, PlainAndOtherCharactersOnEitherSideOfEverySixteenByteStep) {
    // Plain text is widened sixteen characters a step: whatever stands at any place of a step,
    // the text is that of the character-by-character reader.
    for (const char odd : {'\\', '"', '\t', '\x7F', '\xE9', '\x01'}) {
        for (std::size_t at = 0; at < 40; ++at) {
            std::string body(40, 'a');
            body[at] = odd;
            if (odd == '"') body.insert(at, 1, '"');  // a quote inside a literal is doubled
            const std::u16string read = LiteralText(body, false, kCp1252, NullHandling::Keep);
            std::u16string expected;
            for (const LiteralChar& c : ReadLiteral(body, false, kCp1252)) AppendUtf16(expected, c.value);
            EXPECT_EQ(read, expected) << "byte " << static_cast<int>(odd) << " at " << at;
        }
    }
}

TEST(ByteScan, FindsTheFirstOfThreeBytesAtAnyPlaceOrNone) {
    for (std::size_t size : {0u, 1u, 15u, 16u, 17u, 33u}) {
        const std::string none(size, 'x');
        EXPECT_EQ(FindFirstOf(none, 0, '"', '\\', '\n'), size);
        for (std::size_t at = 0; at < size; ++at) {
            std::string text = none;
            text[at] = "\"\\\n"[at % 3];
            if (at + 1 < size) text[size - 1] = '"';  // a later one is not the first
            EXPECT_EQ(FindFirstOf(text, 0, '"', '\\', '\n'), at) << size << " " << at;
            EXPECT_EQ(FindFirstOf(text, at + 1, '"', '\\', '\n'), at + 1 < size ? size - 1 : size);
        }
    }
}

TEST(IconFile, ChecksEveryImageAgainstTheFile) {
    const auto ok = ReadIconDirectory(IconFileWith(1, 40, 22, 62));
    ASSERT_TRUE(ok);
    EXPECT_EQ(ok->images[0].bytes.size(), 40u);
    const auto message = [](const std::string& file) {
        auto read = ReadIconDirectory(file);
        return read ? std::string("accepted") : read.error().message;
    };
    const auto kind = [](const std::string& file) { return ReadIconDirectory(file).error().kind; };
    EXPECT_EQ(kind(std::string("\0\0\3\0\0\0", 6)), fileaccess::ErrorKind::Signature);
    EXPECT_EQ(kind(IconFileWith(1, 40, 22, 61)), fileaccess::ErrorKind::Format);
    EXPECT_EQ(message(IconFileWith(1, 40, 22, 61)), "image 1 lies beyond the end of the file");
    EXPECT_EQ(message(IconFileWith(1, 0xFFFFFFFF, 22, 62)), "image 1 lies beyond the end of the file");
    EXPECT_EQ(message(IconFileWith(2, 40, 38, 30)),
              "truncated icon directory: 2 images announced, the file ends before their entries");
    EXPECT_EQ(message("\0\0"), "truncated icon directory: the file is shorter than its header");
    EXPECT_EQ(message(std::string("\0\0\3\0\0\0", 6)), "not an icon or cursor file (unknown type)");
    std::string shortHeader = IconFileWith(1, 20, 22, 42);
    shortHeader[22] = 40;  // announces a bitmap header but holds only 20 bytes
    EXPECT_EQ(message(shortHeader), "image 1 has a truncated bitmap header");
    EXPECT_EQ(ImageFormat("\x89PNG\r\n\x1a\n"), (std::pair<std::uint16_t, std::uint16_t>(1, 32)));
}

TEST(ResReader, ReportsWhereAFileIsBroken) {
    const std::string golden = ReadBytes(DataDir() / "every_kind.zig.res");
    ASSERT_GT(golden.size(), 100u);
    const auto cut = ReadResFile(golden.substr(0, golden.size() - 3));
    ASSERT_FALSE(cut);
    EXPECT_NE(cut.error().message.find("broken resource file at offset"), std::string::npos);
    EXPECT_EQ(cut.error().kind, fileaccess::ErrorKind::Format);
    const auto sixteen = ReadResFile(std::string("\xFF\x02\0\xFF\x01\0\x30\0\x09\0\0\0", 12));
    ASSERT_FALSE(sixteen);
}

TEST(Parser, ExpressionsAndOptionsInAnyOrder) {
    Parser parser(Tokenize("X RCDATA PRELOAD LANGUAGE 7,1 { -1L, ~0L, (3 + 4) | 8, 0x10 - 1, 0o17 }", "t.rc"), {});
    const auto statement = parser.Next();
    ASSERT_TRUE(statement);
    const auto& resource = std::get<ResourceStmt>(*statement);
    EXPECT_EQ(resource.flags, MfMoveable | MfPure | MfPreload);
    EXPECT_EQ(resource.language, 0x0407);
    // The values as they are written: the two with L as DWORDs, the others as WORDs.
    EXPECT_EQ(resource.data, std::string("\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\x0F\0\x0F\0\x0F\0", 14));
    EXPECT_FALSE(parser.Next());
}

// A number is read up to its first character that is no digit: 010 is ten, 1.5 is one.
TEST(Parser, NumbersAsRcExeReadsThem) {
    const auto value = [](std::string_view text) { return ReadNumber(text).value; };
    EXPECT_EQ(value("010"), 10u);
    EXPECT_EQ(value("08"), 8u);
    EXPECT_EQ(value("1.5"), 1u);
    EXPECT_EQ(value("10*2"), 10u);
    EXPECT_EQ(value("0x2aL5"), 0x2Au);
    EXPECT_TRUE(ReadNumber("0x2aL5").isLong);
    EXPECT_EQ(value("0o17"), 15u);
    EXPECT_EQ(value("0O17"), 0u);
    EXPECT_EQ(value("-1"), 0xFFFFFFFFu);
    EXPECT_EQ(value("~1"), 0xFFFFFFFEu);
    EXPECT_EQ(value("4294967296"), 0u);
    EXPECT_EQ(value("4294967297"), 1u);
}

}  // namespace
}  // namespace rc::test
