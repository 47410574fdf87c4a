/* Custom controls of the dialog editor: the sizes and the flag scripts use. */
#ifndef RESTALLOW_CUSTCNTL_H
#define RESTALLOW_CUSTCNTL_H

#define CCHCCCLASS 32
#define CCHCCDESC 32
#define CCHCCTEXT 256
#define CCF_NOTEXT 0x00000001

#endif
