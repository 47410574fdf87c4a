// The main window: layout of the Resource List with its buttons, and the event handlers.
#include "app/TfmTallow.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTreeView>
#include <QVBoxLayout>

#include "resources/TextLines.h"
#include "shell/Hint.h"
#include "shell/MainStrings.h"
#include "widgets/LabelArea.h"
#include "widgets/ReportListView.h"

namespace restallow {
namespace {

constexpr int kListScrollStep = 35;
const std::array<int, 5> kButtonHints = {UiAddHint, UiDeleteHint, UiClearHint, UiScriptHint, UiCloseHint};

}  // namespace

TfmTallow::TfmTallow(Prompter& prompter, QWidget* parent)
    : QMainWindow(parent), prompter_(prompter), list_(settings_, prompter, *this), add_(list_), scripts_(list_) {
    setWindowTitle(QStringLiteral("Orvel  Resource Tallowin+ v1.0"));
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    auto* inputRow = new QHBoxLayout;
    filename1_ = new QLineEdit(central);
    filename1_->setObjectName(QStringLiteral("Filename1"));
    inputRow->addWidget(new QLabel(HintLabel(QString::fromUtf8(MainStrings(settings_.Language)[UiInputFileHint])), central));
    inputRow->addWidget(filename1_);
    layout->addLayout(inputRow);
    auto* listRow = new QHBoxLayout;
    BuildList();
    listRow->addWidget(script_, 1);
    listRow->addWidget(BuildButtons());
    layout->addLayout(listRow, 1);
    setCentralWidget(central);
    resize(640, 420);

    connect(filename1_, &QLineEdit::editingFinished, this, &TfmTallow::Filename1Change);
    ApplyTexts();
    list_.ResetKindCounters();
}

TfmTallow::~TfmTallow() {
    // The widgets go first: they refer to the list, and a field losing the focus must not load.
    filename1_->disconnect(this);
    delete takeCentralWidget();
}

void TfmTallow::BuildList() {
    script_ = new ReportListView(this);
    script_->setObjectName(QStringLiteral("Script"));
    script_->setModel(&list_.model());
    script_->setSelectionModel(&list_.selection());
    script_->setRootIsDecorated(false);
    script_->setUniformRowHeights(true);
    script_->setItemsExpandable(false);
    script_->setAllColumnsShowFocus(true);
    script_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    script_->setSelectionBehavior(QAbstractItemView::SelectRows);
    script_->setEditTriggers(QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed);
    script_->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    script_->setMouseTracking(true);
    script_->header()->setSectionsClickable(true);
    script_->header()->setStretchLastSection(true);
    const std::array<int, 3> widths = {80, 95, 60};
    for (int column = 0; column < 3; ++column) script_->setColumnWidth(column, widths[column]);
    script_->installEventFilter(this);
    script_->viewport()->installEventFilter(this);
    connect(script_->header(), &QHeaderView::sectionClicked, this, [this](int column) { list_.ColumnClick(column); });
}

QWidget* TfmTallow::BuildButtons() {
    auto* panel = new QWidget(this);
    auto* grid = new QGridLayout(panel);
    for (int i = 0; i < 5; ++i) {
        const int tag = TagAdd + i;
        buttons_[i] = new QPushButton(panel);
        buttons_[i]->setFixedSize(32, 32);
        labels_[i] = new LabelArea(panel);
        grid->addWidget(buttons_[i], i, 0);
        grid->addWidget(labels_[i], i, 1);
        connect(buttons_[i], &QPushButton::clicked, this, [this, tag] { BtnAddClick(tag); });
        connect(labels_[i], &LabelArea::released, this, [this, tag] { BtnAddClick(tag); });
    }
    grid->setRowStretch(5, 1);
    return panel;
}

void TfmTallow::ApplyTexts() {
    const MainTable& text = MainStrings(settings_.Language);
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        const QString hint = QString::fromUtf8(text[kButtonHints[i]]);
        buttons_[i]->setToolTip(HintTooltip(hint));
        labels_[i]->setToolTip(HintTooltip(hint));
        labels_[i]->setText(HintLabel(hint));
    }
    script_->setToolTip(HintLabel(QString::fromUtf8(text[UiResourceListHint])));
    list_.SetLanguage(settings_.Language);
}

template <typename Command>
void TfmTallow::RunCommand(Command command) {
    try {
        command();
    } catch (const FileError& error) {
        ShowError(QString::fromStdString(error.what()));
    }
}

void TfmTallow::BtnAddClick(int tag) {
    switch (tag) {
    case TagAdd: RunCommand([this] { add_.AddResourceFile(); }); break;
    case TagDelete: list_.DeleteSelected(); break;
    case TagClear: list_.ClearList(); break;
    case TagScript: RunCommand([this] { scripts_.SaveScript(); }); break;
    case TagClose: close(); break;
    default: break;
    }
}

void TfmTallow::Filename1Change() {
    QString path = filename1_->text().trimmed();
    if (path.size() >= 2 && path.startsWith(u'"') && path.endsWith(u'"')) path = path.mid(1, path.size() - 2);
    if (ExtensionOf(path.toStdString()) != ".rc" || !QFileInfo(path).isFile()) return;
    RunCommand([this, &path] { scripts_.LoadChosenScript(path); });
}

void TfmTallow::ScriptKeyUp(int key) {
    switch (key) {
    case Qt::Key_Insert: BtnAddClick(TagAdd); break;
    case Qt::Key_Delete: list_.DeleteSelected(); break;
    case Qt::Key_Space:
    case Qt::Key_Up:
    case Qt::Key_Down: list_.SelectionStep(); break;
    default: break;
    }
}

bool TfmTallow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == script_ && event->type() == QEvent::KeyRelease && !script_->isEditing()) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (!key->isAutoRepeat()) ScriptKeyUp(key->key());
    } else if (watched == script_->viewport()) {
        if (event->type() == QEvent::MouseButtonRelease) {
            auto* mouse = static_cast<QMouseEvent*>(event);
            const QModelIndex index = script_->indexAt(mouse->position().toPoint());
            if (mouse->button() == Qt::LeftButton) list_.MouseUp(index.isValid() ? index.row() : -1);
            list_.Click();
        } else if (event->type() == QEvent::MouseMove) {
            const bool overEntry = script_->indexAt(static_cast<QMouseEvent*>(event)->position().toPoint()).isValid();
            script_->viewport()->setCursor(overEntry ? Qt::PointingHandCursor : Qt::ArrowCursor);
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TfmTallow::closeEvent(QCloseEvent* event) {
    if (Queries != 1 && !list_.ListSaved()) {
        const MainTable& text = MainStrings(settings_.Language);
        const MsgButton answer = prompter_.message(
            {QString::fromUtf8(text[UiCloseQuestion1]) + u'\r' + QString::fromUtf8(text[UiCloseQuestion2]),
             QString::fromUtf8(text[UiConfirmation]), MsgButtons::YesNo, MsgIcon::Question, MsgButton::No});
        if (answer != MsgButton::Yes) {
            event->ignore();
            return;
        }
    }
    event->accept();
}

void TfmTallow::ShowError(const QString& text) {
    prompter_.message({text, QStringLiteral("Resource Tallowin+"), MsgButtons::Ok, MsgIcon::Error, MsgButton::Ok});
}

QPoint TfmTallow::returnPoint(ReturnButton button) const {
    // The Compile button joins the window with the build tools; until then Script is next in line.
    const QPushButton* target = button == ReturnButton::Add ? listButton(TagAdd)
                                : button == ReturnButton::Clear ? listButton(TagClear)
                                                                : listButton(TagScript);
    return target->mapToGlobal(QPoint(16, 16));
}

void TfmTallow::setListButtons(bool clearEnabled, bool deleteEnabled, bool scriptEnabled) {
    const std::array<std::pair<int, bool>, 3> states = {
        {{TagClear, clearEnabled}, {TagDelete, deleteEnabled}, {TagScript, scriptEnabled}}};
    for (const auto& [tag, enabled] : states) {
        listButton(tag)->setEnabled(enabled);
        labels_.at(static_cast<std::size_t>(tag - TagAdd))->setEnabled(enabled);
    }
}

void TfmTallow::entryAppended() {
    const int rowHeight = script_->sizeHintForRow(0);
    if (rowHeight <= 0) return;
    const int visibleRows = script_->viewport()->height() / rowHeight;
    if (list_.model().count() > visibleRows) {
        QScrollBar* bar = script_->verticalScrollBar();
        bar->setValue(bar->value() + kListScrollStep);
    }
}

QString TfmTallow::inputFileText() const { return filename1_->text(); }

void TfmTallow::setInputFileText(const QString& text) {
    filename1_->setText(text);
    Filename1Change();
}

}  // namespace restallow
