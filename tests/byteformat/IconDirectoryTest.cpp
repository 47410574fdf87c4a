// Icon and cursor directories: real files, directories cut short, count 0 and images outside the file.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "byteformat/ByteReader.h"
#include "byteformat/ByteWriter.h"
#include "byteformat/IconDirectory.h"
#include "fileaccess/InputFile.h"

namespace byteformat {
namespace {

std::string Read(const std::filesystem::path& path) {
    const auto bytes = fileaccess::ReadFile(path.string(), fileaccess::kMiB);
    EXPECT_TRUE(bytes) << path;
    return bytes ? *bytes : std::string();
}

// A directory of `type` with one entry per {size, offset}, without the images.
std::string Directory(std::uint16_t type, const std::vector<std::pair<std::uint32_t, std::uint32_t>>& images) {
    std::string file;
    PutU16(file, 0);
    PutU16(file, type);
    PutU16(file, static_cast<std::uint16_t>(images.size()));
    for (const auto& [size, offset] : images) {
        file += std::string("\x20\x10\x02\x00", 4);
        PutU16(file, 3);
        PutU16(file, 5);
        PutU32(file, size);
        PutU32(file, offset);
    }
    return file;
}

std::vector<std::filesystem::path> IconAndCursorFiles() {
    std::vector<std::filesystem::path> files;
    for (const char* folder : {"/preview/data/wine", "/tools/rc/data"}) {
        for (const auto& item : std::filesystem::directory_iterator(RESTALLOW_TESTS_DIR + std::string(folder))) {
            const std::string ext = item.path().extension().string();
            if ((ext == ".ico" || ext == ".cur") && item.path().filename() != "truncated.ico")
                files.push_back(item.path());
        }
    }
    return files;
}

// Icons and cursors taken from Windows programs (and the compiler's test files): each entry's
// image lies in the file and begins with a PNG signature or a 40-byte bitmap header.
TEST(IconDirectory, RealIconsAndCursorsReadWithEveryImageInside) {
    const std::vector<std::filesystem::path> files = IconAndCursorFiles();
    ASSERT_GE(files.size(), 20u);
    for (const auto& path : files) {
        const std::string file = Read(path);
        const auto read = ReadIconDirectory(file);
        ASSERT_TRUE(read) << path;
        EXPECT_EQ(read->cursor(), path.extension() == ".cur") << path;
        EXPECT_EQ(read->entries.size(), ReadU16(file, 4)) << path;
        EXPECT_FALSE(read->entries.empty()) << path;
        for (const IconDirectoryEntry& entry : read->entries) {
            ASSERT_TRUE(entry.inside) << path;
            EXPECT_EQ(entry.bytes.size(), entry.size) << path;
            EXPECT_EQ(entry.bytes.data(), file.data() + entry.offset) << path;
            const bool png = entry.bytes.substr(0, 4) == "\x89PNG";
            EXPECT_TRUE(png || ReadU32(entry.bytes, 0) == 40) << path << " at " << entry.offset;
        }
    }
}

TEST(IconDirectory, EntriesAreReadFieldByField) {
    std::string file = Directory(2, {{4, 22}});
    file += "BODY";
    const auto read = ReadIconDirectory(file);
    ASSERT_TRUE(read);
    ASSERT_EQ(read->entries.size(), 1u);
    const IconDirectoryEntry& entry = read->entries[0];
    EXPECT_EQ(entry.width, 0x20u);
    EXPECT_EQ(entry.height, 0x10u);
    EXPECT_EQ(entry.colorCount, 2u);
    EXPECT_EQ(entry.reserved, 0u);
    EXPECT_EQ(entry.planes, 3u);  // a cursor's hot spot
    EXPECT_EQ(entry.bitCount, 5u);
    EXPECT_EQ(entry.bytes, "BODY");
    EXPECT_TRUE(read->cursor());
}

TEST(IconDirectory, AHeaderThatIsNoIconDirectoryIsTold) {
    for (std::size_t size = 0; size < 6; ++size) {
        const auto read = ReadIconDirectory(Directory(1, {}).substr(0, size));
        ASSERT_FALSE(read) << size;
        EXPECT_EQ(read.fault(), IconDirectoryFault::ShorterThanHeader) << size;
    }
    std::string reserved = Directory(1, {});
    reserved[1] = 1;
    EXPECT_EQ(ReadIconDirectory(reserved).fault(), IconDirectoryFault::ReservedNotZero);
    for (std::uint16_t type : {0, 3, 0x100})
        EXPECT_EQ(ReadIconDirectory(Directory(type, {})).fault(), IconDirectoryFault::UnknownType) << type;
    const std::string bitmap = Read(RESTALLOW_TESTS_DIR "/preview/data/wine/comctl32.dll_2_401_0.bmp");
    EXPECT_FALSE(ReadIconDirectory(bitmap));
}

TEST(IconDirectory, CountZeroIsAnEmptyDirectory) {
    const auto read = ReadIconDirectory(Directory(1, {}));
    ASSERT_TRUE(read);
    EXPECT_TRUE(read->entries.empty());
    EXPECT_FALSE(read->cursor());
}

TEST(IconDirectory, EntriesThatRunPastTheEndAreAFault) {
    const std::string truncated = Read(RESTALLOW_TESTS_DIR "/tools/rc/data/truncated.ico");  // 10 entries announced
    EXPECT_EQ(ReadIconDirectory(truncated).fault(), IconDirectoryFault::EntriesCutShort);
    const std::string icon = Read(RESTALLOW_TESTS_DIR "/tools/rc/data/icon.ico");
    const std::size_t entriesEnd = 6 + 16 * std::size_t{ReadU16(icon, 4)};
    EXPECT_EQ(ReadIconDirectory(icon.substr(0, entriesEnd - 1)).fault(), IconDirectoryFault::EntriesCutShort);
    const auto headersOnly = ReadIconDirectory(icon.substr(0, entriesEnd));
    ASSERT_TRUE(headersOnly) << "entries whose images are missing still read";
    for (const IconDirectoryEntry& entry : headersOnly->entries) EXPECT_FALSE(entry.inside);
    std::string most = Directory(1, {});
    PatchU16(most, 4, 0xFFFF);
    EXPECT_EQ(ReadIconDirectory(most).fault(), IconDirectoryFault::EntriesCutShort);
}

TEST(IconDirectory, AnImageOutsideTheFileIsKeptAsOutside) {
    std::string file = Directory(1, {{4, 102}, {5, 102}, {0, 106}, {1, 106}, {2, 0xFFFFFFFF}, {0xFFFFFFFF, 2}});
    file += "ABCD";  // bytes 102..105, behind the six entries
    const auto read = ReadIconDirectory(file);
    ASSERT_TRUE(read);
    ASSERT_EQ(read->entries.size(), 6u);
    EXPECT_TRUE(read->entries[0].inside);
    EXPECT_EQ(read->entries[0].bytes, "ABCD");
    EXPECT_FALSE(read->entries[1].inside) << "one byte past the end";
    EXPECT_TRUE(read->entries[2].inside) << "an empty image at the very end";
    EXPECT_FALSE(read->entries[3].inside);
    EXPECT_FALSE(read->entries[4].inside) << "offset + size would wrap around";
    EXPECT_FALSE(read->entries[5].inside);
    for (std::size_t i = 1; i < 6; ++i) EXPECT_TRUE(read->entries[i].bytes.empty()) << i;
}

}  // namespace
}  // namespace byteformat
