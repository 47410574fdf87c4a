/* A Windows header whose declarations resource scripts do not use; scripts include it anyway. */
#ifndef RESTALLOW_SHLWAPI_H
#define RESTALLOW_SHLWAPI_H

#endif
