// Language tables and dialog filters.
#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

#include "languages/MainStrings.h"
#include "languages/MessageStrings.h"
#include "platform/FileFilter.h"

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

// The placeholders %1, %2, ... of a text, as a set: a translation must keep every one of them.
std::set<std::string> Placeholders(const char* text) {
    std::set<std::string> found;
    for (const char* at = std::strchr(text, '%'); at; at = std::strchr(at + 1, '%')) {
        if (at[1] >= '0' && at[1] <= '9') found.insert(std::string(at, 2));
    }
    return found;
}

TEST(MessageStrings, EveryMessageIsThereInEachLanguageWithTheEnglishPlaceholders) {
    for (int language : {kFrench, kGerman}) {
        for (int i = 0; i < kMessageTexts; ++i) {
            const char* text = MessageStrings(language)[i];
            ASSERT_NE(text, nullptr) << language << " " << i;
            EXPECT_GT(std::strlen(text), 0u) << language << " " << i;
            EXPECT_EQ(Placeholders(text), Placeholders(MessageStrings(kEnglish)[i])) << language << ": " << text;
        }
    }
    EXPECT_STREQ(MessageStrings(0)[MsgNoProgram], "No program to start.");  // outside 1..3: English
}

TEST(MessageStrings, TheCompilerTheMediaModuleAndQtsTextsInFrenchAndGerman) {
    EXPECT_STREQ(MessageStrings(kFrench)[MsgCompilerFailed],
                 "Le compilateur de ressources a échoué (code de sortie %1).");
    EXPECT_STREQ(MessageStrings(kGerman)[MsgCompilerFailed], "Der Ressourcen-Compiler ist gescheitert (Exit-Code %1).");
    EXPECT_STREQ(MessageStrings(kFrench)[MsgMediaNotLoaded],
                 "Le module multimédia qui joue les sons et les clips AVI ne peut pas être chargé : %1.");
    EXPECT_STREQ(MessageStrings(kGerman)[MsgMediaNotLoaded],
                 "Das Medienmodul, das Klänge und AVI-Clips abspielt, kann nicht geladen werden: %1.");
    EXPECT_STREQ(
        MessageStrings(kGerman)[MsgQtTextsMissing],
        "Die Texte von Qt (Schaltflächen, Dateidialoge) bleiben englisch: %1 fehlt (Paket qt6-translations-l10n).");
}

// The texts of names a script cannot hold, the settings file and the compiler settings: French
// and German say each in their own words ("Compiler" is German too).
TEST(MessageStrings, TheScriptTheSettingsAndTheCompilerSettingsInFrenchAndGerman) {
    for (int row = MsgFileRefused1; row <= MsgDefineRefused; ++row) {
        EXPECT_STRNE(MessageStrings(kFrench)[row], MessageStrings(kEnglish)[row]) << row;
        if (row != MsgCompilerGroup) EXPECT_STRNE(MessageStrings(kGerman)[row], MessageStrings(kEnglish)[row]) << row;
    }
    EXPECT_STREQ(MessageStrings(0)[MsgCompilerGroup], "Compiler");
    EXPECT_STREQ(MessageStrings(kFrench)[MsgCompilerGroup], "Compilateur");
    EXPECT_STREQ(MessageStrings(kGerman)[MsgRemoveFolder], "&Entfernen");
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
