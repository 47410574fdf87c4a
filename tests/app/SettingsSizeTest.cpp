// A settings file over 1 MB: not read, said so once, the defaults used, and left as it is until
// the user changes a setting.
#include <gtest/gtest.h>

#include <QFile>

#include "app/TfmTallow.h"
#include "languages/MainStrings.h"
#include "shell/SettingsStore.h"
#include "support/MainWindowTest.h"

namespace restallow {
namespace {

class SettingsSizeTest : public test::MainWindowTest {
protected:
    QString File() const { return dir.path(QStringLiteral("config/Orvel/Resource Tallowin.conf")); }
    // Settings that name German, padded by a comment to `size` bytes.
    std::string WriteSettingsOf(qint64 size) {
        std::string text = "[Params]\nLanguage_Value=3\nShowInfo_Value=0\n;";
        text += std::string(static_cast<std::size_t>(size) - text.size() - 1, 'x') + "\n";
        dir.write(QStringLiteral("config/Orvel/Resource Tallowin.conf"), text);
        return text;
    }
};

TEST_F(SettingsSizeTest, AFileOverOneMegabyteIsNotReadAndStaysAsItIsWhenNothingChanged) {
    const std::string big = WriteSettingsOf(SettingsStore::kLargestFile + 1);
    prompter.messageAnswers.push_back(MsgButton::Ok);
    prompter.readmeAnswers.push_back(true);  // the defaults show the readme; its box stays ticked
    auto window = Start();
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_TRUE(prompter.messages[0].text.contains(u'\r' + File() + u'\r')) << prompter.messages[0].text.toStdString();
    EXPECT_TRUE(prompter.messages[0].text.startsWith(QStringLiteral("The settings file is larger than 1 MB")));
    EXPECT_EQ(prompter.messages[0].icon, MsgIcon::Warning);
    EXPECT_EQ(window->Settings().list.Language, kEnglish);  // detected, not the file's German
    EXPECT_EQ(window->Settings().ShowInfo, 1);
    window->show();
    window->close();
    window.reset();
    EXPECT_EQ(test::TempDir::read(File().toStdString()), big);
}

TEST_F(SettingsSizeTest, AChangedSettingReplacesTheOversizedFileWithTheProgramsOwn) {
    WriteSettingsOf(40 * SettingsStore::kLargestFile);
    prompter.messageAnswers.push_back(MsgButton::Ok);
    prompter.readmeAnswers.push_back(true);
    auto window = Start();
    OptionsOutcome french;
    french.result = OptionsOutcome::Ok;
    french.language = kFrench;
    prompter.optionsAnswers.push_back(french);
    window->OpenOptions();
    window.reset();
    EXPECT_LT(QFile(File()).size(), 4096);
    EXPECT_EQ(test::StoredValue(dir, QStringLiteral("Params/Language_Value")), QStringLiteral("2"));
    EXPECT_EQ(test::StoredValue(dir, QStringLiteral("Params/ShowInfo_Value")), QStringLiteral("1"));
}

TEST_F(SettingsSizeTest, AFileOfOneMegabyteIsStillRead) {
    WriteSettingsOf(SettingsStore::kLargestFile);
    auto window = Start();
    EXPECT_TRUE(prompter.messages.empty());
    EXPECT_EQ(window->Settings().list.Language, kGerman);
    window.reset();
}

}  // namespace
}  // namespace restallow
