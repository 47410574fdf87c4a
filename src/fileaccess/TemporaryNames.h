// The names of the temporary files that an output gets where the file system has no unnamed
// ones: ".~restallow.TAG.PID.XXXXXX", where TAG stands for this boot of this machine (and its
// process namespace) and PID for the writing process. A process that dies without a chance to
// clean up (SIGKILL, a power cut) leaves such a file; the next output written into that folder
// removes it once its writer is known to be gone.
#pragma once

#include <string>

namespace fileaccess::temporaries {

// A new name for a temporary of this process in `folder`, with a random part.
std::string NewName(const std::string& folder);

// Removes from `folder` the temporaries of ours whose writer has ended: a regular file of this
// user, named as NewName names them, whose process is gone on this boot, or, when another boot
// or machine made it, untouched for a day. Nothing else is ever removed.
void RemoveStale(const std::string& folder) noexcept;

// The tag of this boot, machine and process namespace: eight hex digits.
std::string BootTag();

}  // namespace fileaccess::temporaries
