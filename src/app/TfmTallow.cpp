// The main window: start-up in its fixed order, the event handlers, closing.
#include "app/TfmTallow.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScreen>
#include <QStandardPaths>
#include <QToolButton>
#include <QToolTip>

#include "app/CommandBoundary.h"
#include "app/OptionsCommand.h"
#include "app/WindowGeometry.h"
#include "app/WindowIcon.h"
#include "languages/MainStrings.h"
#include "resources/TextLines.h"
#include "shell/InstalledFonts.h"
#include "shell/LanguageDetect.h"
#include "shell/ReadmeTexts.h"
#include "shell/Shortcuts.h"
#include "shell/Uninstall.h"
#include "widgets/CaptionStrip.h"
#include "widgets/CaptionedProgressBar.h"
#include "widgets/FileEdit.h"
#include "widgets/Hint.h"
#include "widgets/LabelArea.h"
#include "widgets/MegaPanel.h"
#include "widgets/PathElision.h"
#include "widgets/ReportListView.h"
#include "widgets/RoundButton.h"
#include "widgets/UiText.h"
#include "widgets/WindowFont.h"

namespace restallow {
namespace {

constexpr QSize kDefaultSize(538, 472);
// The smallest window that shows every control whole: Close stays below Script (the column needs
// 462 pixels) and the File column keeps 100 pixels beside the three fixed ones.
constexpr QSize kMinimumSize(510, 462);

}  // namespace

TfmTallow::TfmTallow(Prompter& prompter, QWidget* parent)
    : QMainWindow(parent),
      store_(QStringLiteral("Params")),
      prompter_(prompter),
      host_(ui_),
      list_(settings_.list, prompter, host_),
      add_(list_),
      scripts_(list_) {
    setWindowTitle(QStringLiteral("Orvel  Resource Tallowin+ v1.0"));
    // The application's icon: the readme shown during start-up takes it as its picture.
    const QIcon icon = WindowIcon();
    QApplication::setWindowIcon(icon);
    setWindowIcon(icon);
    setFont(WindowFont());
    auto* central = new QWidget(this);
    setCentralWidget(central);
    ui_ = BuildMainLayout(central);
    files_ = std::make_unique<FilePanel>(
        ui_.FilePanelWidgets(), settings_, prompter_,
        FilePanel::Hooks{
            [this](const QString& name) { RunCommand([this, &name] { scripts_.LoadChosenScript(name); }); },
            [this] { RunCommand([this] { tools_->MinimizerCheck(); }); }});
    tools_ = std::make_unique<BuildTools>(
        settings_, store_, prompter_, *files_, [this] { return ReturnPoint(ReturnButton::Clear); },
        BundledTool(QStringLiteral("restallow-rc")), BundledTool(QStringLiteral("restallow-min")));
    resize(kDefaultSize);
    setMinimumSize(kMinimumSize);
    ConnectEvents();
    StartUp();
}

TfmTallow::~TfmTallow() {
    SaveOnClose();
    list_.setPreview(nullptr);
    preview_.reset();
    // The widgets go first: they refer to the list, and a field losing the focus must not load.
    ui_.filename1->disconnect();
    ui_.filename1->edit()->disconnect();
    ui_.filename2->disconnect();
    ui_.filename2->edit()->disconnect();
    qApp->removeEventFilter(this);
    // The list's filters go first: a view half torn down must not reach eventFilter.
    ui_.script->viewport()->removeEventFilter(this);
    ui_.script->removeEventFilter(this);
    delete takeCentralWidget();
}

void TfmTallow::StartUp() {
    CancelPendingUninstall();
    const InstalledFonts installed = ReadInstalledFonts();
    fonts_ = installed.families;
    comicFont_ = installed.comic;
    QToolTip::setFont(comicFont_ ? QFont(QStringLiteral("Comic Sans MS"), 8) : QApplication::font("QTipLabel"));
    ui_.progress->setBackground(ui_.script->palette().color(QPalette::Base));
    PreviewWindow::Context context{[this] { return ui_.preview->isChecked(); },
                                   [this] { return static_cast<int>(list_.SelectedRows().size()); },
                                   [this] { return settings_.list.Language; },
                                   [this] { ui_.script->setFocus(); },
                                   ui_.progress,
                                   fonts_,
                                   [this](const QString& line) { files_->NoteForOutput(line); }};
    preview_ = std::make_unique<PreviewWindow>(prompter_, std::move(context), this);
    preview_->move(10, 10);
    list_.setPreview(preview_.get());

    list_.setListSaved(true);
    list_.ResetKindCounters();
    for (int tag : {TagExpand, TagMinimize, TagCompile}) ui_.EnableTool(tag, false);
    ui_.version->setEnabled(false);
    ui_.filename2->setEnabled(false);

    ReadSettings(store_, settings_);
    // Not chosen yet (0), or a number that names no language: the user's own language.
    if (settings_.list.Language < kEnglish || settings_.list.Language > kGerman) {
        settings_.list.Language = DetectLanguage(WindowsLanguageId(UserLocaleName()));
    }
    ApplyLanguage(settings_.list.Language);
    startSettings_ = settings_;
    if (store_.oversized()) {
        const int language = settings_.list.Language;
        prompter_.message({MsgText(language, MsgSettingsIgnored1) + u'\r' + store_.location() + u'\r' +
                               MsgText(language, MsgSettingsIgnored2),
                           QStringLiteral("Resource Tallowin+"), MsgButtons::Ok, MsgIcon::Warning, MsgButton::Ok});
    }
    ui_.preview->setChecked(settings_.PreviewChecked);
    ApplyHints();
    if (settings_.ShowInfo == 1) {
        BtnReadmeClick();
        if (MayWriteSettings()) WriteSettings(store_, settings_);
    }
    ApplyBackground(settings_.Outfit);
}

void TfmTallow::ConnectEvents() {
    ReportListView* view = ui_.script;
    view->setModel(&list_.model());
    view->setSelectionModel(&list_.selection());
    view->SetColumnWidths({80, 95, 60, 130});
    view->setItemDelegateForColumn(ResourceListModel::FileColumn, new PathElisionDelegate(view));
    view->installEventFilter(this);
    view->viewport()->installEventFilter(this);
    connect(view->header(), &QHeaderView::sectionClicked, this,
            [this](int column) { RunCommand([this, column] { list_.ColumnClick(column); }); });
    connect(view, &ReportListView::filesDropped, this,
            [this](const QStringList& files) { RunCommand([this, &files] { add_.AddDroppedFiles(files); }); });

    for (int tag = TagExpand; tag <= TagClose; ++tag) {
        connect(ui_.Tool(tag), &QAbstractButton::clicked, this, [this, tag] { BtnAddClick(tag); });
    }
    connect(ui_.readme, &QAbstractButton::clicked, this, [this] { RunCommand([this] { BtnReadmeClick(); }); });
    connect(ui_.caption, &CaptionStrip::optionsClicked, this, [this] { RunCommand([this] { OpenOptions(); }); });
    for (int tag = AreaReadme; tag <= AreaClose; ++tag) {
        connect(ui_.Area(tag), &LabelArea::released, this,
                [this, tag] { RunCommand([this, tag] { LabelAreaReleased(tag); }); });
    }
    connect(ui_.preview, &QCheckBox::toggled, this,
            [this](bool checked) { RunCommand([this, checked] { cbPreviewClick(checked); }); });
    ConnectHistory();
}

// Ctrl+Z and Ctrl+Y (and the desktop's own Redo keys) undo and redo list steps; in a text field
// they belong to the field.
void TfmTallow::ConnectHistory() {
    const auto add = [this](QList<QKeySequence> keys, void (ResourceList::*step)()) {
        auto* action = new QAction(this);
        action->setShortcuts(keys);
        connect(action, &QAction::triggered, this, [this, step] {
            if (!qobject_cast<QLineEdit*>(QApplication::focusWidget())) RunCommand([this, step] { (list_.*step)(); });
        });
        addAction(action);
    };
    add({QKeySequence::Undo}, &ResourceList::Undo);
    add({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)}, &ResourceList::Redo);
}

QLineEdit* TfmTallow::Filename1() const { return ui_.filename1->edit(); }

void TfmTallow::ApplyLanguage(int language) {
    if (language < kEnglish || language > kGerman) return;
    settings_.list.Language = language;
    ApplyMainTable(language);
    const bool qtTexts = qtTexts_.Apply(language);  // said in the output box when missing, not in a message
    files_->SetOutputNotice(qtTexts ? QString() : MsgText(language, MsgQtTextsMissing).arg(qtTexts_.Missing()));
}

void TfmTallow::ApplyMainTable(int language) {
    ui_.filename1->hide();
    ui_.filename2->hide();
    ApplyMainTexts(ui_, language);
    if (files_) files_->StartRefresh(100);  // the information boxes follow the language
    list_.SetLanguage(language);
    ui_.filename1->show();
    ui_.filename2->show();
}

void TfmTallow::ApplyHints() {
    tooltips_.setOn(settings_.Hints == 0);
    ui_.caption->optionsButton()->setToolTip(settings_.Hints == 0 ? UiText(settings_.list.Language, UiOptions)
                                                                  : QString());
}

int TfmTallow::ScreenDepth() const {
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->depth() : 24;
}

void TfmTallow::ApplyBackground(int outfit) {
    settings_.Outfit = outfit;
    restallow::ApplyBackground(ui_, outfit, ScreenDepth());
}

template <typename Command>
void TfmTallow::RunCommand(Command command) {
    RunAtBoundary(
        command, [this](const QString& text) { ShowError(text); }, settings_.list.Language);
}

void TfmTallow::BtnAddClick(int tag) {
    RunCommand([this, tag] {
        switch (tag) {
            case TagExpand: tools_->BtnExpandClick(); break;
            case TagMinimize: tools_->BtnExeMinClick(); break;
            case TagCompile: tools_->BtnCompileClick(); break;
            case TagAdd: add_.AddResourceFile(); break;
            case TagDelete: list_.DeleteSelected(); break;
            case TagClear: list_.ClearList(); break;
            case TagScript: scripts_.SaveScript(); break;
            case TagClose: close(); break;
            default: break;
        }
    });
}

void TfmTallow::BtnReadmeClick() {
    const int language = settings_.list.Language;
    ReadmeRequest request{UiText(language, UiReadme), UiText(language, UiShowReadme), ReadmeLines(language),
                          settings_.ShowInfo != 0};
    settings_.ShowInfo = prompter_.showReadme(request) ? 1 : 0;
}

void TfmTallow::cbPreviewClick(bool checked) {
    settings_.PreviewChecked = checked;
    if (!preview_) return;  // during start-up
    const std::vector<int> selected = list_.SelectedRows();
    if (checked && selected.size() == 1) list_.HandToPreview(selected.front());
    if (!checked) preview_->hide();
    ui_.script->setFocus();
}

void TfmTallow::OpenOptions() { OptionsCommand(*this).Run(); }

void TfmTallow::LabelAreaReleased(int tag) {
    if (tag == AreaReadme) return BtnReadmeClick();
    if (tag == AreaPreview) return ui_.preview->toggle();
    BtnAddClick(ToolOfArea(tag));
}

// A tool that comes with the program: beside it, one folder up (a build tree), or on the PATH.
QString TfmTallow::BundledTool(const QString& name) {
    const QString dir = QCoreApplication::applicationDirPath();
    for (const QString& candidate : {dir + u'/' + name, dir + QStringLiteral("/../") + name}) {
        if (QFileInfo(candidate).isExecutable()) return QFileInfo(candidate).canonicalFilePath();
    }
    return QStandardPaths::findExecutable(name);
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
    ReportListView* view = ui_.script;
    if (watched == view && event->type() == QEvent::KeyRelease && !view->isEditing()) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (!key->isAutoRepeat()) RunCommand([this, key] { ScriptKeyUp(key->key()); });
    } else if (watched == view->viewport()) {
        if (event->type() == QEvent::MouseButtonRelease) {
            auto* mouse = static_cast<QMouseEvent*>(event);
            const QModelIndex index = view->indexAt(mouse->position().toPoint());
            RunCommand([this, mouse, &index] {
                if (mouse->button() == Qt::LeftButton) list_.MouseUp(index.isValid() ? index.row() : -1);
                list_.Click();
            });
        } else if (event->type() == QEvent::MouseMove) {
            const bool overEntry = view->indexAt(static_cast<QMouseEvent*>(event)->position().toPoint()).isValid();
            view->viewport()->setCursor(overEntry ? Qt::PointingHandCursor : Qt::ArrowCursor);
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TfmTallow::closeEvent(QCloseEvent* event) {
    if (!uninstalled_ && settings_.Queries != 1 && !list_.ListSaved()) {
        const int language = settings_.list.Language;
        const MsgButton answer =
            prompter_.message({UiText(language, UiCloseQuestion1) + u'\r' + UiText(language, UiCloseQuestion2),
                               UiText(language, UiConfirmation), MsgButtons::YesNo, MsgIcon::Question, MsgButton::No});
        if (answer != MsgButton::Yes) {
            event->ignore();
            return;
        }
    }
    SaveOnClose();
    event->accept();
}

// A settings file too large to read is replaced only once the user changed a setting.
bool TfmTallow::MayWriteSettings() {
    if (!store_.oversized()) return true;
    AppSettings now = settings_;
    now.list.UpDown = startSettings_.list.UpDown;  // the sort direction is not stored
    if (now == startSettings_) return false;
    store_.TakeOver();
    return true;
}

void TfmTallow::SaveOnClose() {
    if (settingsWritten_) return;
    settingsWritten_ = true;
    if (preview_) {
        settings_.PrevLeft = preview_->x();
        settings_.PrevTop = preview_->y();
    }
    if (!MayWriteSettings()) return;
    WriteSettings(store_, settings_);
    const QRect frame = normalGeometry().isValid() ? normalGeometry() : geometry();
    const QScreen* screen = this->screen();
    WritePosition(store_, {frame, isMinimized(), isVisible(), screen ? qRound(screen->logicalDotsPerInch()) : 96,
                           screen ? screen->size() : QSize()});
}

void TfmTallow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    ResizeMainLayout(ui_, centralWidget()->width(), centralWidget()->height());
}

// The stored place is applied before the window is first mapped, so that the window system
// takes it as it is (a place equal to the built-in one, such as 0, 0, included).
void TfmTallow::setVisible(bool visible) {
    if (visible && !placed_) {
        placed_ = true;
        setGeometry(InitialPlace(store_, *this, kDefaultSize));
    }
    QMainWindow::setVisible(visible);
}

void TfmTallow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (shown_) return;
    shown_ = true;
    // The settings are read once more as the window appears; the language stays the one applied.
    const int language = settings_.list.Language;
    ReadSettings(store_, settings_);
    settings_.list.Language = language;
    preview_->move(settings_.PrevLeft, settings_.PrevTop);
}

void TfmTallow::ShowError(const QString& text) {
    prompter_.message({text, QStringLiteral("Resource Tallowin+"), MsgButtons::Ok, MsgIcon::Error, MsgButton::Ok});
}

}  // namespace restallow
