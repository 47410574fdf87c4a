// The 16-bit program test, the file field rules and the information box lines.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>
#include <QDateTime>
#include <QLocale>
#include <QTimeZone>

#include "files/ExeType.h"
#include "files/FileFields.h"
#include "files/FileInfo.h"
#include "languages/MainStrings.h"
#include "support/ProgramFiles.h"
#include "support/TempDir.h"

namespace restallow {
namespace {

constexpr std::uint32_t kNoType = 0xFFFFFFFF;  // no code of the binary-type query

TEST(ExeType, OnlyAWindowsNeProgramIsA16BitWindowsProgram) {
    EXPECT_EQ(BinaryTypeOf(test::NeProgram(2)).value_or(kNoType), ScsWowBinary);
    EXPECT_EQ(BinaryTypeOf(test::NeProgram(1)).value_or(kNoType), ScsOs216Binary);
    EXPECT_EQ(BinaryTypeOf(test::DosProgram()).value_or(kNoType), ScsDosBinary);
    EXPECT_EQ(BinaryTypeOf(test::PeProgram(0x14C)).value_or(kNoType), Scs32BitBinary);
    EXPECT_EQ(BinaryTypeOf(test::PeProgram(0x8664)).value_or(kNoType), Scs64BitBinary);
    const auto cut = BinaryTypeOf(test::NeProgram(2).substr(0, 0x80 + 0x20));
    ASSERT_FALSE(cut.ok());
    EXPECT_EQ(cut.error().kind, fileaccess::ErrorKind::Format);
    for (const std::string& none : {std::string(), std::string("MZ"), std::string(0x100, 'x')}) {
        const auto read = BinaryTypeOf(none);
        ASSERT_FALSE(read.ok()) << none;
        EXPECT_EQ(read.error().kind, fileaccess::ErrorKind::Signature) << none;
    }
    EXPECT_TRUE(Is16BitWindowsProgram(ScsWowBinary));
    EXPECT_TRUE(Is16BitWindowsProgram(kNeWindows310));
    for (std::uint32_t other : {0u, 1u, 5u, 6u}) EXPECT_FALSE(Is16BitWindowsProgram(other));
    EXPECT_EQ(GetExeType("/no/such/file.exe"), 0u);
}

TEST(ExeType, AFifoFolderOrDeviceIsNoProgramAndIsNotWaitedOn) {
    test::TempDir dir;
    const std::string fifo = dir.stdPath(QStringLiteral("prog.exe"));
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string& path : {fifo, dir.stdPath(QString())}) {
        const auto read = BinaryTypeOfFile(path);
        ASSERT_FALSE(read.ok()) << path;
        EXPECT_EQ(read.error().kind, fileaccess::ErrorKind::NotRegular) << path;
    }
    EXPECT_EQ(GetExeType("/dev/zero"), 0u);
}

TEST(FileFields, OutputNamesGetTheirMarkerBeforeTheExtensionsDot) {
    EXPECT_EQ(ProposeOutputName(QStringLiteral("/work/demo.rc"), 0, false), QStringLiteral("/work/demo32.res"));
    EXPECT_EQ(ProposeOutputName(QStringLiteral("/work/demo.rc"), 1, true), QStringLiteral("/work/demo16.dcr"));
    EXPECT_EQ(ProposeOutputName(QStringLiteral("/my.dir/demo.rc"), 0, false), QStringLiteral("/my.dir/demo32.res"));
    EXPECT_EQ(SwitchVersionMarker(QStringLiteral("/w/demo32.res"), true), QStringLiteral("/w/demo16.res"));
    EXPECT_EQ(SwitchVersionMarker(QStringLiteral("/w/demo16.res"), true), QStringLiteral("/w/demo16.res"));
    EXPECT_EQ(SwitchVersionMarker(QStringLiteral("/w/demo.res"), true), QStringLiteral("/w/demo16.res"));
    EXPECT_EQ(SwitchVersionMarker(QStringLiteral("/my.dir/out"), false), QStringLiteral("/my.dir/out32"));
}

TEST(FileFields, ActionButtonsFollowTheInput) {
    const auto states = [](const char* ext, std::uint32_t type, const char* in, const char* out) {
        const ActionStates s =
            ComputeActionStates(QString::fromLatin1(ext), type, QString::fromLatin1(in), QString::fromLatin1(out));
        return std::string(s.compile ? "C" : "-") + (s.output ? "O" : "-") + (s.minimize ? "M" : "-") +
               (s.expand ? "E" : "-");
    };
    EXPECT_EQ(states(".rc", 0, "/w/demo.rc", "/w/demo32.res"), "CO--");
    EXPECT_EQ(states(".RC", 0, "/W/DEMO.RC", ""), "CO--");  // extensions compare in any letter case
    EXPECT_EQ(states(".Rc", 0, "/W/Demo.Rc", ""), "CO--");
    EXPECT_EQ(states(".EX_", 0, "/s/SETUP.EX_", "/t/setup.exe"), "-O-E");
    EXPECT_EQ(states(".tx_", 0, "/s/readme.tx_", ""), "-O--");
    EXPECT_EQ(states(".tx_", 0, "/s/readme.tx_", "/t/readme.txt"), "-O-E");
    EXPECT_EQ(states(".c_", 0, "/s/a.c_", "/t/a.c"), "----");  // "_" is the third character: no output field
    EXPECT_EQ(states(".exe", ScsWowBinary, "/p/app.exe", ""), "-O--");
    EXPECT_EQ(states(".exe", ScsWowBinary, "/p/app.exe", "/p/small.exe"), "-OM-");
    EXPECT_EQ(states(".exe", Scs32BitBinary, "/p/app.exe", "/p/small.exe"), "----");
    EXPECT_EQ(InputFilterIndex(QStringLiteral("/s/readme.tx_")), 1);
    EXPECT_EQ(InputFilterIndex(QStringLiteral("/p/app.exe")), 2);
    EXPECT_EQ(InputFilterIndex(QStringLiteral("/p/APP.EXE")), 2);
    EXPECT_EQ(InputFilterIndex(QStringLiteral("/w/demo.rc")), 3);
}

TEST(FileFields, AQuotedTextNamesTheFileInside) {
    test::TempDir dir;
    const std::string path = dir.write("with blank.rc", "x");
    const QString quoted = FieldTextForPath(QString::fromStdString(path));
    EXPECT_TRUE(quoted.startsWith(u'"'));
    EXPECT_EQ(FieldFileName(quoted), QString::fromStdString(path));
    EXPECT_EQ(FieldFileName(QString::fromStdString(path)), QString::fromStdString(path));
    EXPECT_EQ(FieldFileName(QStringLiteral("/no such/file.rc")), QStringLiteral("/no"));
    EXPECT_EQ(AsOneArgument(QStringLiteral("/a b/c.rc")), QStringLiteral("\"/a b/c.rc\""));
    EXPECT_EQ(AsOneArgument(quoted), quoted);
}

TEST(FileInfo, LinesForMissingExistingAndHugeFiles) {
    test::TempDir dir;
    EXPECT_TRUE(FileInfoLines(QString(), kEnglish).isEmpty());
    EXPECT_EQ(FileInfoLines(dir.path(QStringLiteral("gone.res")), kEnglish),
              QStringList{QStringLiteral("File doesn't exist yet")});
    EXPECT_EQ(FileInfoLines(dir.path(QString()), kEnglish),
              QStringList{QStringLiteral("File doesn't exist yet")});  // a folder
    const std::string huge = dir.write("huge.bin", "");
    ASSERT_EQ(::truncate(huge.c_str(), 3000000000LL), 0);  // sparse: takes no room
    const QStringList lines = FileInfoLines(QString::fromStdString(huge), kGerman);
    ASSERT_EQ(lines.size(), 6);
    EXPECT_EQ(lines[0], QStringLiteral("Datei existiert"));
    EXPECT_EQ(lines[1], QString());
    EXPECT_TRUE(lines[2].startsWith(QStringLiteral("Erstellt: ")));
    EXPECT_TRUE(lines[4].startsWith(QStringLiteral("Letzte Änderung: ")));
    EXPECT_EQ(lines[5], QStringLiteral("Dateigröße: 3000000000 Byte"));
}

TEST(FileInfo, MidnightShowsTheDateAlone) {
    const QDateTime midnight(QDate(2024, 3, 5), QTime(0, 0, 0));
    EXPECT_EQ(FileTimeText(midnight), QLocale().toString(QDate(2024, 3, 5), QLocale::ShortFormat));
    const QDateTime later(QDate(2024, 3, 5), QTime(0, 0, 1));
    EXPECT_EQ(FileTimeText(later), QLocale().toString(later.date(), QLocale::ShortFormat) + u' ' +
                                       QLocale().toString(later.time(), LongTimeFormat(QLocale())));
}

TEST(FileInfo, TimesCarryNoTimeZone) {
    const QDateTime time(QDate(2026, 12, 8), QTime(9, 24, 57), QTimeZone::utc());
    EXPECT_EQ(FileTimeText(time, QLocale(QLocale::German, QLocale::Germany)), QStringLiteral("08.12.26 09:24:57"));
    EXPECT_EQ(FileTimeText(time, QLocale(QLocale::French, QLocale::France)), QStringLiteral("08/12/2026 09:24:57"));
    EXPECT_EQ(FileTimeText(time, QLocale(QLocale::English, QLocale::UnitedStates)),
              QStringLiteral("12/8/26 9:24:57 AM"));
}

}  // namespace
}  // namespace restallow
