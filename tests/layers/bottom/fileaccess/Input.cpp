// So does a folder that uses nothing else.
#include "byteformat/Reader.h"
