/* A Windows header whose declarations resource scripts do not use; scripts include it anyway. */
#ifndef RESTALLOW_COMMDLG_H
#define RESTALLOW_COMMDLG_H

#endif
