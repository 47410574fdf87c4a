/* A C run-time header: it declares nothing a resource script uses. */
#ifndef RESTALLOW_STDLIB_H
#define RESTALLOW_STDLIB_H


#endif
