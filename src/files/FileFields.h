// The rules of the input and output file fields: which file a text names, the proposed output
// name with its "16"/"32" marker, the browse filter, and which action buttons apply.
#pragma once

#include <QString>
#include <cstdint>

namespace restallow {

// The text when it names an existing file, else the text's first word without its quotes.
QString FieldFileName(const QString& text);
// From the last "." of the name part on, dot included; empty without one.
QString FileExtension(const QString& name);
// Extensions are compared without letter case: DEMO.RC is a script as demo.rc is.
bool IsExtension(const QString& ext, QStringView wanted);
// The script's name with ".res" (kind 0) or ".dcr" (kind 1) and the marker before that dot.
QString ProposeOutputName(const QString& scriptName, int resKind, bool sixteenBit);
// The output text with its marker switched to "16" or "32" (unchanged when it already has it).
QString SwitchVersionMarker(const QString& outputText, bool sixteenBit);
// The input browse dialog's filter: 1 compressed files, 2 programs, 3 scripts.
int InputFilterIndex(const QString& fileName);
// A browsed path as the field shows it: in double quotes when it holds a blank.
QString FieldTextForPath(const QString& path);
// A field text as one argument: quoted when it holds a blank and is not quoted yet.
QString AsOneArgument(const QString& text);

struct ActionStates {
    bool compile = false;  // with its label area and the version choice
    bool output = false;   // the output field
    bool minimize = false;
    bool expand = false;
};

ActionStates ComputeActionStates(const QString& ext, std::uint32_t typeCode, const QString& inputText,
                                 const QString& outputText);

}  // namespace restallow
