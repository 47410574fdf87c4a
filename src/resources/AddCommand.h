// The Add command: output kind for an empty list, the open dialog, the Start-ID of a text file,
// the new entry and the duplicate check.
#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

namespace restallow {

class ResourceList;

class AddCommand {
public:
    explicit AddCommand(ResourceList& list) : list_(list) {}

    // Throws FileError when the Start-ID is no integer or a text file cannot be counted.
    void AddResourceFile();
    // Files dropped on the list, added one after the other as Add adds a chosen file.
    void AddDroppedFiles(const QStringList& paths);
    // The text file's Start-ID as typed, or nothing when the dialog was cancelled. A Start-ID
    // whose table would leave the 16-bit string ids is refused with a message and asked again.
    std::optional<QString> StartIDStep(const QString& path);

private:
    // The output-kind question of an empty list; false when it was not confirmed.
    bool AskOutputKindWhenEmpty();
    // A chosen file into the list: its serial, or nothing when it did not go in.
    std::optional<std::uint64_t> AddChosenFile(const QString& path);
    void CheckDuplicates(int newRow);
    // False, after saying so, for a file whose name no script can hold.
    bool ScriptCanHold(const QString& path, int kind);
    void RefuseStartId(const QString& typed, long long lines);

    ResourceList& list_;
};

}  // namespace restallow
