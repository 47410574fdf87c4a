// Compile and Expand. A compile that fails is reported with the compiler's own words; one
// that succeeds stays silent, and the output box shows the new file.
#include "build/BuildTools.h"

#include <QApplication>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <cstring>

#include "build/CompilerDriver.h"
#include "build/Expander.h"
#include "fileaccess/InputFile.h"
#include "files/FileFields.h"
#include "files/FilePanel.h"
#include "languages/MainStrings.h"
#include "platform/CommandLine.h"
#include "shell/Shortcuts.h"
#include "widgets/UiText.h"

namespace restallow {
namespace {

// The hourglass for as long as a command runs, also when it ends by an exception.
struct BusyCursor {
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
};

}  // namespace

QString Unquoted(const QString& text) {
    if (text.size() >= 2 && text.startsWith(u'"') && text.endsWith(u'"')) return text.mid(1, text.size() - 2);
    return text;
}

BuildTools::BuildTools(AppSettings& settings, SettingsStore& store, Prompter& prompter, FilePanel& files,
                       std::function<QPoint()> clearPoint, QString bundledCompiler, QString bundledMinimizer)
    : BundledMinimizer(std::move(bundledMinimizer)),
      settings_(settings),
      store_(store),
      prompter_(prompter),
      files_(files),
      clearPoint_(std::move(clearPoint)),
      bundledCompiler_(std::move(bundledCompiler)) {
    AppExeComp.Wait = true;
    AppExeComp.WindowStyle = TExecFile::wsHide;
    AppExeMin.WindowStyle = TExecFile::wsHide;
}

void BuildTools::BtnCompileClick() {
    // As Minimize does: without an output name nothing is compiled.
    if (files_.OutputText().isEmpty()) {
        const int language = settings_.list.Language;
        prompter_.message({UiText(language, UiChooseOutput), UiText(language, UiOutputCaption), MsgButtons::Ok,
                           MsgIcon::None, MsgButton::Ok});
        files_.FocusOutput();
        return;
    }
    {
        BusyCursor busy;
        compilerPath_ = FindResourceCompiler(compilerPath_, bundledCompiler_);
        AppExeComp.CommandLine = QString::fromStdString(QuoteArgument(compilerPath_.toStdString()));
        const CompilerSearch search{QFileInfo(files_.InputName()).absolutePath(), settings_.IncludeDirs,
                                    settings_.Defines, compilerPath_ == bundledCompiler_};
        AppExeComp.Parameters = CompileParameters(files_.SixteenBit(), files_.InputText(), files_.OutputText(), search);
        AppExeComp.Language = settings_.list.Language;
        AppExeComp.Execute();
        prompter_.movePointer(clearPoint_());
        files_.ShowOutputInfo();
    }
    ReportCompileFailure();
}

void BuildTools::ReportCompileFailure() {
    const int language = settings_.list.Language;
    QString text;
    if (!AppExeComp.ProcessEnded) {
        text =
            MsgText(language, MsgCompilerNotStarted) + u'\r' + AppExeComp.CommandText() + u'\r' + AppExeComp.ErrorText;
    } else if (!AppExeComp.FinishedNormally || AppExeComp.FinishedExitCode != 0) {
        QString output = AppExeComp.Output.trimmed();
        output.replace(u'\n', u'\r');
        text = output.isEmpty() ? MsgText(language, MsgCompilerFailed).arg(AppExeComp.FinishedExitCode) : output;
    }
    if (text.isEmpty()) return;
    prompter_.message({text, UiText(language, UiError), MsgButtons::Ok, MsgIcon::Error, MsgButton::Ok});
}

// The missing-source notice: Retry looks again, Cancel gives up. Something that is there but
// is no file (a folder, a FIFO) is left to the expander, which refuses it.
bool BuildTools::WaitForSource(const QString& source) {
    while (!QFileInfo::exists(source)) {
        const int language = settings_.list.Language;
        const MsgButton answer =
            prompter_.message({MsgText(language, MsgInsertDisk).arg(source), MsgText(language, MsgExpandTitle),
                               MsgButtons::RetryCancel, MsgIcon::Warning, MsgButton::Retry});
        if (answer != MsgButton::Retry) return false;
    }
    return true;
}

bool BuildTools::MayReplace(const QString& target) {
    if (files_.OutputChosen() || !QFileInfo(target).isFile()) return true;
    const int language = settings_.list.Language;
    return prompter_.message({UiText(language, UiOverwrite) + u'\r' + target, UiText(language, UiConfirmation),
                              MsgButtons::YesNo, MsgIcon::Question, MsgButton::No}) == MsgButton::Yes;
}

void BuildTools::BtnExpandClick() {
    const QString input = files_.InputText(), output = files_.OutputText();
    if (input.isEmpty() || output.isEmpty()) return;
    const QString source = Unquoted(input), target = Unquoted(output);
    files_.ClearOutputNote();
    if (!MayReplace(target)) return;
    using fileaccess::ErrorKind;
    const fileaccess::Status result =
        WaitForSource(source) ? ExpandFile(source.toStdString(), target.toStdString()) : ExpandError(ErrorKind::Read);
    const auto show = [this](const fileaccess::Error& failure) {
        prompter_.message({QString::fromStdString(failure.message), QString::fromUtf8(ExpandCaption(failure)),
                           MsgButtons::Ok, MsgIcon::None, MsgButton::Ok});
    };
    if (!result) show(result.error());
    if (!result && result.error().kind == ErrorKind::Open) show(ExpandError(ErrorKind::Write));
    if (!result) {
        const fileaccess::Error& failure = result.error();
        const QString reason =
            failure.code ? QStringLiteral(" (%1)").arg(QString::fromLocal8Bit(std::strerror(failure.code))) : QString();
        files_.NoteForOutput(MsgText(settings_.list.Language, MsgExpandFailed) +
                             QString::fromStdString(failure.message) + reason);
    }
    files_.StartRefresh(3000);
}

namespace {
constexpr const char* kStoredMinimizer = "w8lossDir";
}  // namespace

void BuildTools::BtnExeMinClick() {
    const int language = settings_.list.Language;
    if (files_.OutputText().isEmpty()) {
        prompter_.message({UiText(language, UiChooseOutput), UiText(language, UiOutputCaption), MsgButtons::Ok,
                           MsgIcon::None, MsgButton::Ok});
        files_.FocusOutput();
        return;
    }
    files_.ClearOutputNote();
    if (!MayReplace(Unquoted(files_.OutputText())) || !FindMinimizer()) return;
    BusyCursor busy;
    // Both names stay one argument each, blanks and all.
    AppExeMin.Parameters = AsOneArgument(files_.InputName()) + u' ' + AsOneArgument(files_.OutputText());
    AppExeMin.Language = settings_.list.Language;
    AppExeMin.Execute();
    AppExeMin.Tag = 1;
    files_.StartRefresh(5000);
}

void BuildTools::MinimizerCheck() {
    if (AppExeMin.Tag != 1) return;
    AppExeMin.Tag = 0;
    if (AppExeMin.Terminate()) return;  // given its time and ended now
    AppExeMin.CollectEnded();
    if (AppExeMin.FinishedNormally && AppExeMin.FinishedExitCode == 0) return;
    const QString words = AppExeMin.Output.trimmed().isEmpty()
                              ? QStringLiteral("exit code %1").arg(AppExeMin.FinishedExitCode)
                              : AppExeMin.Output.trimmed();
    files_.NoteForOutput(MsgText(settings_.list.Language, MsgMinimizeFailed) + words);
}

bool BuildTools::FindMinimizer() {
    const std::optional<QString> stored = store_.value(QString::fromLatin1(kStoredMinimizer));
    if (stored && QFileInfo(*stored).isFile()) {
        AppExeMin.CommandLine = QString::fromStdString(QuoteArgument(stored->toStdString()));
        return true;
    }
    const bool found = FindMinimizerInIni();
    if (found && !stored) store_.write(QString::fromLatin1(kStoredMinimizer), Unquoted(AppExeMin.CommandLine));
    return found;
}

bool BuildTools::FindMinimizerInIni() {
    // QSettings would wait on a FIFO: only a regular file is read as Delphi.ini.
    const QString iniPath = ProgramDataFolder() + QStringLiteral("/Delphi.ini");
    const bool readable = fileaccess::InputFile::Open(iniPath.toStdString()).ok();
    const QSettings ini(readable ? iniPath : QString(), QSettings::IniFormat);
    const QString library = ini.value(QStringLiteral("Library/ComponentLibrary")).toString().trimmed();
    const qsizetype slash = library.lastIndexOf(u'/');
    const QString directory = slash < 0 ? QString() : library.left(slash + 1);
    QStringList candidates;
    if (!directory.isEmpty()) {
        for (const char* name : {"w8loss.exe", "w8loss", "restallow-min"})
            candidates << directory + QString::fromLatin1(name);
    }
    if (!BundledMinimizer.isEmpty()) candidates << BundledMinimizer;
    for (const QString& candidate : candidates) {
        if (QFileInfo(candidate).isFile()) {
            AppExeMin.CommandLine = QString::fromStdString(QuoteArgument(candidate.toStdString()));
            return true;
        }
    }
    return AskForMinimizer(directory);
}

bool BuildTools::AskForMinimizer(const QString& directory) {
    const int language = settings_.list.Language;
    prompter_.beep(BeepKind::Information);
    const QString text = UiText(language, UiMinimizerMissing) + directory + QStringLiteral("\".\r\r") +
                         UiText(language, UiLookForMinimizer);
    if (prompter_.message({text, UiText(language, UiError), MsgButtons::YesNo, MsgIcon::Error, MsgButton::None}) !=
        MsgButton::Yes) {
        return false;
    }
    // The Add command's dialog, with a filter of its own for this one question.
    FileDialogRequest request;
    request.filter = QStringLiteral("w8loss.exe|w8loss.exe;w8loss;restallow-min");
    request.directory = settings_.list.InitialDir;
    const std::optional<FileDialogAnswer> answer = prompter_.openFile(request);
    if (!answer) return false;
    AppExeMin.CommandLine = QString::fromStdString(QuoteArgument(answer->path.toStdString()));
    return true;
}

}  // namespace restallow
