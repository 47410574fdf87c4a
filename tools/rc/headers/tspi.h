/* Telephony service providers: resource scripts use only the Windows constants. */
#ifndef RESTALLOW_TSPI_H
#define RESTALLOW_TSPI_H

#include <windows.h>

#endif
