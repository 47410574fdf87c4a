/* Shell interfaces: nothing of them is used in resource scripts. */
#ifndef RESTALLOW_SHOBJIDL_H
#define RESTALLOW_SHOBJIDL_H

#include <windows.h>

#endif
