// The font viewer's sample: the face name written in the font, navy on the button face.
#pragma once

#include <QPixmap>
#include <QString>
#include <QStringList>
#include <string>

#include "fileaccess/Result.h"

namespace restallow {

struct FontSample {
    QString face;  // at most 32 characters
    QPixmap picture;
};

// A font not installed at start is installed for the moment of drawing and removed again.
// Gives the sample, or what is wrong with the font.
fileaccess::Result<FontSample> DrawFontSample(const QString& path, const std::string& fileBytes,
                                              const QStringList& installed, int language);

}  // namespace restallow
