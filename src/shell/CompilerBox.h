// The compiler's part of the options: the include folders (a list with Add and Remove) and the
// defines (one NAME or NAME=VALUE a line).
#pragma once

#include <QGroupBox>
#include <QStringList>
#include <functional>

class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace restallow {

class CompilerBox : public QGroupBox {
    Q_OBJECT

public:
    // Asks for a folder, starting in the given one; empty when the user gave none.
    using FolderChooser = std::function<QString(const QString& start, const QString& title)>;

    explicit CompilerBox(QWidget* parent = nullptr);

    void setChooser(FolderChooser chooser) { chooser_ = std::move(chooser); }
    void setValues(const QStringList& includeDirs, const QStringList& defines);
    QStringList includeDirs() const;
    QStringList defines() const;  // the lines that are not blank, trimmed
    // The first line that is no define, or an empty text when every line is one.
    QString firstBadDefine() const;
    void ApplyTexts(int language);

    QListWidget* folders = nullptr;
    QPlainTextEdit* defineLines = nullptr;
    QPushButton* addButton = nullptr;
    QPushButton* removeButton = nullptr;

private:
    void AddFolder();
    void RemoveFolder();

    QLabel* foldersLabel_ = nullptr;
    QLabel* definesLabel_ = nullptr;
    FolderChooser chooser_;
    QString chooserTitle_;
};

// NAME or NAME=VALUE, the name of letters, digits and "_", not beginning with a digit.
bool IsDefine(const QString& line);

}  // namespace restallow
