/* A C run-time header: it declares nothing a resource script uses. */
#ifndef RESTALLOW_TCHAR_H
#define RESTALLOW_TCHAR_H


#endif
