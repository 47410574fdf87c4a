// A minimizer that reaches into the compiler's headers: the layer check must refuse it.
#include "Shrink.h"
#include "Parser.h"
#include "fileaccess/InputFile.h"
