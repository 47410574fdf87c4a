// A header of the dump's own stage: the layer check lets it pass.
#pragma once
#include "resformat/ResourceId.h"
