// The bottom layer uses no other folder, and no Qt.
#include "byteformat/Reader.h"
#include <QString>
#include "fileaccess/Result.h"
