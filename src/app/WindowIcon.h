// The program's icon for its windows.
#pragma once

#include <QIcon>

namespace restallow {

// Decoded with the preview's PNG reader: Qt's own image reading first looks through its
// image-format plugins, about a millisecond of every start, and at start this icon is the only
// picture the window shows. Falls back to Qt's reading should the decoding fail.
QIcon WindowIcon();

}  // namespace restallow
