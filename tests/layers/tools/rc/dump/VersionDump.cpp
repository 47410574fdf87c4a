// A dump that reaches the parser by a relative path: the layer check must refuse it too.
#include "DumpText.h"
#include "../parse/Parser.h"
