/* Windows for Pen Computing: resource scripts use only the Windows constants. */
#ifndef RESTALLOW_PENWIN_H
#define RESTALLOW_PENWIN_H

#include <windows.h>

#endif
