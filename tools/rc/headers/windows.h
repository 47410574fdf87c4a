/* The Windows header as resource scripts see it. */
#ifndef RESTALLOW_WINDOWS_H
#define RESTALLOW_WINDOWS_H

#include <sdkddkver.h>
#include <winresrc.h>

#endif
