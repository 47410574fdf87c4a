// Expands an SZDD-compressed file (the format of installation disks) or copies any other file,
// through a temporary file beside the target, so a failure leaves any existing target intact.
#pragma once

#include <string>

namespace restallow {

// The three points where expanding can fail, each with its own message.
enum class ExpandResult { Ok, SourceFailed, OutputFailed, WriteFailed };

ExpandResult ExpandFile(const std::string& source, const std::string& target);

// The fixed texts and captions of the three failures.
const char* ExpandMessage(ExpandResult result);
const char* ExpandCaption(ExpandResult result);

}  // namespace restallow
