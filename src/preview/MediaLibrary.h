// Finds and loads the media module on first need: in the library folder next to the program's.
#pragma once

#include <QLibrary>
#include <QString>
#include <QStringList>
#include <functional>

#include "preview/media/MediaModule.h"

namespace restallow {

class MediaLibrary {
public:
    // Where to look, in order; empty: the installed place, then the build's (DefaultCandidates).
    // language: of the error text, read when the module is looked for; none: English.
    explicit MediaLibrary(QStringList candidates = {}, std::function<int()> language = {});
    MediaLibrary(const MediaLibrary&) = delete;

    // The module's table, or null with error() saying why (once found, it stays loaded).
    const media::Module* module();
    const QString& error() const { return error_; }

    static QStringList DefaultCandidates();

private:
    QStringList candidates_;
    std::function<int()> language_;
    QLibrary library_;
    const media::Module* module_ = nullptr;
    QString error_;
};

}  // namespace restallow
