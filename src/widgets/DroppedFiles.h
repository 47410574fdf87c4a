// The local files a drag carries, in the order they were dragged.
#pragma once

#include <QStringList>

class QMimeData;

namespace restallow {

QStringList DroppedFiles(const QMimeData* data);

}  // namespace restallow
