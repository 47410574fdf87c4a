// The Compile and Expand commands, with the program runners they use.
#pragma once

#include <QString>
#include <functional>

#include "build/TExecFile.h"
#include "platform/Prompter.h"
#include "shell/AppSettings.h"
#include "shell/SettingsStore.h"

namespace restallow {

class FilePanel;

class BuildTools {
public:
    BuildTools(AppSettings& settings, SettingsStore& store, Prompter& prompter, FilePanel& files,
               std::function<QPoint()> clearPoint, QString bundledCompiler, QString bundledMinimizer);

    void BtnCompileClick();
    void BtnExpandClick();
    void BtnExeMinClick();
    // At the refresh after Minimize: a minimizer still running is ended, one that failed has its
    // own words shown in the output box.
    void MinimizerCheck();
    // Sets the minimizer's command line: stored path, Delphi.ini, the bundled one, or the user's choice.
    bool FindMinimizer();
    bool FindMinimizerInIni();
    bool AskForMinimizer(const QString& directory);

    QString BundledMinimizer;  // restallow-min beside the program; empty when there is none

    TExecFile AppExeComp;  // the resource compiler, waited for
    TExecFile AppExeMin;   // the minimizer, not waited for

private:
    void ReportCompileFailure();
    bool WaitForSource(const QString& source);
    // An existing output the user did not just choose is replaced only on Yes.
    bool MayReplace(const QString& target);

    AppSettings& settings_;
    SettingsStore& store_;
    Prompter& prompter_;
    FilePanel& files_;
    std::function<QPoint()> clearPoint_;
    QString bundledCompiler_;
    QString compilerPath_;  // the compiler found last; kept when no registration is found
};

// A field text without the double quotes a browse dialog put around it.
QString Unquoted(const QString& text);

}  // namespace restallow
