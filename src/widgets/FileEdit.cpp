// The file edit field.
#include "widgets/FileEdit.h"

#include <QDropEvent>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QToolButton>

#include "widgets/DroppedFiles.h"

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
    edit_->installEventFilter(this);
}

bool FileEdit::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (watched != edit_ || (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)) {
        return QWidget::eventFilter(watched, event);
    }
    auto* drop = static_cast<QDropEvent*>(event);
    const QStringList files = DroppedFiles(drop->mimeData());
    if (files.size() != 1 || !isEnabled()) {
        drop->ignore();
        return true;
    }
    drop->acceptProposedAction();
    if (type == QEvent::Drop) emit fileDropped(files.front());
    return true;
}

QString FileEdit::text() const { return edit_->text(); }

void FileEdit::setText(const QString& text) { edit_->setText(text); }

}  // namespace restallow
