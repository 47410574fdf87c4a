// TfmTallow: the main window. It owns the Resource List and forwards each user event to a command.
#pragma once

#include <QMainWindow>
#include <array>

#include "platform/Prompter.h"
#include "resources/AddCommand.h"
#include "resources/ListHost.h"
#include "resources/ListSettings.h"
#include "resources/ResourceList.h"
#include "resources/ScriptCommands.h"

class QLineEdit;
class QPushButton;

namespace restallow {

class LabelArea;
class ReportListView;

class TfmTallow : public QMainWindow, public ListHost {
    Q_OBJECT

public:
    // Tags of the five list buttons, which share BtnAddClick.
    enum ListButtonTag { TagAdd = 4, TagDelete = 5, TagClear = 6, TagScript = 7, TagClose = 8 };

    explicit TfmTallow(Prompter& prompter, QWidget* parent = nullptr);
    ~TfmTallow() override;

    ResourceList& resourceList() { return list_; }
    ReportListView* Script() const { return script_; }
    QLineEdit* Filename1() const { return filename1_; }
    QPushButton* listButton(int tag) const { return buttons_.at(static_cast<std::size_t>(tag - TagAdd)); }
    int Queries = 0;  // 1: close without asking

    void BtnAddClick(int tag);
    void Filename1Change();

    // ListHost
    QPoint returnPoint(ReturnButton button) const override;
    void setListButtons(bool clearEnabled, bool deleteEnabled, bool scriptEnabled) override;
    void entryAppended() override;
    QString inputFileText() const override;
    void setInputFileText(const QString& text) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;  // FormCloseQuery

private:
    void BuildList();
    QWidget* BuildButtons();
    void ApplyTexts();
    void ScriptKeyUp(int key);
    void ShowError(const QString& text);
    template <typename Command>
    void RunCommand(Command command);

    ListSettings settings_;
    Prompter& prompter_;
    ResourceList list_;
    AddCommand add_;
    ScriptCommands scripts_;
    ReportListView* script_ = nullptr;
    QLineEdit* filename1_ = nullptr;
    std::array<QPushButton*, 5> buttons_{};
    std::array<LabelArea*, 5> labels_{};
};

}  // namespace restallow
