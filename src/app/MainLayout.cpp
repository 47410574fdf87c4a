// Building and placing the main window's widgets.
#include "app/MainLayout.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QToolButton>
#include <array>
#include <optional>
#include <tuple>

#include "languages/MainStrings.h"
#include "shell/AppSettings.h"
#include "widgets/CaptionStrip.h"
#include "widgets/CaptionedProgressBar.h"
#include "widgets/FileEdit.h"
#include "widgets/Hint.h"
#include "widgets/LabelArea.h"
#include "widgets/MegaPanel.h"
#include "widgets/ReportListView.h"
#include "widgets/RoundButton.h"
#include "widgets/UiText.h"

// The pictures live in a resource file of a static library, which must be registered by hand.
static void InitPictures() { Q_INIT_RESOURCE(restallow); }

namespace restallow {
namespace {

constexpr int kCaptionHeight = 20;
constexpr int kOuterBorder = 5;
constexpr int kRightWidth = 136;
constexpr int kTopHeight = 81;
constexpr int kLowerBorder = 8;
constexpr int kBevelHeight = 138;
constexpr int kSpacer = 23;
constexpr int kStripHeight = 18;
constexpr int kMemoWidth = 183;

const QColor kGradientTop(0xB8, 0x71, 0xFF), kGradientBottom(0xE8, 0xD0, 0xFF);
const QColor kReadmeFace(0x6B, 0xE8, 0xF5), kCloseFace(0xFF, 0x80, 0x80);
const QColor kGradientDisabledLabel(0x70, 0x50, 0x8F), kMarbleDisabledLabel(0x60, 0x60, 0x60);

RoundButton* Button(MegaPanel* column, int x, int y, const char* name) {
    auto* button = new RoundButton(column);
    button->setObjectName(QString::fromLatin1(name));
    button->move(x, y);
    return button;
}

void BuildRightColumn(MainLayout& l) {
    auto* group1 = new QFrame(l.right);
    group1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    group1->setGeometry(4, 0, 128, 120);
    auto* group2 = new QFrame(l.right);
    group2->setFrameStyle(QFrame::Box | QFrame::Sunken);
    group2->setGeometry(4, 123, 128, 133);
    l.readme = Button(l.right, 15, 7, "BtnReadme");
    const std::array<std::tuple<ToolTag, int, const char*>, 8> places = {{{TagExpand, 45, "BtnExpand"},
                                                                          {TagMinimize, 83, "BtnExeMin"},
                                                                          {TagCompile, 129, "BtnCompile"},
                                                                          {TagAdd, 260, "BtnAdd"},
                                                                          {TagDelete, 295, "BtnDelete"},
                                                                          {TagClear, 330, "BtnClear"},
                                                                          {TagScript, 365, "BtnScript"},
                                                                          {TagClose, 402, "BtnClose"}}};
    for (const auto& [tag, y, name] : places) {
        l.tools.at(tag - 1) = Button(l.right, 15, y, name);
        l.Tool(tag)->setProperty("tag", static_cast<int>(tag));
    }
    l.readme->setFaceColor(kReadmeFace);
    l.Tool(TagClose)->setFaceColor(kCloseFace);

    l.version = new QGroupBox(l.right);
    l.version->setGeometry(25, 162, 86, 56);
    l.version16 = new QRadioButton(QStringLiteral("16 Bit"), l.version);
    l.version16->setGeometry(8, 16, 74, 18);
    l.version32 = new QRadioButton(QStringLiteral("32 Bit"), l.version);
    l.version32->setGeometry(8, 34, 74, 18);
    l.version32->setChecked(true);
    l.preview = new QCheckBox(l.right);
    l.preview->setObjectName(QStringLiteral("cbPreview"));
    l.preview->setGeometry(23, 235, 13, 13);

    const std::array<std::pair<AreaTag, int>, 10> tops = {{{AreaReadme, 10},
                                                           {AreaExpand, 48},
                                                           {AreaMinimize, 86},
                                                           {AreaCompile, 132},
                                                           {AreaPreview, 230},
                                                           {AreaAdd, 263},
                                                           {AreaDelete, 298},
                                                           {AreaClear, 333},
                                                           {AreaScript, 368},
                                                           {AreaClose, 405}}};
    for (const auto& [tag, y] : tops) {
        auto* area = new LabelArea(l.right);
        l.areas.at(tag - 1) = area;
        const bool previewArea = tag == AreaPreview;  // beside its check box, the others beside their buttons
        area->setGeometry(previewArea ? 35 : 48, y, previewArea ? 96 : 80, 26);
    }
}

void BuildLeftArea(MainLayout& l) {
    l.filename1 = new FileEdit(l.top);
    l.filename1->setObjectName(QStringLiteral("Filename1"));
    l.filename1->setGeometry(110, 12, 272, 22);
    l.filename2 = new FileEdit(l.top);
    l.filename2->setObjectName(QStringLiteral("Filename2"));
    l.filename2->setGeometry(110, 52, 272, 22);
    l.filename1->hide();
    l.filename2->hide();
    l.marble = new QLabel(l.top);  // its texture is read when the marbled look is first chosen
    l.marble->setGeometry(0, 0, 26, 26);
    l.marble->hide();

    // The information boxes stand on the lower panel, inside the frame it paints; the panel draws
    // their labels above them.
    for (QPlainTextEdit** memo : {&l.memo1, &l.memo2}) {
        *memo = new QPlainTextEdit(l.lower);
        (*memo)->setReadOnly(true);
        // A line wider than the box (a long path, a French time line) wraps, as a memo's text does,
        // rather than running past the edge.
        (*memo)->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        (*memo)->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    }
    l.memo1->setObjectName(QStringLiteral("Memo1"));
    l.memo2->setObjectName(QStringLiteral("Memo2"));
    l.memo1->setGeometry(8, 20, kMemoWidth, 116);
    l.memo2->setGeometry(199, 20, kMemoWidth, 116);

    l.listPanel = new MegaPanel(l.lower);
    l.script = new ReportListView(l.listPanel);
    l.strip = new MegaPanel(l.listPanel);
    l.progress = new CaptionedProgressBar(l.strip);
    l.progress->hide();
}

}  // namespace

void MainLayout::EnableTool(int tag, bool enabled) const {
    Tool(tag)->setEnabled(enabled);
    Area(AreaOfTool(tag))->setEnabled(enabled);
}

FileWidgets MainLayout::FilePanelWidgets() const {
    return {{*this}, right, [this](int tag, bool enabled) { EnableTool(tag, enabled); }};
}

MainLayout BuildMainLayout(QWidget* central) {
    InitPictures();
    MainLayout l;
    l.caption = new CaptionStrip(central);
    l.outer = new MegaPanel(central);
    l.right = new MegaPanel(l.outer);
    l.right->setLabelSide(MegaPanel::LabelSide::Right, 72);
    l.top = new MegaPanel(l.outer);
    l.top->setLabelSide(MegaPanel::LabelSide::Left, 91);
    l.lower = new MegaPanel(l.outer);
    l.lower->setLabelSide(MegaPanel::LabelSide::Above, kMemoWidth);
    BuildRightColumn(l);
    BuildLeftArea(l);
    for (LabelArea* area : l.areas) area->raise();
    return l;
}

void ResizeMainLayout(MainLayout& l, int width, int height) {
    l.caption->setGeometry(0, 0, width, kCaptionHeight);
    l.outer->setGeometry(0, kCaptionHeight, width, height - kCaptionHeight);
    const int innerWidth = width - 2 * kOuterBorder, innerHeight = height - kCaptionHeight - 2 * kOuterBorder;
    const int leftWidth = std::max(0, innerWidth - kRightWidth);
    l.right->setGeometry(kOuterBorder + leftWidth, kOuterBorder, kRightWidth, innerHeight);
    l.top->setGeometry(kOuterBorder, kOuterBorder, leftWidth, kTopHeight);
    l.lower->setGeometry(kOuterBorder, kOuterBorder + kTopHeight, leftWidth, std::max(0, innerHeight - kTopHeight));

    const int frameWidth = std::max(0, leftWidth - 2 * kLowerBorder);
    l.lower->setFrame(QRect(kLowerBorder, kLowerBorder, frameWidth, kBevelHeight));
    const int listTop = kLowerBorder + kBevelHeight + kSpacer;
    l.listPanel->setGeometry(kLowerBorder, listTop, frameWidth,
                             std::max(0, l.lower->height() - listTop - kLowerBorder));
    l.script->setGeometry(0, 0, frameWidth, std::max(0, l.listPanel->height() - kStripHeight));
    l.strip->setGeometry(0, l.listPanel->height() - kStripHeight, frameWidth, kStripHeight);
    l.progress->setGeometry(0, 0, frameWidth, kStripHeight);

    // Both information boxes share the frame's width; the file fields end where the right box ends.
    const int memoWidth = std::max(0, (frameWidth - 8) / 2);
    l.memo1->resize(memoWidth, l.memo1->height());
    l.memo2->setGeometry(l.memo1->x() + memoWidth + 8, l.memo2->y(), memoWidth, l.memo2->height());
    const int right = l.memo2->mapTo(l.outer, QPoint(l.memo2->width(), 0)).x();
    for (FileEdit* field : {l.filename1, l.filename2}) {
        const int left = field->mapTo(l.outer, QPoint(0, 0)).x();
        field->resize(std::max(0, right - left), field->height());
    }

    // Close sits at the bottom of the column, but at least 35 pixels below Script.
    RoundButton* close = l.Tool(TagClose);
    close->move(close->x(), std::max(l.right->height() - 37, l.Tool(TagScript)->y() + 35));
    l.Area(AreaClose)->move(l.Area(AreaClose)->x(), close->y() + 3);

    l.script->hide();
    const int fixedColumns = l.script->columnWidth(0) + l.script->columnWidth(1) + l.script->columnWidth(2);
    l.script->setColumnWidth(3, std::max(0, l.script->width() - fixedColumns - 10));
    l.script->show();
}

void ApplyMainTexts(MainLayout& l, int language) {
    const auto text = [language](int index) { return UiText(language, index); };
    MegaPanel::SetHint(l.filename1, text(UiInputFileHint));
    MegaPanel::SetHint(l.filename2, text(UiOutputFileHint));
    MegaPanel::SetHint(l.memo1, text(UiInputInfoHint));
    MegaPanel::SetHint(l.memo2, text(UiOutputInfoHint));
    MegaPanel::SetHint(l.listPanel, text(UiResourceListHint));
    const std::array<std::pair<ToolTag, QString>, 8> hints = {{
        {TagExpand, text(UiExpandHint1) + u'\r' + text(UiExpandHint2)},
        {TagMinimize, text(UiMinimizeHint1) + u'\r' + text(UiMinimizeHint2)},
        {TagCompile, text(UiCompileHint)},
        {TagAdd, text(UiAddHint)},
        {TagDelete, text(UiDeleteHint)},
        {TagClear, text(UiClearHint)},
        {TagScript, text(UiScriptHint)},
        {TagClose, text(UiCloseHint)},
    }};
    for (const auto& [tag, hint] : hints) {
        MegaPanel::SetHint(l.Tool(tag), hint);
        // The label area over a button's label shows the button's tooltip too.
        l.Area(AreaOfTool(tag))->setToolTip(HintTooltip(hint));
    }
    l.version->setTitle(text(UiFileVersion));
    l.progress->setCaption(text(UiLoaded));
    MegaPanel::SetHint(l.preview, text(UiPreviewHint));
    l.caption->optionsButton()->setToolTip(text(UiOptions));
    MegaPanel::SetHint(l.readme, u'|' + text(UiReadme) + u'|');
    for (FileEdit* field : {l.filename1, l.filename2}) field->browseButton()->setToolTip(text(UiBrowseTitle));
}

namespace {

// The colours and pictures of one background look.
struct Look {
    QColor highlight, shadow, right, frame, border, face;
    bool gradient, marble, shaded;
    QColor disabledLabel;  // invalid: the system's; the purple and marble faces need a darker one
};

// The look of `outfit` on a screen of that depth; none for an outfit that keeps the panels as
// they are.
std::optional<Look> LookOf(int outfit, int screenDepth, const QPalette& system) {
    const QColor btnFace = system.color(QPalette::Button), highlight = system.color(QPalette::Light),
                 shadow = system.color(QPalette::Dark);
    const QColor grey(0x80, 0x80, 0x80), silver(0xC0, 0xC0, 0xC0), purple(0xC2, 0x86, 0xFF);
    if (screenDepth <= 8) return Look{highlight, shadow, btnFace, btnFace, shadow, grey, false, false, false, QColor()};
    if (outfit == OutfitGradient)
        return Look{QColor(0xF1, 0xE3, 0xFF),
                    QColor(0x80, 0x58, 0xA8),
                    QColor(0xE9, 0xD2, 0xFF),
                    purple,
                    purple,
                    purple,
                    true,
                    false,
                    true,
                    kGradientDisabledLabel};
    if (outfit == OutfitMarbled)
        return Look{Qt::white, grey, silver, silver, grey, grey, false, true, true, kMarbleDisabledLabel};
    if (outfit == OutfitBtnFace)
        return Look{highlight, shadow, btnFace, btnFace, shadow, grey, false, false, true, QColor()};
    return std::nullopt;
}

}  // namespace

void ApplyBackground(MainLayout& l, int outfit, int screenDepth) {
    const std::array<MegaPanel*, 5> pictured = {l.outer, l.right, l.top, l.lower, l.strip};
    const QColor btnFace = l.outer->palette().color(QPalette::Button);
    const std::optional<Look> chosen = LookOf(outfit, screenDepth, l.outer->palette());
    if (screenDepth <= 8) l.progress->setBarColor(QColor(0xFF, 0, 0));
    if (!chosen) {
        l.readme->setFaceColor(kReadmeFace);
        l.Tool(TagClose)->setFaceColor(kCloseFace);
        return;
    }
    const Look& look = *chosen;
    l.outer->setBevel(look.highlight, look.shadow, kOuterBorder);
    for (MegaPanel* panel : {l.outer, l.top, l.lower, l.strip, l.listPanel}) {
        panel->setColor(btnFace);
        panel->setGradient(look.gradient ? kGradientTop : QColor(), look.gradient ? kGradientBottom : QColor());
    }
    for (MegaPanel* panel : {l.outer, l.right, l.top, l.lower, l.strip, l.listPanel})
        panel->setDisabledLabelColor(look.disabledLabel);
    l.right->setColor(look.right);
    l.right->setGradient({}, {});
    l.lower->setFrameColor(look.frame);
    if (screenDepth > 8) {
        if (look.marble && l.marble->pixmap().isNull())
            l.marble->setPixmap(QPixmap(QStringLiteral(":/restallow/marble.png")));
        const QPixmap marble = look.marble ? l.marble->pixmap() : QPixmap();
        for (MegaPanel* panel : pictured) panel->setPicture(marble);
    }
    for (RoundButton* button : l.right->findChildren<RoundButton*>()) {
        button->setBorderColor(look.border);
        button->setFaceColor(look.face);
        button->setShaded(look.shaded);
    }
    l.readme->setFaceColor(kReadmeFace);
    l.Tool(TagClose)->setFaceColor(kCloseFace);
}

}  // namespace restallow
