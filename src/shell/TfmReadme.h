// TfmReadme: the readme with the program's icon, title and notice, and the show-on-start box.
#pragma once

#include <QDialog>
#include <functional>

#include "widgets/OkPointer.h"

#include "platform/Prompter.h"

class QCheckBox;
class QPlainTextEdit;
class QPushButton;

namespace restallow {

class TfmReadme : public QDialog {
    Q_OBJECT

public:
    using PointerMover = OkPointer::Mover;
    TfmReadme(const ReadmeRequest& request, PointerMover movePointer, QWidget* parent = nullptr);

    bool ShowOnStart() const;
    QPlainTextEdit* text() const { return text_; }
    QCheckBox* checkBox() const { return check_; }
    QPushButton* okButton() const { return ok_; }

protected:
    void showEvent(QShowEvent* event) override;  // Escape closes it as OK does, the box as it stands

private:
    QPlainTextEdit* text_;
    QCheckBox* check_;
    QPushButton* ok_;
    OkPointer pointer_;
};

// The readme text with the contact address inserted after the first "eMail: ".
QString ReadmeText(const QStringList& lines, const QString& contact);

}  // namespace restallow
