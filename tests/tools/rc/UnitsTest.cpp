// Pieces of the compiler: text decoding and escapes, the icon directory, the .res reader.
#include "encode/IconFile.h"
#include "parse/Parser.h"
#include "RcTestSupport.h"
#include "resformat/Bytes.h"
#include "resformat/TextCodec.h"

namespace rc::test {
namespace {

TEST(TextCodec, DecodesUtf8WhenValidElseWindows1252) {
    EXPECT_EQ(Decode("K\xC3\xB6ln", kAutoCodePage), u"K\u00F6ln");
    EXPECT_EQ(Decode("K\xF6ln \x80", kAutoCodePage), u"K\u00F6ln \u20AC");
    EXPECT_EQ(Decode("K\xC3\xB6ln", kCp1252), u"K\u00C3\u00B6ln");
    EXPECT_THROW(Decode("\xF6", kCpUtf8), std::runtime_error);
    EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));  // a surrogate is no character
    EXPECT_EQ(UnicodeToCp1252(u'\u20AC'), 0x80);
    EXPECT_FALSE(UnicodeToCp1252(u'\u65E5'));
    EXPECT_EQ(Utf16ToUtf8(u"\u65E5\U0001F600"), "\xE6\x97\xA5\xF0\x9F\x98\x80");
}

TEST(TextCodec, EscapesFollowTheResourceCompilers) {
    const auto narrow = [](std::string_view body) {
        return ProcessStringLiteral(body, false, kAutoCodePage, NullHandling::Keep);
    };
    EXPECT_EQ(narrow(R"(a\nb\tc\\d""e\x41\101\q)"), u"a\nb\tc\\d\"eAA\\q");
    EXPECT_EQ(ProcessStringLiteral(R"(\x263a\q)", true, kAutoCodePage, NullHandling::Keep), u"\u263A");
    EXPECT_EQ(ProcessStringLiteral(R"(ab\0cd\0\0ef)", false, kAutoCodePage, NullHandling::CutAtDoubleNull), std::u16string(u"ab\0cd", 5));
    // Text that only UTF-8 reads makes the string UTF-8, and a lone escaped byte above 127 is no UTF-8.
    EXPECT_THROW(narrow("\xC3\xA9" R"(\xC3)"), std::runtime_error);
    // Plain ASCII text says nothing of its code page: an escaped byte is rc.exe's default 1252,
    // as in the "\251 1993" copyright lines of Windows 3.x scripts.
    EXPECT_EQ(narrow(R"(\251 1993\x80)"), u"\u00A9 1993\u20AC");
    EXPECT_EQ(ProcessStringLiteral(R"(\xC3)", false, kCp1252, NullHandling::Keep), u"\u00C3");
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
    EXPECT_EQ(message(IconFileWith(2, 40, 38, 30)), "truncated icon directory: 2 images announced, the file ends before their entries");
    EXPECT_EQ(message("\0\0"), "truncated icon directory: the file is shorter than its header");
    EXPECT_EQ(message(std::string("\0\0\3\0\0\0", 6)), "not an icon or cursor file (unknown type)");
    std::string shortHeader = IconFileWith(1, 20, 22, 42);
    shortHeader[22] = 40;  // announces a bitmap header but holds only 20 bytes
    EXPECT_EQ(message(shortHeader), "image 1 has a truncated bitmap header");
    EXPECT_EQ(ImageFormat("\x89PNG\r\n\x1a\n"), (std::pair<std::uint16_t, std::uint16_t>(1, 32)));
}

TEST(ResReader, ReportsWhereAFileIsBroken) {
    const std::string golden = ReadBytes(DataDir() / "every_kind.llvm.res");
    ASSERT_GT(golden.size(), 100u);
    const auto cut = ReadResFile(golden.substr(0, golden.size() - 3));
    ASSERT_FALSE(cut);
    EXPECT_NE(cut.error().message.find("broken resource file at offset"), std::string::npos);
    EXPECT_EQ(cut.error().kind, fileaccess::ErrorKind::Format);
    const auto sixteen = ReadResFile(std::string("\xFF\x02\0\xFF\x01\0\x30\0\x09\0\0\0", 12));
    ASSERT_FALSE(sixteen);
}

TEST(Parser, ExpressionsAndOptionsInAnyOrder) {
    Parser parser(Tokenize("X RCDATA PRELOAD LANGUAGE 7,1 { -1L, ~0L, (3 + 4) | 8, 0x10 - 1, 017 }", "t.rc"), {});
    const auto statement = parser.Next();
    ASSERT_TRUE(statement);
    const auto& resource = std::get<ResourceStmt>(*statement);
    EXPECT_EQ(resource.flags, MfMoveable | MfPure | MfPreload);
    EXPECT_EQ(resource.language, 0x0407);
    std::vector<std::uint32_t> values;
    for (const DataItem& item : resource.data) values.push_back(item.value);
    EXPECT_EQ(values, (std::vector<std::uint32_t>{0xFFFFFFFF, 0xFFFFFFFF, 15, 15, 15}));
    EXPECT_TRUE(resource.data[0].isLong);
    EXPECT_FALSE(resource.data[2].isLong);
    EXPECT_FALSE(parser.Next());
}

}  // namespace
}  // namespace rc::test
