// The Add command through the prompter double: output kind, open dialog, Start-ID and duplicates.
#include <filesystem>

#include "fileaccess/FileError.h"
#include "languages/MainStrings.h"
#include "resources/TextLines.h"
#include "support/ListFixture.h"

namespace restallow {
namespace {

class AddCommandTest : public test::ListFixture {};

TEST_F(AddCommandTest, OutputKindIsAskedOnlyForAnEmptyList) {
    AddFile("/a/one.bmp");
    AddFile("/a/two.bmp");
    EXPECT_EQ(prompter.outputKindProposals.size(), 1u);
    const ResourceEntry& entry = list.model().entry(0);
    EXPECT_EQ(entry.name, "Bitmap_1");
    EXPECT_EQ(entry.type, " BITMAP ");
    EXPECT_EQ(entry.stringId, "");
    EXPECT_EQ(entry.file, " \"/a/one.bmp\"");
    EXPECT_FALSE(list.ListSaved());
    EXPECT_EQ(settings.InitialDir, QStringLiteral("/a/"));
}

// A name a script cannot carry is refused when the file is added, with the name in the message.
TEST_F(AddCommandTest, AFileWhoseNameNoScriptCanHoldIsRefusedWithAMessage) {
    AddFile("/a/one.bmp");
    const QString lone = QStringLiteral("/a/x") + QChar(0xD800) + QStringLiteral(".bmp");
    for (const QString& refused :
         {QStringLiteral("/a/two\nlines.bmp"), QStringLiteral("/a/say\"hi\".ico"), QString::fromUtf8("/a/star*/t.txt"),
          QStringLiteral("/a/x") + QChar(0xFFFD) + QStringLiteral(".bmp"), lone,
          QString::fromUtf8(std::string("/a/n\0l.bmp", 10).c_str(), 10)}) {
        prompter.messageAnswers.push_back(MsgButton::Ok);
        prompter.openAnswers.push_back(test::ScriptedPrompter::Chosen(refused));  // as the dialog gives it
        add.AddResourceFile();
        EXPECT_EQ(list.model().count(), 1) << refused.toStdString();
        ASSERT_FALSE(prompter.messages.empty());
        EXPECT_TRUE(prompter.messages.back().text.contains(u'\r' + refused + u'\r')) << refused.toStdString();
        EXPECT_EQ(prompter.messages.back().icon, MsgIcon::Warning);
    }
    EXPECT_TRUE(prompter.startIdProposals.empty());  // refused before the Start-ID is asked
    AddFile("/a/star*/b.bmp");                       // "*/" harms only the comment that names a text file
    EXPECT_EQ(list.model().count(), 2);
}

TEST_F(AddCommandTest, CancelledOutputKindChangesNothingAndLeavesThePointer) {
    settings.ResKind = kDcrOutput;
    prompter.outputKindAnswers.push_back(std::nullopt);
    add.AddResourceFile();
    EXPECT_TRUE(list.isEmpty());
    EXPECT_EQ(settings.ResKind, 1);
    EXPECT_TRUE(prompter.openRequests.empty());
    EXPECT_TRUE(prompter.pointerMoves.empty());
}

TEST_F(AddCommandTest, CancelledOpenDialogStillReturnsThePointerToAdd) {
    prompter.outputKindAnswers.push_back(kResOutput);
    prompter.openAnswers.push_back(std::nullopt);
    add.AddResourceFile();
    EXPECT_TRUE(list.isEmpty());
    EXPECT_TRUE(list.ListSaved());
    ASSERT_EQ(prompter.pointerMoves.size(), 1u);
    EXPECT_EQ(prompter.pointerMoves[0], host.ReturnPoint(ReturnButton::Add));
}

TEST_F(AddCommandTest, DcrOffersBitmapsOnlyAndKeepsTheFullFiltersIndex) {
    settings.FilterIndex = 4;
    prompter.outputKindAnswers.push_back(kDcrOutput);
    prompter.openAnswers.push_back(test::ScriptedPrompter::Chosen(QStringLiteral("/a/x.bmp"), 1));
    add.AddResourceFile();
    EXPECT_EQ(settings.ResKind, 1);
    ASSERT_EQ(prompter.openRequests.size(), 1u);
    EXPECT_EQ(prompter.openRequests[0].filter, QStringLiteral("Bitmaps (*.bmp)|*.bmp"));
    EXPECT_EQ(settings.FilterIndex, 4);

    list.ClearList();
    prompter.outputKindAnswers.push_back(kResOutput);
    prompter.openAnswers.push_back(test::ScriptedPrompter::Chosen(QStringLiteral("/a/y.gif"), 5));
    add.AddResourceFile();
    EXPECT_EQ(prompter.outputKindProposals.back(), 1);  // the dialog opens with the last choice
    EXPECT_TRUE(prompter.openRequests[1].filter.startsWith(QStringLiteral("All Files (*.*)|*.*|Animations")));
    EXPECT_EQ(prompter.openRequests[1].filterIndex, 4);
    EXPECT_EQ(settings.FilterIndex, 5);
}

TEST_F(AddCommandTest, DuplicatesAreAddedSelectedAndReported) {
    AddFile("/a/one.bmp");
    AddFile("/a/other.bmp");
    AddFile("/a/ONE.bmp");  // another letter case is another file
    EXPECT_TRUE(prompter.messages.empty());
    const int hides = preview.hides;
    prompter.messageAnswers.push_back(MsgButton::Ok);
    AddFile("/a/one.bmp");
    EXPECT_EQ(list.model().count(), 4);
    EXPECT_EQ(preview.hides, hides + 1);
    EXPECT_EQ(prompter.beeps.back(), BeepKind::Information);
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text, QStringLiteral("The selected items are more than one time in the list.\r"
                                                        "Each file should be chosen only once."));
    EXPECT_EQ(prompter.messages[0].title, QStringLiteral("Information"));
    EXPECT_EQ(prompter.messages[0].icon, MsgIcon::Information);
    const std::vector<int> selected = list.SelectedRows();
    ASSERT_EQ(selected.size(), 2u);
    for (int row : selected) EXPECT_EQ(list.model().entry(row).path(), "/a/one.bmp");
    EXPECT_FALSE(list.ListSaved());
}

TEST_F(AddCommandTest, TextFileGetsItsStartIdAndMovesTheProposal) {
    const std::string five = dir.write("five.txt", "a\r\nb\r\nc\r\nd\r\ne\r\n");
    AddFile(five, QStringLiteral("2000"));
    EXPECT_EQ(prompter.startIdProposals.back(), QStringLiteral("2000"));
    EXPECT_EQ(list.model().entry(0).stringId, "2000");
    EXPECT_EQ(list.model().entry(0).name, "Strings_1");
    EXPECT_EQ(settings.StartID, 2010);

    prompter.messageAnswers.push_back(MsgButton::Ok);  // the same file twice
    AddFile(five, QStringLiteral("0100"));
    EXPECT_EQ(prompter.startIdProposals.back(), QStringLiteral("2010"));
    EXPECT_EQ(settings.StartID, 110);
}

TEST_F(AddCommandTest, CancelledOrBadStartIdAddsNothing) {
    const std::string text = dir.write("t.txt", "x");
    AddFile("/a/one.bmp");
    const int moves = static_cast<int>(prompter.pointerMoves.size());
    prompter.openAnswers.push_back(test::ScriptedPrompter::Chosen(QString::fromStdString(text)));
    prompter.startIdAnswers.push_back(std::nullopt);
    add.AddResourceFile();
    EXPECT_EQ(list.model().count(), 1);
    EXPECT_EQ(settings.StartID, 2000);
    EXPECT_EQ(static_cast<int>(prompter.pointerMoves.size()), moves);

    EXPECT_THROW(AddFile(text, QStringLiteral("1-")), FileError);
    EXPECT_EQ(list.model().count(), 1);
    EXPECT_EQ(settings.StartID, 2000);

    // A text file that vanished after it was chosen: the typed id is kept, the file is not added.
    EXPECT_THROW(AddFile(dir.stdPath("gone.txt"), QStringLiteral("500")), FileError);
    EXPECT_EQ(list.model().count(), 1);
    EXPECT_EQ(settings.StartID, 500);
}

TEST_F(AddCommandTest, StartIdWhoseTablePassesTheSixteenBitIdsIsRefusedAndAskedAgain) {
    const std::string text = dir.write("five.txt", "1\r2\r3\r4\r5\r");
    settings.StartID = 2000;
    // 65532 + 5 lines would need id 65536; 99999999 lies outside anyway.
    for (const char* typed : {"65532", "99999999", "65531"})
        prompter.startIdAnswers.push_back(QString::fromLatin1(typed));
    prompter.messageAnswers = {MsgButton::Ok, MsgButton::Ok};
    AddFile(text);
    ASSERT_EQ(list.model().count(), 1);
    EXPECT_EQ(list.model().entry(0).stringId, "65531");
    ASSERT_EQ(prompter.messages.size(), 2u);
    EXPECT_TRUE(prompter.messages[0].text.contains(QStringLiteral("65532 with 5 lines does not fit")))
        << prompter.messages[0].text.toStdString();
    EXPECT_TRUE(prompter.messages[0].text.contains(QStringLiteral("from 0 to 65531")));
    EXPECT_EQ(prompter.messages[0].icon, MsgIcon::Error);
    EXPECT_EQ(prompter.startIdProposals, (std::vector<QString>{"2000", "65532", "99999999"}));
    EXPECT_EQ(settings.StartID, 65540);

    // Cancelling after a refusal adds nothing and keeps the proposal.
    settings.StartID = 3000;
    prompter.startIdAnswers = {QStringLiteral("70000"), std::nullopt};
    prompter.messageAnswers = {MsgButton::Ok};
    AddFile(dir.write("other.txt", "x"));
    EXPECT_EQ(list.model().count(), 1);
    EXPECT_EQ(settings.StartID, 3000);
    EXPECT_TRUE(prompter.startIdAnswers.empty());
}

TEST_F(AddCommandTest, TextFileThatCannotBeReadStopsTheAddWithItsReason) {
    const std::string folder = dir.path("notes.txt").toStdString();
    std::filesystem::create_directory(folder);
    try {
        AddFile(folder, QStringLiteral("100"));
        ADD_FAILURE() << "a folder was counted as a text file";
    } catch (const FileError& error) {
        EXPECT_NE(std::string(error.what()).find("it is a folder, not a file"), std::string::npos) << error.what();
    }
    EXPECT_TRUE(list.isEmpty());
}

}  // namespace
}  // namespace restallow

namespace restallow {
namespace {

class DropTest : public test::ListFixture {};

TEST_F(DropTest, DroppedFilesAreAddedOneAfterTheOtherAsAddAddsThem) {
    const QString bitmap = QString::fromStdString(dir.write("art/logo.bmp", "BM"));
    const QString text = QString::fromStdString(dir.write("art/lines.txt", "a\r\nb\r\n"));
    const QString icon = QString::fromStdString(dir.write("more/app.ico", "x"));
    prompter.outputKindAnswers.push_back(kResOutput);
    prompter.startIdAnswers.push_back(QStringLiteral("3000"));
    add.AddDroppedFiles({bitmap, dir.path(QStringLiteral("art")), dir.path(QStringLiteral("missing.bmp")), text, icon});
    EXPECT_EQ(prompter.outputKindProposals.size(), 1u);  // once, for the empty list
    EXPECT_TRUE(prompter.openRequests.empty());          // no dialog: the files are chosen
    ASSERT_EQ(prompter.startIdProposals.size(), 1u);
    EXPECT_EQ(settings.StartID, 3010);
    EXPECT_EQ(Names(), (std::vector<std::string>{"Bitmap_1", "Icon_1", "Strings_1"}));  // sorted as after Add
    EXPECT_EQ(list.model().entry(2).stringId, "3000");
    EXPECT_EQ(settings.InitialDir, QFileInfo(icon).absolutePath() + u'/');
    EXPECT_FALSE(list.ListSaved());
    EXPECT_EQ(prompter.pointerMoves.size(), 3u);

    // The same file again: added, and the duplicate message comes as it does for Add.
    prompter.messageAnswers.push_back(MsgButton::Ok);
    add.AddDroppedFiles({bitmap});
    EXPECT_EQ(list.model().count(), 4);
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].title, QStringLiteral("Information"));
    EXPECT_EQ(list.SelectedRows().size(), 2u);
}

TEST_F(DropTest, ACancelledStartIdSkipsOnlyThatFileAndADcrListTakesBitmapsOnly) {
    const QString text = QString::fromStdString(dir.write("lines.txt", "a\r\n"));
    const QString bitmap = QString::fromStdString(dir.write("logo.bmp", "BM"));
    const QString icon = QString::fromStdString(dir.write("app.ico", "x"));
    prompter.outputKindAnswers.push_back(kResOutput);
    prompter.startIdAnswers.push_back(std::nullopt);
    add.AddDroppedFiles({text, bitmap});
    EXPECT_EQ(Names(), (std::vector<std::string>{"Bitmap_1"}));
    EXPECT_EQ(settings.StartID, 2000);

    list.ClearList();
    prompter.outputKindAnswers.push_back(kDcrOutput);
    add.AddDroppedFiles({icon, text, bitmap});
    EXPECT_EQ(settings.ResKind, 1);
    EXPECT_EQ(Names(), (std::vector<std::string>{"Bitmap_1"}));
    EXPECT_EQ(prompter.beeps.size(), 2u);  // one for each file the bitmap-only list refuses
}

TEST_F(DropTest, DeclinedOutputKindEndsTheDrop) {
    const QString bitmap = QString::fromStdString(dir.write("logo.bmp", "BM"));
    prompter.outputKindAnswers.push_back(std::nullopt);
    add.AddDroppedFiles({bitmap, bitmap});
    EXPECT_TRUE(list.isEmpty());
    EXPECT_EQ(prompter.outputKindProposals.size(), 1u);
    EXPECT_TRUE(prompter.pointerMoves.empty());
}

}  // namespace
}  // namespace restallow
