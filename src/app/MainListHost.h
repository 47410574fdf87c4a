// What the Resource List asks of the main window: return points, list buttons, scrolling, the input field.
#pragma once

#include "app/MainLayout.h"
#include "resources/ListHost.h"

namespace restallow {

class MainListHost : public ListHost {
public:
    // `ui` may still be empty; it is read only when the list asks.
    explicit MainListHost(const MainLayout& ui) : ui_(ui) {}

    QPoint ReturnPoint(ReturnButton button) const override;
    void SetListButtons(bool clearEnabled, bool deleteEnabled, bool scriptEnabled) override;
    void ShowRow(int row) override;
    QString InputFileText() const override;
    void SetInputFileText(const QString& text) override;

private:
    const MainLayout& ui_;
};

}  // namespace restallow
