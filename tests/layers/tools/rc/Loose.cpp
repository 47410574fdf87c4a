// A compiler source outside its stages: the layer check must refuse it.
#include "resformat/ResourceId.h"
