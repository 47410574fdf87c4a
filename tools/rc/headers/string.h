/* A C run-time header: it declares nothing a resource script uses. */
#ifndef RESTALLOW_STRING_H
#define RESTALLOW_STRING_H


#endif
