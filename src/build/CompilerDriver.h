// Finds the resource compiler and builds its parameters.
#pragma once

#include <QString>
#include <QStringList>

namespace restallow {

// The compiler of a registered Delphi 3.0 or else 2.0 (RootDir + "/Bin/brcc32"); when neither is
// registered, the one found before, else `bundled`.
QString FindResourceCompiler(const QString& previous, const QString& bundled);

// Where the compiler looks for included files and resource files, and what it defines.
struct CompilerSearch {
    QString scriptFolder;     // first, before the user's folders
    QStringList includeDirs;  // the options' folders, in their order
    QStringList defines;      // NAME or NAME=VALUE
    bool bundled = true;      // restallow-rc takes "-i DIR" and "-D NAME"; brcc32 "-iDIR" and "-dNAME"
};

// "-31 " for 16-bit output, the folders and defines, the script, " -fo " and the output; each
// name stays one argument.
QString CompileParameters(bool sixteenBit, const QString& input, const QString& output,
                          const CompilerSearch& search = {});

}  // namespace restallow
