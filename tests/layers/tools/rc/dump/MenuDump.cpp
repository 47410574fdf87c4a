// A dump that reaches up into the parser for a constant: the layer check must refuse it.
#include "dump/DumpText.h"
#include "parse/Parser.h"
#include "resformat/ResourceId.h"
