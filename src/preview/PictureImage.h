// A decoded picture as a Qt image.
#pragma once

#include <QImage>

#include "preview/Picture.h"

namespace restallow {

QImage ToImage(const Picture& picture);  // a deep copy, ARGB32

}  // namespace restallow
