// Finds and loads the media module on first need: beside the program, else where the build put it.
#pragma once

#include <QLibrary>
#include <QString>
#include <QStringList>

#include "preview/media/MediaModule.h"

namespace restallow {

class MediaLibrary {
public:
    // Where to look, in order; empty: beside the program, then the build tree.
    explicit MediaLibrary(QStringList candidates = {});
    MediaLibrary(const MediaLibrary&) = delete;

    // The module's table, or null with error() saying why (once found, it stays loaded).
    const media::Module* module();
    const QString& error() const { return error_; }

    static QStringList DefaultCandidates();

private:
    QStringList candidates_;
    QLibrary library_;
    const media::Module* module_ = nullptr;
    QString error_;
};

}  // namespace restallow
