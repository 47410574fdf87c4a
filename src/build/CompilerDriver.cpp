// The compiler's path from the machine store, and its parameter text.
#include "build/CompilerDriver.h"

#include <QSettings>

#include "files/FileFields.h"

namespace restallow {

QString FindResourceCompiler(const QString& previous, const QString& bundled) {
    QSettings machine(QSettings::NativeFormat, QSettings::SystemScope, QStringLiteral("Borland"), QStringLiteral("Delphi"));
    for (const QString& version : {QStringLiteral("3.0"), QStringLiteral("2.0")}) {
        if (machine.childGroups().contains(version)) {
            return machine.value(version + QStringLiteral("/RootDir")).toString() + QStringLiteral("/Bin/brcc32");
        }
    }
    return previous.isEmpty() ? bundled : previous;
}

QString CompileParameters(bool sixteenBit, const QString& input, const QString& output) {
    return (sixteenBit ? QStringLiteral("-31 ") : QString()) + AsOneArgument(input) + QStringLiteral(" -fo ") +
           AsOneArgument(output);
}

}  // namespace restallow
