// A Resource List wired to a scripted prompter, a window stand-in and a preview stand-in.
#pragma once

#include <gtest/gtest.h>

#include "resources/AddCommand.h"
#include "resources/ResourceList.h"
#include "resources/ScriptCommands.h"
#include "support/FakeHost.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

namespace restallow::test {

class ListFixture : public ::testing::Test {
protected:
    ListFixture() : list(settings, prompter, host), add(list), scripts(list) {
        list.setPreview(&preview);
        host.onInputChange = [this](const QString& path) {
            if (path.endsWith(QStringLiteral(".rc"), Qt::CaseInsensitive)) scripts.LoadChosenScript(path);
        };
    }

    // Adds a file through the Add command; the output kind is asked only for an empty list.
    void AddFile(const std::string& path, std::optional<QString> startId = std::nullopt) {
        if (list.isEmpty()) prompter.outputKindAnswers.push_back(settings.ResKind);
        prompter.openAnswers.push_back(ScriptedPrompter::Chosen(QString::fromStdString(path)));
        if (startId) prompter.startIdAnswers.push_back(startId);
        add.AddResourceFile();
    }

    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const ResourceEntry& entry : list.model().entries()) names.push_back(entry.name);
        return names;
    }

    void SelectRows(std::initializer_list<int> rows) {
        list.selection().clearSelection();
        for (int row : rows) {
            list.selection().select(list.model().index(row, 0),
                                    QItemSelectionModel::Select | QItemSelectionModel::Rows);
        }
    }

    TempDir dir;
    ListSettings settings;
    ScriptedPrompter prompter;
    FakeHost host;
    FakePreview preview;
    ResourceList list;
    AddCommand add;
    ScriptCommands scripts;
};

}  // namespace restallow::test
