// The NE layout, named in restallow-min's namespace: where the fields of the headers lie
// (byteformat/NeLayout.h).
#pragma once

#include "byteformat/NeLayout.h"

namespace ne {

using namespace byteformat::ne;

}  // namespace ne
