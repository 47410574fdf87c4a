/* A C run-time header: it declares nothing a resource script uses. */
#ifndef RESTALLOW_WCHAR_H
#define RESTALLOW_WCHAR_H


#endif
