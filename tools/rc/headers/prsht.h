/* A Windows header whose declarations resource scripts do not use; scripts include it anyway. */
#ifndef RESTALLOW_PRSHT_H
#define RESTALLOW_PRSHT_H

#endif
