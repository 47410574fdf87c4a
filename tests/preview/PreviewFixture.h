// The preview window of the tests: shown entries, its progress bar and the prompter double.
#pragma once

#include <gtest/gtest.h>

#include <QProgressBar>
#include <vector>

#include "preview/PreviewWindow.h"
#include "support/ScriptedPrompter.h"
#include "widgets/CaptionedProgressBar.h"

namespace restallow::test {

inline QString Fixture(const char* name) {
    return QStringLiteral(RESTALLOW_TEST_DATA "/../preview/data/") + QString::fromLatin1(name);
}
inline QString RcFixture(const char* name) {
    return QStringLiteral(RESTALLOW_TEST_DATA "/../tools/rc/data/") + QString::fromLatin1(name);
}

inline ResourceEntry Entry(const char* name, const char* type, const QString& path) {
    return {name, type, "", ResourceEntry::QuoteFile(path.toStdString())};
}

class PreviewTest : public ::testing::Test {
protected:
    PreviewTest()
        : preview(prompter,
                  {[this] { return checked; }, [this] { return selected; }, [] { return 1; }, {}, &progress, {}, {}}) {
        progress.hide();
        connect =
            QObject::connect(&progress, &QProgressBar::valueChanged, [this](int v) { progressValues.push_back(v); });
    }

    void Show(const char* name, const char* type, const QString& path) {
        const ResourceEntry entry = Entry(name, type, path);
        preview.PreviewEntry(&entry);
    }

    test::ScriptedPrompter prompter;
    CaptionedProgressBar progress;
    std::vector<int> progressValues;
    QMetaObject::Connection connect;
    bool checked = true;
    int selected = 1;
    PreviewWindow preview;
};

}  // namespace restallow::test
