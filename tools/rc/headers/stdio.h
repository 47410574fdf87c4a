/* A C run-time header: it declares nothing a resource script uses. */
#ifndef RESTALLOW_STDIO_H
#define RESTALLOW_STDIO_H


#endif
