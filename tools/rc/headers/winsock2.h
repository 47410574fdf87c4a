/* A Windows header whose declarations resource scripts do not use; scripts include it anyway.
   Like MinGW-w64's, it brings windows.h. */
#ifndef RESTALLOW_WINSOCK2_H
#define RESTALLOW_WINSOCK2_H

#include <windows.h>

#endif
