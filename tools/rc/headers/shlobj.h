/* The shell header: resource scripts use only what the headers it includes define. */
#ifndef RESTALLOW_SHLOBJ_H
#define RESTALLOW_SHLOBJ_H

#include <windows.h>
#include <commctrl.h>
#include <shobjidl.h>

#endif
