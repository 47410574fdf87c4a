// The program the desktop associates with a document (its default application's executable).
#pragma once

#include <QString>

namespace restallow::platform {

// Empty when the desktop names no application for the document's type.
QString AssociatedProgram(const QString& document);

}  // namespace restallow::platform
