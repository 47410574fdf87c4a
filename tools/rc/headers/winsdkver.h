/* The newest Windows versions this set of headers knows. */
#ifndef RESTALLOW_WINSDKVER_H
#define RESTALLOW_WINSDKVER_H

#define _WIN32_MAXVER 0x0A00
#define _WIN32_WINDOWS_MAXVER 0x0A00

/* Windows versions with service packs */
#define NTDDI_MAXVER 0x0A00

#define _WIN32_IE_MAXVER 0x0A00
#define _WIN32_WINNT_MAXVER 0x0A00

#define WINVER_MAXVER 0x0A00

#endif
