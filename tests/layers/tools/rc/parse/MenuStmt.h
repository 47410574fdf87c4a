// Includes the header that includes it: the cycle the layer check must refuse.
#pragma once
#include "parse/Statements.h"
