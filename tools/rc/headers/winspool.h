/* A Windows header whose declarations resource scripts do not use; scripts include it anyway.
   Like MinGW-w64's, it brings prsht.h. */
#ifndef RESTALLOW_WINSPOOL_H
#define RESTALLOW_WINSPOOL_H

#include <prsht.h>

#endif
