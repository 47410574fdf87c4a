/* A C run-time header: it declares nothing a resource script uses. */
#ifndef RESTALLOW_STDARG_H
#define RESTALLOW_STDARG_H


#endif
