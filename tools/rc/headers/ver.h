/* The Windows 3.x name of winver.h. */
#ifndef RESTALLOW_VER_H
#define RESTALLOW_VER_H
#include <winver.h>

#endif
