// The Start-ID and output-kind dialogs: texts per language, mask, Escape, pointer to OK.
#include <gtest/gtest.h>

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include "languages/MainStrings.h"
#include "resources/TfmIDDlg.h"
#include "resources/TfmResDlg.h"

namespace restallow {
namespace {

QPoint CentreOf(const QPushButton* button) {
    return button->mapToGlobal(QPoint(button->width() / 2, button->height() / 2));
}

TEST(TfmIDDlg, MaskNeedsALeadingDigitAndTakesSixCharacters) {
    TfmIDDlg dialog(kEnglish, {});
    dialog.SetStartId(QStringLiteral("2000"));
    EXPECT_EQ(dialog.StartId(), QStringLiteral("2000"));
    dialog.EditID()->clear();
    QTest::keyClicks(dialog.EditID(), QStringLiteral("x1-2345678"));
    EXPECT_EQ(dialog.StartId(), QStringLiteral("1-2345"));
    dialog.EditID()->clear();
    QTest::keyClicks(dialog.EditID(), QStringLiteral("0100"));
    EXPECT_EQ(dialog.StartId(), QStringLiteral("0100"));
    EXPECT_TRUE(dialog.okButton()->isEnabled());
    dialog.EditID()->clear();
    EXPECT_FALSE(dialog.okButton()->isEnabled());
}

TEST(TfmIDDlg, DeletingTheFirstDigitDisablesOkAndEnterDoesNotAccept) {
    TfmIDDlg dialog(kEnglish, {});
    dialog.SetStartId(QStringLiteral("2000"));
    dialog.EditID()->setCursorPosition(0);
    QTest::keyClick(dialog.EditID(), Qt::Key_Delete);
    EXPECT_EQ(dialog.EditID()->displayText().left(4), QStringLiteral("_000"));
    EXPECT_FALSE(dialog.okButton()->isEnabled());
    QTimer::singleShot(100, &dialog, [&] {
        QTest::keyClick(dialog.EditID(), Qt::Key_Return);
        EXPECT_TRUE(dialog.isVisible());  // not accepted with "000"
        QTest::keyClicks(dialog.EditID(), QStringLiteral("3"));
        EXPECT_TRUE(dialog.okButton()->isEnabled());
        QTest::keyClick(dialog.EditID(), Qt::Key_Return);
    });
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
    EXPECT_EQ(dialog.StartId(), QStringLiteral("3000"));
}

TEST(TfmIDDlg, TextsFollowTheLanguage) {
    TfmIDDlg german(kGerman, {});
    EXPECT_EQ(german.windowTitle(), QStringLiteral("Start-ID"));
    EXPECT_EQ(german.EditID()->toolTip(),
              QStringLiteral("Bei Verwendung mehrerer Stringtables \nausreichend Spielraum lassen!"));
    EXPECT_NE(german.findChild<QLabel*>()->text().indexOf(QStringLiteral("Bitte Start-ID eingeben:")), -1);
    EXPECT_EQ(german.size(), QSize(188, 100));
    TfmIDDlg other(7, {});
    EXPECT_EQ(other.EditID()->toolTip(), QStringLiteral("Using more than one Stringtable\nlet enough of scope!"));
}

TEST(TfmIDDlg, PointerMovesToOkAfterShowing) {
    std::vector<QPoint> moves;
    TfmIDDlg dialog(kEnglish, [&](const QPoint& p) { moves.push_back(p); });
    dialog.show();
    QTest::qWait(250);
    ASSERT_EQ(moves.size(), 1u);
    EXPECT_EQ(moves[0], CentreOf(dialog.okButton()));
}

TEST(TfmResDlg, OpensWithTheStoredChoiceAndReportsTheMarkedOne) {
    TfmResDlg dcr(kEnglish, 1, {});
    EXPECT_TRUE(dcr.rbDcr()->isChecked());
    EXPECT_EQ(dcr.ChosenKind(), 1);
    TfmResDlg res(kEnglish, 0, {});
    EXPECT_TRUE(res.rbRes()->isChecked());
    res.rbDcr()->click();
    EXPECT_EQ(res.ChosenKind(), 1);
    EXPECT_EQ(res.size(), QSize(205, 189));
}

TEST(TfmResDlg, GermanTextsAndTwoLineTooltips) {
    TfmResDlg dialog(kGerman, 0, {});
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Ressource"));
    EXPECT_EQ(dialog.findChild<QGroupBox*>()->title(), QStringLiteral("Ressourcenart"));
    EXPECT_EQ(dialog.rbRes()->text(), QStringLiteral("Ressourcen-Datei (*.res)"));
    EXPECT_EQ(dialog.rbDcr()->text(), QStringLiteral("Delphi-Ressource (*.dcr)"));
    EXPECT_EQ(dialog.rbDcr()->toolTip(), QStringLiteral("Eine Ressource für Delphis\nKomponentenpalette erstellen"));
}

TEST(TfmResDlg, EscapeAndTheCloseBoxCloseItAsCancelDoes) {
    for (const bool escape : {true, false}) {
        std::vector<QPoint> moves;
        TfmResDlg dialog(kEnglish, 0, [&](const QPoint& p) { moves.push_back(p); });
        QTimer::singleShot(200, &dialog, [&] {
            dialog.rbDcr()->click();
            if (escape)
                QTest::keyClick(dialog.rbDcr(), Qt::Key_Escape);
            else
                dialog.close();
        });
        EXPECT_EQ(dialog.exec(), QDialog::Rejected) << escape;
        ASSERT_GE(moves.size(), 2u);  // once after showing, once after the click on a choice
        EXPECT_EQ(moves.back(), CentreOf(dialog.okButton()));
    }
}

}  // namespace
}  // namespace restallow
