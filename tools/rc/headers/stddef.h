/* A C run-time header: it declares nothing a resource script uses. */
#ifndef RESTALLOW_STDDEF_H
#define RESTALLOW_STDDEF_H


#endif
