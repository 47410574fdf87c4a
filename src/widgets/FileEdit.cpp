// The file edit field.
#include "widgets/FileEdit.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QToolButton>

namespace restallow {

FileEdit::FileEdit(QWidget* parent) : QWidget(parent), edit_(new QLineEdit(this)), browse_(new QToolButton(this)) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(edit_);
    layout->addWidget(browse_);
    browse_->setText(QStringLiteral("..."));
    browse_->setFixedWidth(22);
    connect(edit_, &QLineEdit::textChanged, this, &FileEdit::textChanged);
    connect(browse_, &QToolButton::clicked, this, &FileEdit::browseClicked);
}

QString FileEdit::text() const { return edit_->text(); }

void FileEdit::setText(const QString& text) { edit_->setText(text); }

}  // namespace restallow
