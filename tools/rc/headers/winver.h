/* Constants of VERSIONINFO resources. */
#ifndef RESTALLOW_WINVER_H
#define RESTALLOW_WINVER_H

#include <verrsrc.h>

#endif
