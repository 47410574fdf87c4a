// The compiler's path from the machine store, and its parameter text.
#include "build/CompilerDriver.h"

#include <QSettings>

#include "files/FileFields.h"

namespace restallow {

QString FindResourceCompiler(const QString& previous, const QString& bundled) {
    QSettings machine(QSettings::NativeFormat, QSettings::SystemScope, QStringLiteral("Borland"),
                      QStringLiteral("Delphi"));
    for (const QString& version : {QStringLiteral("3.0"), QStringLiteral("2.0")}) {
        if (machine.childGroups().contains(version)) {
            return machine.value(version + QStringLiteral("/RootDir")).toString() + QStringLiteral("/Bin/brcc32");
        }
    }
    return previous.isEmpty() ? bundled : previous;
}

QString CompileParameters(bool sixteenBit, const QString& input, const QString& output, const CompilerSearch& search) {
    QString options = sixteenBit ? QStringLiteral("-31 ") : QString();
    const auto option = [&](const QString& name, const QString& value) {
        options +=
            search.bundled ? name + u' ' + AsOneArgument(value) + u' ' : AsOneArgument(name.toLower() + value) + u' ';
    };
    QStringList folders = search.includeDirs;
    if (!search.scriptFolder.isEmpty() && !search.includeDirs.isEmpty()) folders.prepend(search.scriptFolder);
    for (const QString& folder : folders) option(QStringLiteral("-i"), folder);
    for (const QString& define : search.defines) option(QStringLiteral("-D"), define);
    return options + AsOneArgument(input) + QStringLiteral(" -fo ") + AsOneArgument(output);
}

}  // namespace restallow
