// TfmResDlg: asks whether the list becomes a standard resource file or a component-palette resource.
#pragma once

#include <QDialog>
#include <functional>

#include "platform/OutputKind.h"
#include "widgets/OkPointer.h"

class QPushButton;
class QRadioButton;

namespace restallow {

class TfmResDlg : public QDialog {
    Q_OBJECT

public:
    using PointerMover = OkPointer::Mover;

    TfmResDlg(int language, int resKind, PointerMover movePointer, QWidget* parent = nullptr);

    int ChosenKind() const;  // kDcrOutput when the .dcr choice is marked, else kResOutput
    QRadioButton* rbRes() const { return rbRes_; }
    QRadioButton* rbDcr() const { return rbDcr_; }
    QPushButton* okButton() const { return ok_; }

protected:
    void showEvent(QShowEvent* event) override;  // Escape closes it as Cancel does

private:
    QRadioButton* rbRes_;
    QRadioButton* rbDcr_;
    QPushButton* ok_;
    OkPointer pointer_;
};

}  // namespace restallow
