/* A C run-time header: it declares nothing a resource script uses. */
#ifndef RESTALLOW_MEMORY_H
#define RESTALLOW_MEMORY_H


#endif
