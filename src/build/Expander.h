// Expands an SZDD-compressed file (the format of installation disks) or copies any other file,
// through a temporary file beside the target, so a failure leaves any existing target intact.
#pragma once

#include <string>

#include "fileaccess/Result.h"

namespace restallow {

// Expanding fails at one of three points, told by the error's kind, each with its fixed message:
// the source cannot be read (Read), the output cannot be made (Open), writing it fails (Write).
fileaccess::Status ExpandFile(const std::string& source, const std::string& target);

// The failure at that point, with its fixed message; `code` is the errno value when one applies.
fileaccess::Error ExpandError(fileaccess::ErrorKind step, int code = 0);
// The caption of the message box that shows a failure.
const char* ExpandCaption(const fileaccess::Error& error);

}  // namespace restallow
