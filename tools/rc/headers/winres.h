/* The header that resource editors put into scripts. */
#ifndef RESTALLOW_WINRES_H
#define RESTALLOW_WINRES_H

#include <winresrc.h>

#ifdef IDC_STATIC
#undef IDC_STATIC
#endif
#define IDC_STATIC (-1)

#endif
