// The named temporary files being written right now, removed when a signal that the program can
// catch (SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGPIPE, SIGALRM, SIGUSR1, SIGXFSZ) ends it before they
// were renamed into place.
#pragma once

namespace fileaccess::pending {

// Notes a temporary file; returns its slot, or -1 when the path is too long or every slot is
// taken (the file is then written all the same, only not cleaned up on a signal).
int Register(const char* path) noexcept;
void Unregister(int slot) noexcept;
int Count() noexcept;  // how many are noted now

}  // namespace fileaccess::pending
