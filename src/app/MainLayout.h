// The main window's widgets at their places, the resize rules and the background looks.
#pragma once

#include <QColor>
#include <array>

#include "files/FilePanel.h"
#include "widgets/ToolTags.h"

class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QRadioButton;
class QWidget;

namespace restallow {

class CaptionStrip;
class CaptionedProgressBar;
class FileEdit;
class LabelArea;
class MegaPanel;
class ReportListView;
class RoundButton;

// The file fields, version choice and information boxes come from FileFieldWidgets.
struct MainLayout : FileFieldWidgets {
    CaptionStrip* caption = nullptr;
    MegaPanel* outer = nullptr;
    MegaPanel* right = nullptr;
    MegaPanel* top = nullptr;
    MegaPanel* lower = nullptr;  // paints the bevelled frame behind the information boxes
    MegaPanel* listPanel = nullptr;
    MegaPanel* strip = nullptr;  // the progress bar's strip
    RoundButton* readme = nullptr;
    std::array<RoundButton*, 8> tools{};  // by ToolTag - 1: Expand .. Close
    QCheckBox* preview = nullptr;
    std::array<LabelArea*, 10> areas{};  // by AreaTag - 1: Readme, Expand .. Compile, Preview, Add .. Close
    ReportListView* script = nullptr;
    CaptionedProgressBar* progress = nullptr;
    QLabel* marble = nullptr;  // hidden; holds the marble texture

    RoundButton* Tool(int tag) const { return tools.at(static_cast<std::size_t>(tag - 1)); }
    LabelArea* Area(int tag) const { return areas.at(static_cast<std::size_t>(tag - 1)); }
    // A tool button and the label area over its label, enabled or disabled together.
    void EnableTool(int tag, bool enabled) const;
    // The widgets that the file fields drive.
    FileWidgets FilePanelWidgets() const;
};

// Builds the widgets into `central` (client size 538 by 472 with the caption strip).
MainLayout BuildMainLayout(QWidget* central);

// Positions that follow the window's size: panels, information boxes, file fields, the Close
// button and the File column.
void ResizeMainLayout(MainLayout& layout, int width, int height);

// The main table's texts in `language` on the widgets: hints, tooltips, titles and captions.
void ApplyMainTexts(MainLayout& layout, int language);

// The background look for `outfit` (4 Gradient, 5 Marbled, 6 BtnFace); a screen of 8 bits per
// pixel or less always gets the plain look.
void ApplyBackground(MainLayout& layout, int outfit, int screenDepth);

}  // namespace restallow
