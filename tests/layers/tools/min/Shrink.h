// Its own header and the file access below it: the layer check lets it pass.
#pragma once
#include "fileaccess/Result.h"
