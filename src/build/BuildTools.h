// The Compile and Expand commands, with the program runners they use.
#pragma once

#include <QString>
#include <functional>

#include "build/ExecFile.h"
#include "platform/Prompter.h"
#include "shell/AppSettings.h"

namespace restallow {

class FilePanel;
struct MainLayout;

class BuildTools {
public:
    BuildTools(AppSettings& settings, Prompter& prompter, FilePanel& files, MainLayout& ui,
               std::function<QPoint()> clearPoint, QString bundledCompiler);

    void BtnCompileClick();
    void BtnExpandClick();

    TExecFile AppExeComp;  // the resource compiler, waited for
    TExecFile AppExeMin;   // the minimizer, not waited for

private:
    void ReportCompileFailure();
    bool WaitForSource(const QString& source);

    AppSettings& settings_;
    Prompter& prompter_;
    FilePanel& files_;
    MainLayout& ui_;
    std::function<QPoint()> clearPoint_;
    QString bundledCompiler_;
    QString compilerPath_;  // the compiler found last; kept when no registration is found
};

// A field text without the double quotes a browse dialog put around it.
QString Unquoted(const QString& text);

}  // namespace restallow
