// Below the main window and using only what lies beneath it: the layer check lets it pass.
#include <QString>
#include "fileaccess/InputFile.h"
