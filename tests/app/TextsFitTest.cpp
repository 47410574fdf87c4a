// Every text of the main window and of the fixed-size dialogs fits its place in each language.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <cstdlib>
#include <memory>

#include "app/TfmTallow.h"
#include "languages/MainStrings.h"
#include "resources/TfmIDDlg.h"
#include "resources/TfmResDlg.h"
#include "shell/TfmOptDlg.h"
#include "support/ScriptedPrompter.h"
#include "support/Settings.h"
#include "widgets/Hint.h"
#include "widgets/MegaPanel.h"

namespace restallow {
namespace {

// What does not fit, one line per text; empty when everything does.
std::string Misfits(QWidget* top) {
    std::string misfits;
    const auto report = [&misfits](const QString& text, const QString& why) {
        misfits += text.toStdString() + ": " + why.toStdString() + "\n";
    };
    for (MegaPanel* panel : top->findChildren<MegaPanel*>()) {
        for (QWidget* child : panel->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            QString label = HintLabel(MegaPanel::HintOf(child));
            label.replace(u'\r', u'\n');
            if (label.trimmed().isEmpty()) continue;
            const QRect place = panel->labelRect(child);
            const QFontMetrics metrics = panel->fontMetrics();
            const QRect needed = metrics.boundingRect(place, Qt::TextWordWrap | panel->labelAlignment(), label);
            const int lines = static_cast<int>(label.count(u'\n')) + 1;
            if (needed.height() > lines * metrics.lineSpacing() + metrics.height() / 2)
                report(label, QStringLiteral("wraps"));
            if (needed.width() > place.width()) report(label, QStringLiteral("too wide"));
            if (!panel->rect().contains(needed)) report(label, QStringLiteral("runs out of its panel"));
        }
    }
    for (QAbstractButton* button : top->findChildren<QAbstractButton*>()) {
        QString text = button->text();
        text.remove(u'&');
        if (text.isEmpty()) continue;
        // Radio buttons and check boxes carry their mark before the text; push buttons a margin.
        const int mark = qobject_cast<QRadioButton*>(button) || qobject_cast<QCheckBox*>(button) ? 22 : 4;
        if (button->fontMetrics().horizontalAdvance(text) + mark > button->width())
            report(text, QStringLiteral("button too narrow"));
    }
    for (QLabel* label : top->findChildren<QLabel*>()) {
        if (label->text().isEmpty() || !label->pixmap().isNull() || !label->isVisibleTo(top)) continue;
        if (label->sizeHint().width() > label->width() || label->sizeHint().height() > label->height()) {
            report(label->text(), QStringLiteral("label cut"));
        }
    }
    for (QGroupBox* group : top->findChildren<QGroupBox*>()) {
        if (group->fontMetrics().horizontalAdvance(group->title()) + 16 > group->width()) {
            report(group->title(), QStringLiteral("group title cut"));
        }
    }
    return misfits;
}

TEST(TextsFit, DialogsUseTheWindowFontAndNothingIsCut) {
    for (int language : {kEnglish, kFrench, kGerman}) {
        TfmResDlg kind(language, 0, {});
        TfmIDDlg startId(language, {});
        TfmOptDlg options({language, 6, false, false, true}, {}, {});
        for (QDialog* dialog : std::initializer_list<QDialog*>{&kind, &startId, &options}) {
            EXPECT_EQ(dialog->font().family(), QStringLiteral("Comic Sans MS"));
            EXPECT_EQ(dialog->font().pointSize(), 8);
            EXPECT_EQ(Misfits(dialog), "") << dialog->windowTitle().toStdString() << " in language " << language;
        }
    }
}

TEST(TextsFit, MainWindowLabelsFitInEveryLanguage) {
    test::TempDir dir;
    test::IsolateSettings(dir);
    test::ScriptedPrompter prompter;
    prompter.readmeAnswers.push_back(false);
    TfmTallow window(prompter);
    window.show();
    for (int language : {kEnglish, kFrench, kGerman}) {
        window.ApplyLanguage(language);
        EXPECT_EQ(Misfits(&window), "") << "language " << language;
    }
}

}  // namespace
}  // namespace restallow
