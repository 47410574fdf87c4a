// File field rules.
#include "files/FileFields.h"

#include <QFileInfo>

#include "files/ExeType.h"
#include "platform/CommandLine.h"
#include "platform/OutputKind.h"

namespace restallow {
namespace {

// Index of the dot that starts the extension of the name part, or -1.
qsizetype ExtensionDot(const QString& text) {
    const qsizetype slash = text.lastIndexOf(u'/');
    const qsizetype dot = text.lastIndexOf(u'.');
    return dot > slash ? dot : -1;
}

QString Marker(bool sixteenBit) { return sixteenBit ? QStringLiteral("16") : QStringLiteral("32"); }

}  // namespace

QString FieldFileName(const QString& text) {
    if (text.isEmpty() || QFileInfo(text).isFile()) return text;
    const std::vector<std::string> words = SplitCommandLine(text.toStdString());
    return words.empty() ? QString() : QString::fromStdString(words.front());
}

QString FileExtension(const QString& name) {
    const qsizetype dot = ExtensionDot(name);
    return dot < 0 ? QString() : name.mid(dot);
}

bool IsExtension(const QString& ext, QStringView wanted) { return ext.compare(wanted, Qt::CaseInsensitive) == 0; }

QString ProposeOutputName(const QString& scriptName, int resKind, bool sixteenBit) {
    const qsizetype dot = ExtensionDot(scriptName);
    const QString stem = dot < 0 ? scriptName : scriptName.left(dot);
    return stem + Marker(sixteenBit) + (resKind == kDcrOutput ? QStringLiteral(".dcr") : QStringLiteral(".res"));
}

QString SwitchVersionMarker(const QString& outputText, bool sixteenBit) {
    const qsizetype dot = ExtensionDot(outputText);
    const qsizetype end = dot < 0 ? outputText.size() : dot;  // no extension: the marker ends the name
    QString stem = outputText.left(end);
    if (stem.endsWith(Marker(sixteenBit))) return outputText;
    if (stem.endsWith(Marker(!sixteenBit))) stem.chop(2);
    return stem + Marker(sixteenBit) + outputText.mid(end);
}

int InputFilterIndex(const QString& fileName) {
    const QString ext = FileExtension(fileName);
    if (ext.endsWith(u'_')) return 1;
    return IsExtension(ext, u".exe") ? 2 : 3;
}

QString FieldTextForPath(const QString& path) { return path.contains(u' ') ? u'"' + path + u'"' : path; }

QString AsOneArgument(const QString& text) {
    if (text.startsWith(u'"') && text.endsWith(u'"') && text.size() >= 2) return text;
    return QString::fromStdString(QuoteArgument(text.toStdString()));
}

ActionStates ComputeActionStates(const QString& ext, std::uint32_t typeCode, const QString& inputText,
                                 const QString& outputText) {
    const bool script = IsExtension(ext, u".rc");
    const bool program16 = Is16BitWindowsProgram(typeCode);
    ActionStates states;
    states.compile = script;
    // ".ex_" names an 8.3 compressed file; longer extensions ending in "_" (mscompress's
    // "readme.txt_") are compressed files too.
    const bool compressed = ext.indexOf(u'_') == 3 || (ext.size() > 4 && ext.endsWith(u'_'));
    states.output = script || program16 || compressed;
    states.minimize = program16 && !outputText.isEmpty();
    // A greyed-out output field names nothing to write to.
    states.expand =
        states.output && !inputText.isEmpty() && !outputText.isEmpty() && !script && !IsExtension(ext, u".exe");
    return states;
}

}  // namespace restallow
