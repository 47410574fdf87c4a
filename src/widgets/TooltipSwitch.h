// The application's tooltip switch: while it is off, no widget of the program shows a tooltip.
#pragma once

#include <QObject>

namespace restallow {

class TooltipSwitch : public QObject {
    Q_OBJECT

public:
    // Watches every object of the application from construction to destruction.
    explicit TooltipSwitch(QObject* parent = nullptr);
    ~TooltipSwitch() override;

    void setOn(bool on);
    bool isOn() const { return on_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool on_ = true;
};

}  // namespace restallow
