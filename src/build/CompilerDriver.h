// Finds the resource compiler and builds its parameters.
#pragma once

#include <QString>

namespace restallow {

// The compiler of a registered Delphi 3.0 or else 2.0 (RootDir + "/Bin/brcc32"); when neither is
// registered, the one found before, else `bundled`.
QString FindResourceCompiler(const QString& previous, const QString& bundled);

// "-31 " for 16-bit output, the script, " -fo " and the output; each name stays one argument.
QString CompileParameters(bool sixteenBit, const QString& input, const QString& output);

}  // namespace restallow
