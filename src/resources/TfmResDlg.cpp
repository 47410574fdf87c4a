// The output-kind dialog.
#include "resources/TfmResDlg.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "languages/DialogStrings.h"
#include "widgets/Hint.h"
#include "widgets/WindowFont.h"

namespace restallow {
namespace {

// The radio button shows its hint's label beside it and its tooltip; a click on the label marks it.
QRadioButton* MakeChoice(const QString& hint, const QString& areaHint, QWidget* parent) {
    auto* button = new QRadioButton(HintLabel(hint), parent);
    button->setToolTip(HintTooltip(areaHint.isEmpty() ? hint : areaHint));
    return button;
}

}  // namespace

TfmResDlg::TfmResDlg(int language, int resKind, PointerMover movePointer, QWidget* parent)
    : QDialog(parent), pointer_(std::move(movePointer)) {
    const ResDialogTable& text = ResDialogStrings(language);
    const auto str = [&text](ResDialogText row) { return QString::fromUtf8(text[row]); };
    setWindowTitle(str(ResCaption));
    setFixedSize(205, 189);
    setFont(WindowFont());  // the sizes below are laid out for the window's font

    auto* group = new QGroupBox(str(ResGroup), this);
    group->setAlignment(Qt::AlignHCenter);
    group->setGeometry(8, 6, 189, 136);
    auto* question = new QLabel(str(ResQuestion1) + u'\n' + str(ResQuestion2), group);
    question->setGeometry(10, 20, 170, 36);
    rbRes_ = MakeChoice(str(ResResChoice), str(ResResTooltip), group);
    rbRes_->setObjectName(QStringLiteral("rbRes"));
    rbRes_->setGeometry(10, 64, 175, 24);
    rbDcr_ = MakeChoice(str(ResDcrChoice1) + u'\r' + str(ResDcrChoice2),
                        str(ResDcrTooltip1) + u'\r' + str(ResDcrTooltip2), group);
    rbDcr_->setObjectName(QStringLiteral("rbDcr"));
    rbDcr_->setGeometry(10, 96, 175, 24);
    (resKind == kDcrOutput ? rbDcr_ : rbRes_)->setChecked(true);

    ok_ = new QPushButton(QStringLiteral("&OK"), this);
    ok_->setDefault(true);
    ok_->setGeometry(16, 152, 80, 26);
    auto* cancel = new QPushButton(str(ResCancel), this);
    cancel->setGeometry(109, 152, 80, 26);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    pointer_.setButton(ok_);
    connect(rbRes_, &QRadioButton::clicked, &pointer_, &OkPointer::Now);
    connect(rbDcr_, &QRadioButton::clicked, &pointer_, &OkPointer::Now);
}

int TfmResDlg::ChosenKind() const { return rbDcr_->isChecked() ? kDcrOutput : kResOutput; }

void TfmResDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    pointer_.Later();
}

}  // namespace restallow
