/* A C run-time header: it declares nothing a resource script uses. */
#ifndef RESTALLOW_MALLOC_H
#define RESTALLOW_MALLOC_H


#endif
