// Two headers that include each other: the layer check must name the cycle once.
#pragma once
#include "parse/MenuStmt.h"
#include "resformat/ResourceId.h"
