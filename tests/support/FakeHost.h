// A window stand-in for the Resource List: records button states and the input field, and
// runs the given change handler when the input field is set, as the window does.
#pragma once

#include <functional>
#include <vector>

#include "resources/ListHost.h"

namespace restallow::test {

class FakeHost : public ListHost {
public:
    bool clearEnabled = false, deleteEnabled = false, scriptEnabled = false;
    QString input;
    std::vector<QString> inputHistory;
    std::function<void(const QString&)> onInputChange;
    std::vector<int> shownRows;

    QPoint ReturnPoint(ReturnButton button) const override {
        return button == ReturnButton::Add     ? QPoint(116, 16)
               : button == ReturnButton::Clear ? QPoint(216, 16)
                                               : QPoint(316, 16);
    }
    void SetListButtons(bool clear, bool del, bool script) override {
        clearEnabled = clear;
        deleteEnabled = del;
        scriptEnabled = script;
    }
    void ShowRow(int row) override { shownRows.push_back(row); }
    QString InputFileText() const override { return input; }
    void SetInputFileText(const QString& text) override {
        input = text;
        inputHistory.push_back(text);
        if (onInputChange) onInputChange(text);
    }
};

class FakePreview : public PreviewPort {
public:
    std::vector<std::string> shown;  // names, "" for none
    int hides = 0;
    bool wanted = false;
    QString caption;

    void ShowEntry(const ResourceEntry* entry) override { shown.push_back(entry ? entry->name : std::string()); }
    void Hide() override { ++hides; }
    bool HiddenWhileWanted() const override { return wanted; }
    void RenameCaption(const QString& name) override { caption = name; }
};

}  // namespace restallow::test
