// The compiler settings of the options dialog.
#include "shell/CompilerBox.h"

#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

#include "widgets/UiText.h"

namespace restallow {

bool IsDefine(const QString& line) {
    const qsizetype equals = line.indexOf(u'=');
    const QString name = equals < 0 ? line : line.left(equals);
    if (name.isEmpty() || name[0].isDigit()) return false;
    for (const QChar c : name) {
        if (!(c == u'_' || (c.unicode() < 128 && c.isLetterOrNumber()))) return false;
    }
    return true;
}

CompilerBox::CompilerBox(QWidget* parent) : QGroupBox(parent) {
    foldersLabel_ = new QLabel(this);
    foldersLabel_->setGeometry(10, 16, 240, 18);
    folders = new QListWidget(this);
    folders->setGeometry(10, 34, 240, 58);
    addButton = new QPushButton(this);
    addButton->setGeometry(258, 34, 80, 25);
    removeButton = new QPushButton(this);
    removeButton->setGeometry(258, 66, 80, 25);
    definesLabel_ = new QLabel(this);
    definesLabel_->setGeometry(10, 96, 328, 18);
    defineLines = new QPlainTextEdit(this);
    defineLines->setGeometry(10, 114, 328, 40);
    defineLines->setTabChangesFocus(true);
    connect(addButton, &QPushButton::clicked, this, &CompilerBox::AddFolder);
    connect(removeButton, &QPushButton::clicked, this, &CompilerBox::RemoveFolder);
}

void CompilerBox::setValues(const QStringList& includeDirs, const QStringList& defines) {
    folders->clear();
    folders->addItems(includeDirs);
    defineLines->setPlainText(defines.join(u'\n'));
}

QStringList CompilerBox::includeDirs() const {
    QStringList dirs;
    for (int row = 0; row < folders->count(); ++row) dirs << folders->item(row)->text();
    return dirs;
}

QStringList CompilerBox::defines() const {
    QStringList lines;
    for (const QString& line : defineLines->toPlainText().split(u'\n')) {
        if (!line.trimmed().isEmpty()) lines << line.trimmed();
    }
    return lines;
}

QString CompilerBox::firstBadDefine() const {
    for (const QString& line : defines()) {
        if (!IsDefine(line)) return line;
    }
    return {};
}

void CompilerBox::ApplyTexts(int language) {
    setTitle(MsgText(language, MsgCompilerGroup));
    foldersLabel_->setText(MsgText(language, MsgIncludeFolders));
    folders->setToolTip(MsgText(language, MsgIncludeTip));
    definesLabel_->setText(MsgText(language, MsgDefines));
    defineLines->setToolTip(MsgText(language, MsgDefinesTip));
    addButton->setText(MsgText(language, MsgAddFolder));
    removeButton->setText(MsgText(language, MsgRemoveFolder));
    chooserTitle_ = MsgText(language, MsgChooseFolder);
}

// A folder already in the list is not added twice; the new one goes last, searched last.
void CompilerBox::AddFolder() {
    if (!chooser_) return;
    const QListWidgetItem* current = folders->currentItem();
    const QString folder = chooser_(current ? current->text() : QString(), chooserTitle_);
    if (folder.isEmpty() || includeDirs().contains(folder)) return;
    folders->addItem(folder);
    folders->setCurrentRow(folders->count() - 1);
}

void CompilerBox::RemoveFolder() { delete folders->takeItem(folders->currentRow()); }

}  // namespace restallow
