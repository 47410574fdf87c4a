// TfmIDDlg: asks for the first string id of a text file's string table.
#pragma once

#include <QDialog>
#include <functional>

#include "widgets/OkPointer.h"

class QLineEdit;
class QPushButton;

namespace restallow {

class TfmIDDlg : public QDialog {
    Q_OBJECT

public:
    using PointerMover = OkPointer::Mover;

    TfmIDDlg(int language, PointerMover movePointer, QWidget* parent = nullptr);

    void SetStartId(const QString& text);
    QString StartId() const;  // the typed text without the mask's blanks
    QLineEdit* EditID() const { return editId_; }
    QPushButton* okButton() const { return ok_; }

    void accept() override;  // refused while the first place holds no digit

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLineEdit* editId_;
    QPushButton* ok_;
    OkPointer pointer_;
};

}  // namespace restallow
