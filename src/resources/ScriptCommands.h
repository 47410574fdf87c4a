// Saving the Resource List as a script and loading a script back into it.
#pragma once

#include <QString>

namespace restallow {

class ResourceList;
struct LoadedScript;

class ScriptCommands {
public:
    explicit ScriptCommands(ResourceList& list) : list_(list) {}

    // The Script button: reuses the input field's .rc file (asking before overwriting) or asks
    // for a name. Throws FileError when the script cannot be written.
    void SaveScript();
    // Writes the whole list to path through a temporary file, so a failure leaves the old file.
    void WriteScript(const QString& path);
    // Loads a script the input field names: at once when nothing would be lost, else after asking.
    void LoadChosenScript(const QString& path);
    // Throws FileError when the script or a string table's text file cannot be read; a script
    // that cannot be read at all leaves the list untouched.
    void ReadScript(const QString& path);

private:
    // A script that holds exactly the list's entries (as the one just saved does) only puts
    // them into its order: no step to undo. False when the entries differ.
    bool TakeFileOrder(const LoadedScript& loaded);

    ResourceList& list_;
};

}  // namespace restallow
