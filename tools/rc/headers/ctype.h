/* A C run-time header: it declares nothing a resource script uses. */
#ifndef RESTALLOW_CTYPE_H
#define RESTALLOW_CTYPE_H


#endif
