/* A Windows header whose declarations resource scripts do not use; scripts include it anyway. */
#ifndef RESTALLOW_SHELLAPI_H
#define RESTALLOW_SHELLAPI_H

#endif
