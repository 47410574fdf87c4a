// Language tables, hints and dialog filters.
#include <gtest/gtest.h>

#include <cstring>

#include "languages/MainStrings.h"
#include "languages/MessageStrings.h"
#include "platform/FileFilter.h"
#include "widgets/Hint.h"

namespace restallow {
namespace {

TEST(MainStrings, TablesHoldTheExactTextsWithTheirBlanks) {
    EXPECT_STREQ(MainStrings(kEnglish)[28], "             loaded");
    EXPECT_STREQ(MainStrings(kGerman)[28], "           geladen");
    EXPECT_STREQ(MainStrings(kEnglish)[18], "Program w8loss doesn't exist in path \"");
    EXPECT_STREQ(MainStrings(kFrench)[18], "Le programm w8loss n' existe pas dans le répertoire.");
    EXPECT_STREQ(MainStrings(kGerman)[32], "   Originalgröße: ");
    EXPECT_STREQ(MainStrings(kFrench)[44], "Nom");
    EXPECT_STREQ(MainStrings(0)[52], "Confirmation");  // outside 1..3: English
    EXPECT_STREQ(MainStrings(kGerman)[52], "Bestätigen");
    for (int language : {kEnglish, kFrench, kGerman}) {
        for (const char* text : MainStrings(language)) {
            ASSERT_NE(text, nullptr);
            EXPECT_GT(std::strlen(text), 0u);
        }
    }
}

// Every later text is there in all three languages, and French and German say it in their own
// words (a few words such as "Compiler" are the same in a language).
TEST(MessageStrings, EveryTextHasItsThreeLanguages) {
    int ownWords[2] = {0, 0};
    for (int row = 0; row < kMessageTexts; ++row) {
        const char* english = MessageStrings(kEnglish)[row];
        ASSERT_NE(english, nullptr);
        EXPECT_GT(std::strlen(english), 0u) << row;
        for (int i = 0; i < 2; ++i) {
            const char* other = MessageStrings(i == 0 ? kFrench : kGerman)[row];
            ASSERT_NE(other, nullptr);
            EXPECT_GT(std::strlen(other), 0u) << row;
            ownWords[i] += std::strcmp(other, english) != 0;
        }
    }
    EXPECT_GE(ownWords[0], kMessageTexts - 1);
    EXPECT_GE(ownWords[1], kMessageTexts - 3);
    EXPECT_STREQ(MessageStrings(0)[MsgCompilerGroup], "Compiler");
    EXPECT_STREQ(MessageStrings(kGerman)[MsgRemoveFolder], "&Entfernen");
}

TEST(Hint, SplitsTooltipAndLabel) {
    EXPECT_EQ(HintTooltip(QStringLiteral("Add a new resource|Add|")), QStringLiteral("Add a new resource"));
    EXPECT_EQ(HintLabel(QStringLiteral("Add a new resource|Add|")), QStringLiteral("Add"));
    EXPECT_EQ(HintTooltip(QStringLiteral("|Resource List|")), QString());
    EXPECT_EQ(HintTooltip(QStringLiteral("Copy or \rexpand the file|Expand|")), QStringLiteral("Copy or \nexpand the file"));
    EXPECT_EQ(HintLabel(QStringLiteral("plain")), QStringLiteral("plain"));
    EXPECT_EQ(HintTooltip(QStringLiteral("plain")), QStringLiteral("plain"));
}

TEST(FileFilter, ShowsEachPatternOnceAndTheRealPatterns) {
    const QStringList filters = QtFilters(QString::fromUtf8(MainStrings(kEnglish)[UiAddFilterRes]));
    ASSERT_EQ(filters.size(), 9);
    EXPECT_EQ(filters[0], QStringLiteral("All Files (*)"));
    EXPECT_EQ(filters[3], QStringLiteral("Cursors, Icons (*.ani *.cur *.ico)"));
    EXPECT_EQ(filters[5], QStringLiteral("JPEG Image (*.jpg *.jpeg)"));
    EXPECT_EQ(QtFilters(QStringLiteral("Bitmaps (*.bmp)|*.bmp")), QStringList{QStringLiteral("Bitmaps (*.bmp)")});
    // A description without patterns of its own gets them; one with a bracket inside keeps it.
    EXPECT_EQ(QtFilters(QStringLiteral("Scripts|*.rc")), QStringList{QStringLiteral("Scripts (*.rc)")});
    EXPECT_EQ(QtFilters(QStringLiteral("Old (Win 3.1) files (*.*_)|*.*_")),
              QStringList{QStringLiteral("Old (Win 3.1) files (*.*_)")});
    for (int language : {kEnglish, kFrench, kGerman}) {
        for (const int index : {static_cast<int>(UiAddFilterRes), static_cast<int>(UiAddFilterDcr), 27, 50, 51}) {
            for (const QString& filter : QtFilters(QString::fromUtf8(MainStrings(language)[index]))) {
                EXPECT_EQ(filter.count(u'('), 1) << filter.toStdString();
            }
        }
    }
}

}  // namespace
}  // namespace restallow
