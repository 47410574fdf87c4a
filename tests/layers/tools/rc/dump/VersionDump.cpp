// A dump that reaches the parser by a relative path: the layer check must refuse it too.
#include "../parse/Parser.h"
#include "DumpText.h"
