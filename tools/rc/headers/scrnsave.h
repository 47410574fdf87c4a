/* Ids of screen savers. */
#ifndef RESTALLOW_SCRNSAVE_H
#define RESTALLOW_SCRNSAVE_H

#include <windows.h>

#define IDS_DESCRIPTION 1

#define ID_APP 100

#define DLG_SCRNSAVECONFIGURE 2003

#define idsIsPassword 1000

#define idsIniFile 1001

#define idsScreenSaver 1002

#define idsPassword 1003

#define idsDifferentPW 1004

#define idsChangePW 1005

#define idsBadOldPW 1006

#define idsAppName 1007

#define idsNoHelpMemory 1008

#define idsHelpFile 1009

#define idsDefKeyword 1010

/* Window styles */
#define WS_GT 0x00030000L

#define MAXFILELEN 13

#define TITLEBARNAMELEN 40

#define APPNAMEBUFFERLEN 40

#define BUFFLEN 255

#define SCRM_VERIFYPW 0x8000

#endif
