// The Start-ID dialog: a masked field whose first character must be a digit.
#include "resources/TfmIDDlg.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "languages/DialogStrings.h"
#include "widgets/Hint.h"
#include "widgets/WindowFont.h"

namespace restallow {

TfmIDDlg::TfmIDDlg(int language, PointerMover movePointer, QWidget* parent)
    : QDialog(parent), pointer_(std::move(movePointer)) {
    const IdDialogTable& text = IdDialogStrings(language);
    setWindowTitle(QString::fromUtf8(text[IdCaption]));
    setFixedSize(188, 100);
    setFont(WindowFont());  // the sizes below are laid out for the window's font
    const QString hint = QString::fromUtf8(text[IdHint1]) + u'\r' + QString::fromUtf8(text[IdHint2]);

    auto* label = new QLabel(HintLabel(hint), this);
    label->setGeometry(12, 8, 164, 18);
    editId_ = new QLineEdit(this);
    editId_->setObjectName(QStringLiteral("EditID"));
    // First place a digit (required), then up to five digits or signs.
    editId_->setInputMask(QStringLiteral("9#####;_"));
    editId_->setToolTip(HintTooltip(hint));
    editId_->setGeometry(12, 28, 164, 24);

    ok_ = new QPushButton(QStringLiteral("&OK"), this);
    ok_->setDefault(true);
    ok_->setGeometry(12, 64, 78, 26);
    auto* cancel = new QPushButton(QString::fromUtf8(text[IdCancel]), this);
    cancel->setGeometry(98, 64, 78, 26);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    // OK needs a digit in the first place: text() drops the blanks, so "_000" would read "000".
    connect(editId_, &QLineEdit::textChanged, this, [this] { ok_->setEnabled(editId_->hasAcceptableInput()); });
    pointer_.setButton(ok_);
}

void TfmIDDlg::SetStartId(const QString& text) {
    editId_->setText(text);
    editId_->selectAll();
}

QString TfmIDDlg::StartId() const { return editId_->text(); }

void TfmIDDlg::accept() {
    if (editId_->hasAcceptableInput()) QDialog::accept();
}

void TfmIDDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    pointer_.Later();
}

}  // namespace restallow
