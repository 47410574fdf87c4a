// The bottom layer uses no other folder, and no Qt.
#include "byteformat/Reader.h"
#include "fileaccess/Result.h"
#include <QString>
