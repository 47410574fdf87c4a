// What the Resource List asks of the main window: return points, list buttons, scrolling, the input field.
#pragma once

#include "app/MainLayout.h"
#include "resources/ListHost.h"

namespace restallow {

class MainListHost : public ListHost {
public:
    // `ui` may still be empty; it is read only when the list asks.
    explicit MainListHost(const MainLayout& ui) : ui_(ui) {}

    QPoint returnPoint(ReturnButton button) const override;
    void setListButtons(bool clearEnabled, bool deleteEnabled, bool scriptEnabled) override;
    void showRow(int row) override;
    QString inputFileText() const override;
    void setInputFileText(const QString& text) override;

private:
    const MainLayout& ui_;
};

}  // namespace restallow
