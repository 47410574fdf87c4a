// TfmTallow: the main window. It owns the Resource List, the settings and the widgets, and
// forwards each user event to a command.
#pragma once

#include <QMainWindow>
#include <QStringList>

class QLineEdit;

#include <memory>

#include "app/MainLayout.h"
#include "app/MainListHost.h"
#include "build/BuildTools.h"
#include "files/FilePanel.h"
#include "platform/Prompter.h"
#include "preview/PreviewWindow.h"
#include "resources/AddCommand.h"
#include "resources/ListHost.h"
#include "resources/ResourceList.h"
#include "resources/ScriptCommands.h"
#include "shell/AppSettings.h"
#include "shell/QtTranslations.h"
#include "shell/SettingsStore.h"
#include "widgets/TooltipSwitch.h"

namespace restallow {

class TfmTallow : public QMainWindow {
    Q_OBJECT

public:
    explicit TfmTallow(Prompter& prompter, QWidget* parent = nullptr);
    ~TfmTallow() override;

    ResourceList& List() { return list_; }
    AppSettings& Settings() { return settings_; }
    const MainLayout& Layout() const { return ui_; }
    ReportListView* Script() const { return ui_.script; }
    QLineEdit* Filename1() const;
    RoundButton* ListButton(int tag) const { return ui_.Tool(tag); }
    const QStringList& FontList() const { return fonts_; }
    bool ComicFont() const { return comicFont_; }

    void BtnAddClick(int tag);
    void BtnReadmeClick();
    void OpenOptions();
    bool Uninstalled() const { return uninstalled_; }
    FilePanel& Files() { return *files_; }
    BuildTools& Tools() { return *tools_; }
    PreviewWindow& Preview() { return *preview_; }
    void ApplyLanguage(int language);
    void ApplyBackground(int outfit);
    // Switches tooltips on (Hints 0) or off (any other value).
    void ApplyHints();
    // The first showing places the window where it was stored (or centred).
    void setVisible(bool visible) override;

    QPoint ReturnPoint(ReturnButton button) const { return host_.ReturnPoint(button); }
    // Runs the input field's change handling, which loads a script it names.
    void SetInputFileText(const QString& text) { host_.SetInputFileText(text); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;  // FormCloseQuery
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    friend class OptionsCommand;  // applies the options to the window's parts

    void StartUp();
    void ConnectEvents();
    void ConnectHistory();
    void ApplyMainTable(int language);
    void LabelAreaReleased(int tag);
    void ScriptKeyUp(int key);
    void ShowError(const QString& text);
    void SaveOnClose();
    bool MayWriteSettings();
    void cbPreviewClick(bool checked);
    static QString BundledTool(const QString& name);
    int ScreenDepth() const;
    template <typename Command>
    void RunCommand(Command command);

    AppSettings settings_;
    AppSettings startSettings_;  // as read at start, to tell whether the user changed any
    SettingsStore store_;
    Prompter& prompter_;
    MainListHost host_;
    ResourceList list_;
    AddCommand add_;
    ScriptCommands scripts_;
    MainLayout ui_;
    std::unique_ptr<FilePanel> files_;
    std::unique_ptr<BuildTools> tools_;
    std::unique_ptr<PreviewWindow> preview_;
    QStringList fonts_;
    bool comicFont_ = false;
    TooltipSwitch tooltips_;
    QtTranslations qtTexts_;
    bool placed_ = false;
    bool shown_ = false;
    bool settingsWritten_ = false;
    bool uninstalled_ = false;
};

}  // namespace restallow
