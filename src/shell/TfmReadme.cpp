// The readme dialog.
#include "shell/TfmReadme.h"

#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QTextCursor>
#include <cstring>

#include "shell/ReadmeTexts.h"

namespace restallow {

namespace {

constexpr const char* kInsertBehind = "eMail: ";

// The program's name in large italics over the memo.
void AddTitle(QWidget* frame) {
    auto* title = new QLabel(QApplication::applicationName().isEmpty() ? QStringLiteral("Resource Tallowin+")
                                                                       : QApplication::applicationName(),
                             frame);
    QFont titleFont(QStringLiteral("AmericanTypewriter-Light"), 18);
    titleFont.setBold(true);
    titleFont.setItalic(true);
    title->setFont(titleFont);
    title->setStyleSheet(QStringLiteral("color: palette(highlight);"));
    title->move(13, 8);
    title->adjustSize();
}

// The icon, the bold notice and the rule under it, at the top of the memo.
void AddNotice(QWidget* memo, QStyle* style) {
    auto* picture = new QLabel(memo);
    const QIcon icon = QApplication::windowIcon().isNull() ? style->standardIcon(QStyle::SP_MessageBoxInformation)
                                                           : QApplication::windowIcon();
    picture->setPixmap(icon.pixmap(32, 32));
    picture->setGeometry(13, 16, 32, 32);

    auto* notice = new QLabel(QString::fromUtf8(kReadmeNotice), memo);
    QFont noticeFont(QStringLiteral("MS Sans Serif"), 10);
    noticeFont.setBold(true);
    notice->setFont(noticeFont);
    notice->setStyleSheet(QStringLiteral("color: navy;"));
    notice->setWordWrap(true);
    notice->setGeometry(60, 4, 377, 44);
    auto* line = new QFrame(memo);
    line->setGeometry(60, 50, 377, 1);
    line->setStyleSheet(QStringLiteral("background: navy;"));
}

}  // namespace

QString ReadmeText(const QStringList& lines, const QString& contact) {
    QString text = lines.join(u'\n');
    const auto at = text.indexOf(QLatin1String(kInsertBehind));
    if (at >= 0) text.insert(at + static_cast<qsizetype>(std::strlen(kInsertBehind)), contact);
    return text;
}

TfmReadme::TfmReadme(const ReadmeRequest& request, PointerMover movePointer, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), pointer_(std::move(movePointer)) {
    setWindowTitle(request.caption);
    setFixedSize(460, 300);
    auto* frame = new QFrame(this);
    frame->setGeometry(0, 0, 460, 300);
    frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);

    AddTitle(frame);
    auto* memo = new QFrame(frame);
    memo->setGeometry(8, 45, 442, 216);
    memo->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    memo->setAutoFillBackground(true);
    QPalette memoPalette = memo->palette();
    memoPalette.setColor(QPalette::Window, QApplication::palette().color(QPalette::ToolTipBase));
    memoPalette.setColor(QPalette::Base, QApplication::palette().color(QPalette::ToolTipBase));
    memoPalette.setColor(QPalette::Text, QApplication::palette().color(QPalette::ToolTipText));
    memo->setPalette(memoPalette);

    AddNotice(memo, style());

    text_ = new QPlainTextEdit(memo);
    text_->setGeometry(60, 57, 377, 153);
    text_->setReadOnly(true);
    text_->setFrameStyle(QFrame::NoFrame);
    text_->setFocusPolicy(Qt::ClickFocus);
    text_->setPalette(memoPalette);
    text_->setFont(QFont(QStringLiteral("MS Sans Serif"), 10));
    text_->setPlainText(ReadmeText(request.lines, QString::fromUtf8(kReadmeContact)));
    const auto contactAt = text_->toPlainText().indexOf(QString::fromUtf8(kReadmeContact));
    if (contactAt >= 0) {
        QTextCursor cursor(text_->document());
        cursor.setPosition(static_cast<int>(contactAt));
        cursor.setPosition(static_cast<int>(contactAt + std::strlen(kReadmeContact)), QTextCursor::KeepAnchor);
        text_->setTextCursor(cursor);
    }

    check_ = new QCheckBox(request.checkCaption, frame);
    check_->setGeometry(13, 272, 353, 20);
    check_->setChecked(request.showOnStart);
    ok_ = new QPushButton(QStringLiteral("&OK"), frame);
    ok_->setGeometry(375, 268, 75, 25);
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    pointer_.setButton(ok_);
    connect(check_, &QCheckBox::clicked, &pointer_, &OkPointer::Now);
}

bool TfmReadme::ShowOnStart() const { return check_->isChecked(); }

void TfmReadme::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    text_->setFocus();
    pointer_.Later();
}

}  // namespace restallow
