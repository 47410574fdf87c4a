// A folder whose row names no bottom layer still uses it.
#include "byteformat/Reader.h"
