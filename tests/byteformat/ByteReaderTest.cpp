// Little-endian reads at fixed offsets and through the cursor, their bounds checks, and the writer.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <variant>

#include "byteformat/ByteReader.h"
#include "byteformat/ByteWriter.h"
#include "byteformat/Parsed.h"

namespace byteformat {
namespace {

const std::string kBytes("\x01\x02\x03\x04\xFF\x80", 6);

TEST(FixedOffsets, ReadLittleAndBigEndianNumbersUpToTheLastByte) {
    EXPECT_EQ(ReadU8(kBytes, 5), 0x80u);
    EXPECT_EQ(ReadU16(kBytes, 0), 0x0201u);
    EXPECT_EQ(ReadU16(kBytes, 4), 0x80FFu);  // the high byte is not sign-extended
    EXPECT_EQ(ReadU32(kBytes, 0), 0x04030201u);
    EXPECT_EQ(ReadU32(kBytes, 2), 0x80FF0403u);
    EXPECT_EQ(ReadU16Be(kBytes, 4), 0xFF80u);
    EXPECT_EQ(ReadU32Be(kBytes, 0), 0x01020304u);
}

TEST(FixedOffsets, AReadPastTheEndThrowsWithWhereItBegan) {
    const std::size_t huge = std::numeric_limits<std::size_t>::max();
    for (const auto& [at, width] : {std::pair<std::size_t, int>{5, 2}, {3, 4}, {6, 1}, {huge, 2}, {huge - 1, 4}}) {
        try {
            static_cast<void>(width == 1 ? ReadU8(kBytes, at) : width == 2 ? ReadU16(kBytes, at) : ReadU32(kBytes, at));
            ADD_FAILURE() << "no throw at " << at;
        } catch (const OutOfBounds& error) {
            EXPECT_EQ(error.at(), at);
        }
    }
    EXPECT_THROW(ReadU16Be(kBytes, 5), OutOfBounds);
    EXPECT_THROW(ReadU32Be(kBytes, 3), OutOfBounds);
    EXPECT_THROW(ReadU16(std::string_view(), 0), OutOfBounds);
    EXPECT_TRUE(Fits(6, 6, 0));
    EXPECT_FALSE(Fits(6, 7, 0));
    EXPECT_FALSE(Fits(6, 2, huge));  // at + count would wrap around
}

TEST(Cursor, ReadsInTurnAndNamesItsSubjectWhenTheBytesEndEarly) {
    ByteReader in(kBytes, "the resource");
    EXPECT_EQ(in.U8(), 1u);
    EXPECT_EQ(in.U16(), 0x0302u);
    EXPECT_EQ(in.position(), 3u);
    EXPECT_EQ(in.remaining(), 3u);
    try {
        in.U32();
        FAIL() << "no throw";
    } catch (const OutOfBounds& error) {
        EXPECT_STREQ(error.what(), "the resource ends early, at byte 3");
        EXPECT_EQ(error.at(), 3u);
    }
    EXPECT_EQ(in.position(), 3u) << "a failed read does not move the cursor";
    EXPECT_EQ(in.S16(), -252);  // 0xFF04
    EXPECT_EQ(in.Take(1), "\x80");
    EXPECT_TRUE(in.AtEnd());
    EXPECT_THROW(in.U8(), std::runtime_error) << "callers that catch runtime errors see it";
    EXPECT_EQ(in.Take(0), "");
}

TEST(Cursor, PeekLookSeekAndAlignStayInsideTheBytes) {
    ByteReader in(kBytes);
    EXPECT_EQ(in.Peek16(), 0x0201u);
    EXPECT_EQ(in.Peek8(), 1u);
    EXPECT_EQ(in.position(), 0u);
    in.Seek(5);
    EXPECT_EQ(in.Look(4), "\x80") << "Look gives what there is";
    EXPECT_THROW(in.Peek16(), OutOfBounds);
    EXPECT_FALSE(in.Has(2));
    EXPECT_TRUE(in.Has(1));
    in.Seek(6);
    EXPECT_TRUE(in.AtEnd());
    try {
        in.Seek(7);
        FAIL() << "no throw";
    } catch (const OutOfBounds& error) {
        EXPECT_STREQ(error.what(), "a length points beyond the data, at byte 6");
    }
    EXPECT_THROW(ByteReader(kBytes).Skip(7), OutOfBounds);

    const std::string nine(9, '\0');
    ByteReader aligned(nine);
    aligned.Seek(5);
    aligned.Align4();
    EXPECT_EQ(aligned.position(), 8u);
    aligned.Align4();
    EXPECT_EQ(aligned.position(), 8u) << "a multiple of four stays";
    aligned.Seek(9);
    aligned.Align4();
    EXPECT_EQ(aligned.position(), 9u) << "the next multiple lies past the end: the cursor stops at the end";
}

TEST(Writer, AppendsLittleEndianAndPatchesOnlyBytesItHolds) {
    std::string out;
    PutU8(out, 0xAB);
    PutU16(out, 0x1234);
    PutU32(out, 0xDEADBEEF);
    EXPECT_EQ(out, std::string("\xAB\x34\x12\xEF\xBE\xAD\xDE", 7));
    PatchU16(out, 1, 0xBEEF);
    PatchU32(out, 3, 0x01020304);
    EXPECT_EQ(out, std::string("\xAB\xEF\xBE\x04\x03\x02\x01", 7));
    EXPECT_EQ(ReadU32(out, 3), 0x01020304u) << "the reader reads what the writer wrote";
    const std::string before = out;
    EXPECT_THROW(PatchU16(out, 6, 0), OutOfBounds);
    EXPECT_THROW(PatchU32(out, 4, 0), OutOfBounds);
    EXPECT_EQ(out, before) << "a patch that does not fit changes nothing";
}

TEST(Writer, AppendsUtf16UnitsLowByteFirstAfterWhatItHolds) {
    std::string out = "x";
    PutU16s(out, u"A\u263A\xFFFE");
    PutU16s(out, u"");
    EXPECT_EQ(out, std::string("xA\x00\x3A\x26\xFE\xFF", 7));
}

TEST(Parsed, GivesItsValueOrItsFaultAndRefusesToMixThemUp) {
    enum class Fault { Broken };
    const Parsed<int, Fault> value(7), fault(Fault::Broken);
    ASSERT_TRUE(value);
    EXPECT_EQ(*value, 7);
    EXPECT_THROW(value.fault(), std::bad_variant_access);
    ASSERT_FALSE(fault);
    EXPECT_EQ(fault.fault(), Fault::Broken);
    EXPECT_THROW(*fault, std::bad_variant_access);
}

}  // namespace
}  // namespace byteformat
