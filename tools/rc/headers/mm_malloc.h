/* A header of the C compiler that the MinGW-w64 malloc.h includes: nothing a resource script uses. */
#ifndef RESTALLOW_MM_MALLOC_H
#define RESTALLOW_MM_MALLOC_H


#endif
